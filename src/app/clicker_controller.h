// The clicker: start, stop, and one click at every tick. It keeps no state of
// its own: the interval, the mode, the status line and the timer's period all
// live in the window's controls.
#pragma once

void OnStartClicked();
void OnStopClicked();
void OnTimerTick();
