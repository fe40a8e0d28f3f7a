// The end of the process after a failure the program cannot go on from.
#pragma once

// Shows `message` in an error box without owner, runs shutdown and ends the
// process with exit code -1.
[[noreturn]] void ReportFatalError(const char* message);
