// Options the sanitizer runtimes read at start-up, built into the game in a
// sanitizer build only (the tests have their own), so that playing that
// build needs no environment variables.
#if defined(__SANITIZE_ADDRESS__)

extern "C" {

// Leaks of libraries outside the game, named by library: the game runs the
// fast unwinder (the slow one deadlocks it against the OpenGL driver), which
// stops at the first frame inside a library built without frame pointers.
const char* __lsan_default_suppressions() {
    return
        // libdbus's connection to the session bus, which SDL2 opens and keeps
        // for the life of the process (1 KB).
        "leak:libdbus-1.so\n"
        // sdl12-compat never frees the surface SDL_SetVideoMode made (360
        // bytes a start). The tests, which unwind fully, suppress only that
        // one and so still catch a surface the game itself leaks.
        "leak:libSDL2-2.0.so\n";
}

const char* __lsan_default_options() { return "print_suppressions=0"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

}

#endif
