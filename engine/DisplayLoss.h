#pragma once

// When the X server goes away (the player logs out with the game open), Xlib
// calls its IO error handler and then exit(). exit() runs the static
// destructors, and anything there that reached SDL's video would wait on the
// dead connection for ever, leaving the process behind. The handler installed
// here logs one line and ends the process at once with status 1 instead.

// Installs the handler when DISPLAY names an X display, loading Xlib (which
// SDL's X11 video driver then shares) if need be; otherwise does nothing.
// Call before SDL's video starts, since that opens the display, and again
// after the video mode is set, in case a library replaced the handler.
void watchForDisplayLoss();

// What the handler does: logs "Lost the connection to the display" and calls
// _exit(1), so that no at-exit clean-up runs.
[[noreturn]] void endAfterDisplayLoss();
