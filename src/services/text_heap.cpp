#include "services/text_heap.h"

#include "app/fatal_error.h"

namespace {
os::HANDLE gTextHeap = nullptr;

os::HANDLE Heap()
{
    if (!gTextHeap)
        gTextHeap = os::GetProcessHeap();
    return gTextHeap;
}
}  // namespace

void SetTextHeap(os::HANDLE heap) { gTextHeap = heap; }

void* AllocBlock(size_t bytes)
{
    void* block = os::HeapAlloc(Heap(), 0, bytes ? bytes : 1);
    if (!block)
        ReportFatalError("内存不足，迅指无法继续运行。");
    return block;
}

void FreeBlock(void* block)
{
    if (block)
        os::HeapFree(Heap(), 0, block);
}

char* AllocText(size_t bytes) { return static_cast<char*>(AllocBlock(bytes)); }

void FreeText(char* text) { FreeBlock(text); }

size_t TextLength(const char* text)
{
    size_t n = 0;
    if (text)
        while (text[n])
            ++n;
    return n;
}

char* CopyText(const char* text)
{
    if (!text)
        return nullptr;
    size_t n = TextLength(text);
    char* copy = AllocText(n + 1);
    for (size_t i = 0; i <= n; ++i)
        copy[i] = text[i];
    return copy;
}
