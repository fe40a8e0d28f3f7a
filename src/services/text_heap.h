// Texts of this program: zero-terminated byte strings in code page 936, kept on
// the process heap. A null pointer is the absent text, which every text
// operation reads as the empty text. Whoever receives a text frees it.
#pragma once

#include <cstddef>

#include "os/win32.h"

// The heap every text lives on; start-up hands it the process heap.
void SetTextHeap(os::HANDLE heap);

// A new block of `bytes` bytes for a text. Running out of memory is fatal:
// the program reports it and ends, so this never returns null.
char* AllocText(size_t bytes);

// Frees a text; the absent text is accepted and ignored.
void FreeText(char* text);

// A block for something other than a text, on the same heap and with the
// same rule: running out of memory is fatal.
void* AllocBlock(size_t bytes);
void FreeBlock(void* block);

// A fresh heap copy of `text`; the absent text gives the absent text.
char* CopyText(const char* text);

// The number of bytes before the terminator; 0 for the absent text.
size_t TextLength(const char* text);
