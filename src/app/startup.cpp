#include "app/startup.h"

#include "app/events.h"
#include "app/fatal_error.h"
#include "app/main_window.h"
#include "app/visual_style.h"
#include "app/window_created.h"
#include "services/text_heap.h"

namespace {

struct ProcessState {
    bool loopRunning;   // from now on the last window's end ends the loop
    bool shutdownDone;  // shutdown runs once
};

ProcessState gProcess;

constexpr char kFatalCaption[] = "迅指鼠标点击器";

// The folder of the executable becomes the current directory. A path that
// does not fit, or names no folder, leaves the directory as it is.
void EnterProgramFolder()
{
    char path[os::MAX_PATH + 1];
    os::DWORD n = os::GetModuleFileNameA(nullptr, path, os::MAX_PATH);
    if (n == 0 || n >= os::MAX_PATH)
        return;
    path[n] = 0;
    os::DWORD cut = n;
    while (cut > 0 && path[cut - 1] != '\\')
        --cut;
    if (cut == 0)
        return;
    // "C:\" stays whole: "C:" alone would mean drive C's current folder.
    path[(cut >= 2 && path[cut - 2] == ':') ? cut : cut - 1] = 0;
    os::SetCurrentDirectoryA(path);
}

void Shutdown()
{
    if (gProcess.shutdownDone)
        return;
    gProcess.shutdownDone = true;
    SuspendEvents();  // no handler runs from here on
    DestroyMainWindow();
    SetVisualStyle(0);  // the controls went with the window; this removes the hook
    os::OleUninitialize();
}

}  // namespace

bool MessageLoopRunning() { return gProcess.loopRunning; }

void ResetProcessState()
{
    gProcess = ProcessState{};
    ResetEvents();
    ResetMainWindow();
    ResetWindowCreated();
    ResetVisualStyle();
}

void RunMessageLoop()
{
    gProcess.loopRunning = true;
    if (!MainWindowHandle() || !os::IsWindow(MainWindowHandle()))
        return;
    // Nothing of the program waits for idle time, so the loop only ever
    // blocks in GetMessageA: an idle program uses no processor time.
    os::MSG msg;
    while (os::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMainWindowMessage(msg))
            continue;
        os::TranslateMessage(&msg);
        os::DispatchMessageA(&msg);
    }
}

int RunProgram()
{
    ResetProcessState();
    SetTextHeap(os::GetProcessHeap());
    os::OleInitialize(nullptr);
    EnterProgramFolder();
    LoadWindow(kMainWindow);
    RunMessageLoop();
    Shutdown();
    return 0;
}

void ReportFatalError(const char* message)
{
    SuspendEvents();
    os::MessageBoxA(nullptr, message, kFatalCaption, os::MB_ICONERROR | os::MB_OK | os::MB_TASKMODAL);
    Shutdown();
    os::ExitProcess(0xFFFFFFFFu);
}
