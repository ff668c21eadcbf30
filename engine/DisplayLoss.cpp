#include "engine/DisplayLoss.h"

#include "engine/Log.h"

#include <cstdlib>
#include <dlfcn.h>
#include <initializer_list>
#include <unistd.h>

namespace {

// Xlib's own types, kept opaque: the game does not otherwise speak to Xlib,
// and SDL loads the library at run time, so there is nothing to link.
using IOErrorHandler = int (*)(void* display);
using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);

int onIOError(void*) {
    endAfterDisplayLoss();
}

}  // namespace

void endAfterDisplayLoss() {
    logLine("Lost the connection to the display; ending at once");
    _exit(1);
}

void watchForDisplayLoss() {
    // Before SDL's video starts, Xlib is not loaded yet: loading it here
    // (SDL later gets the same copy) lets the handler be in place before the
    // display is opened. Without DISPLAY there is no X display to lose, and a
    // game on another video driver needs no Xlib.
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return;
    for (const char* name : {"libX11.so.6", "libX11.so"}) {
        // The reference is kept for good: the handler must outlive SDL's.
        void* xlib = dlopen(name, RTLD_LAZY | RTLD_GLOBAL);
        if (!xlib) continue;
        auto set = reinterpret_cast<SetIOErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"));
        if (set) set(onIOError);
        return;
    }
}
