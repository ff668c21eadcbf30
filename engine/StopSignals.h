#pragma once

// SIGTERM (a logout, a process manager) and SIGINT (Ctrl-C) ask the main loop
// to stop, as the window's close button does, so the game ends through its
// normal shutdown with status 0 whatever state it is in. Each handler acts
// once: a second signal of the same kind gets the default action, so a
// process that can no longer reach its loop still ends.

// Installs both handlers, remembering the ones they replace.
void installStopSignals();
// Puts back the handlers installStopSignals replaced.
void restoreStopSignals();
// True once for each signal received since the last call.
bool takeStopSignal();
