// The Windows entry point. The command line is ignored.
#include "app/startup.h"
#include "os/win32.h"

extern "C" int OSCALL WinMain(os::HINSTANCE, os::HINSTANCE, char*, int)
{
    return RunProgram();
}
