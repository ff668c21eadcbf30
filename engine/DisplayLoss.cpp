#include "engine/DisplayLoss.h"

#include "engine/Engine.h"

#include <dlfcn.h>
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
    Engine::log("Lost the connection to the display; ending at once");
    _exit(1);
}

void watchForDisplayLoss() {
    // RTLD_NOLOAD: only a library already loaded (by SDL) is of interest; a
    // game on another video driver has no display to lose.
    for (const char* name : {"libX11.so.6", "libX11.so"}) {
        void* xlib = dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
        if (!xlib) continue;
        auto set = reinterpret_cast<SetIOErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"));
        if (set) set(onIOError);
        // Drops only the reference taken above; SDL keeps the library loaded.
        dlclose(xlib);
        return;
    }
}
