#pragma once

// When the X server goes away (the player logs out with the game open), Xlib
// calls its IO error handler and then exit(). exit() runs the static
// destructors, and anything there that reached SDL's video would wait on the
// dead connection for ever, leaving the process behind. The handler installed
// here logs one line and ends the process at once with status 1 instead.

// Installs the handler if Xlib is loaded in the process (SDL loads it for its
// X11 video driver); otherwise does nothing. Call after the video mode is set,
// so that no handler SDL installs while opening the display replaces it.
void watchForDisplayLoss();

// What the handler does: logs "Lost the connection to the display" and calls
// _exit(1), so that no at-exit clean-up runs.
[[noreturn]] void endAfterDisplayLoss();
