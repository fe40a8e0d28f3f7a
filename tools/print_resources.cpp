// Prints what Windows reads from an executable's resources: the version block
// (through GetFileVersionInfo, as Explorer shows it) and the icon group id 1.
// Usage: print_resources FILE.exe    Output is UTF-8, one fact a line.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text)
{
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(bytes > 0 ? bytes - 1 : 0, '\0');
    if (bytes > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring Widen(const char* text)
{
    int chars = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring out(chars > 0 ? chars - 1 : 0, L'\0');
    if (chars > 1) MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), chars);
    return out;
}

std::string Version(DWORD high, DWORD low)
{
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned{HIWORD(high)}, unsigned{LOWORD(high)},
                  unsigned{HIWORD(low)}, unsigned{LOWORD(low)});
    return text;
}

bool PrintVersionBlock(const std::wstring& file)
{
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), nullptr);
    if (size == 0) return false;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return false;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) return false;
    std::printf("fixed FileVersion %s\n", Version(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str());
    std::printf("fixed ProductVersion %s\n", Version(fixed->dwProductVersionMS, fixed->dwProductVersionLS).c_str());

    WORD* translation = nullptr;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) || length < 4)
        return false;
    std::printf("Translation %04x %u\n", unsigned{translation[0]}, unsigned{translation[1]});

    // The strings of the first translation, the one Windows shows.
    wchar_t table[16];
    std::swprintf(table, 16, L"%04x%04x", unsigned{translation[0]}, unsigned{translation[1]});
    std::printf("StringFileInfo %s\n", Utf8(table).c_str());
    for (const wchar_t* name : {L"FileDescription", L"FileVersion", L"ProductName", L"ProductVersion"}) {
        std::wstring path = std::wstring(L"\\StringFileInfo\\") + table + L"\\" + name;
        wchar_t* value = nullptr;
        if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
            value = const_cast<wchar_t*>(L"(missing)");
        std::printf("%s %s\n", Utf8(name).c_str(), Utf8(value).c_str());
    }
    return true;
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

bool PrintIconGroup(const std::wstring& file)
{
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    const WORD* group = found ? static_cast<const WORD*>(LockResource(LoadResource(module, found))) : nullptr;
    if (group) {
        std::printf("icon group 1: %u image(s)\n", unsigned{group[2]});
        auto entries = reinterpret_cast<const IconGroupEntry*>(group + 3);
        for (WORD i = 0; i < group[2]; ++i)
            std::printf("icon %ux%u, %u colours, %u bits a pixel\n", unsigned{entries[i].width},
                        unsigned{entries[i].height}, unsigned{entries[i].colours}, unsigned{entries[i].bitCount});
    }
    FreeLibrary(module);
    return group != nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: print_resources FILE.exe\n");
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // the same bytes on Windows and under Wine
    std::wstring file = Widen(argv[1]);
    bool ok = PrintVersionBlock(file);
    if (!ok) std::printf("no version block\n");
    if (!PrintIconGroup(file)) {
        std::printf("no icon group 1\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
