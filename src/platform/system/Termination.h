// Ending on request: SIGTERM and SIGINT become a request that the GUI thread's message loops answer with a
// quit, and a program that cannot answer in time is ended all the same.
#pragma once

#include <chrono>

namespace win {

// Installs the handlers, leaving a signal alone that the program was started with ignored. A request wakes
// whatever wait the GUI thread is in; when the program is still there `grace` later, or a second signal
// comes, the signal's own default action ends it. Call once, early, from the program's entry.
void HandleTerminationSignals(std::chrono::milliseconds grace);

// True once for each request: the message loop takes it and posts its quit.
bool TakeTerminationRequest();

// What ends a wait of the GUI thread (the display's wake); it is called from another thread. Clearing it
// (null) waits for a wake in progress, so that a display can clear it before it goes away.
using TerminationWake = void (*)(void* context);
void SetTerminationWake(TerminationWake wake, void* context);

// Ends the process by the signal that asked for it, once the program has tidied up; returns when no signal
// asked.
void EndByTerminationSignal();

} // namespace win
