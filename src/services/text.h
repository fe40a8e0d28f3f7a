// Numbers and texts as the program shows and reads them. Every text taken here
// may be the absent text (null), read as the empty text; every text returned is
// a new heap text (text_heap.h) the caller frees.
#pragma once

#include <cstdint>
#include <initializer_list>

// The number a text starts with, as typed by a user: leading blanks, an
// optional sign, decimal digits with at most one point, an optional exponent
// (e, E, d or D). Full-width digits, signs, point and the ideographic space
// count as their ASCII forms. Whatever follows the number is ignored; a text
// that does not start with a number reads as 0. Too large gives +-infinity.
double TextToNumber(const char* text);

// `x` with 13 significant digits, trailing zeros removed, in exponential form
// ("1e+013", "5e-005") outside 1e-4 <= |x| < 1e13. At most 20 bytes.
char* NumberToText(double x);

// `x` truncated toward zero; INT64_MIN when that does not fit (or x is NaN).
int64_t TruncateToInt(double x);

// The texts joined in order, always a present text.
char* ConcatText(std::initializer_list<const char*> texts);

// -1, 0 or 1 as `a` sorts before, with or after `b`, byte by byte (unsigned).
int CompareText(const char* a, const char* b);
