// The life of the process: start-up, the message loop and shutdown.
#pragma once

// The program's entry: runs start-up, the message loop and shutdown, and
// returns the exit code (0 after the window was closed).
int RunProgram();

// Runs the GUI thread's message loop until the quit message arrives.
void RunMessageLoop();

// Whether RunMessageLoop has started: from then on the destruction of the
// last window ends the loop.
bool MessageLoopRunning();

// Every process-wide value back to its start value, as at process start.
void ResetProcessState();
