// The credits line doubles as a link to the studio's pages.
#pragma once

#include <cstdint>

// The two pages, kept here and nowhere else.
extern const char kStudioBlogAddress[];
extern const char kStudioHomeAddress[];

// Opens an address with the system's handler for it (a web browser).
void OpenUrl(const char* address);

void OnCreditsLeftButtonDown(int32_t x, int32_t y, int32_t keys);
void OnCreditsDoubleClicked(int32_t x, int32_t y, int32_t keys);
