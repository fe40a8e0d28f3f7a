// The part of the platform layer the text services need, on malloc, for the
// programs that run them without the recording fake (differential, fuzz,
// benchmarks): the fake logs every call, which would swamp millions of them.
#include <cstdlib>

#include "app/fatal_error.h"
#include "os/win32.h"

namespace os {
HANDLE GetProcessHeap()
{
    static int heap;
    return &heap;
}
void* HeapAlloc(HANDLE, DWORD, size_t bytes) { return std::malloc(bytes); }
BOOL HeapFree(HANDLE, DWORD, void* block)
{
    std::free(block);
    return 1;
}
}  // namespace os

void ReportFatalError(const char*) { std::abort(); }
