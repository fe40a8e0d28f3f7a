#include "app/credits.h"

#include "os/win32.h"

const char kStudioBlogAddress[] = "https://www.example.com/chengchuan/blog/";
const char kStudioHomeAddress[] = "https://www.example.com/chengchuan/home/";

namespace {
// A browser window of that name, where one is open, owns the shell's prompts.
constexpr char kBrowserWindowName[] = "Microsoft Internet Explorer";
}

void OpenUrl(const char* address)
{
    os::HWND owner = os::FindWindowExA(nullptr, nullptr, nullptr, kBrowserWindowName);
    os::ShellExecuteA(owner, "open", address, nullptr, nullptr, os::SW_SHOWNORMAL);
}

// A double click arrives as a press, then the double click: the blog opens
// first, then the home page.
void OnCreditsLeftButtonDown(int32_t, int32_t, int32_t) { OpenUrl(kStudioBlogAddress); }

void OnCreditsDoubleClicked(int32_t, int32_t, int32_t) { OpenUrl(kStudioHomeAddress); }
