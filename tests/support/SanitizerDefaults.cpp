// Options the sanitizer runtimes read at start-up, built into the tests so
// that every run is checked the same way without environment variables. The
// game has its own (engine/SanitizerDefaults.cpp): the slow unwinder set here
// deadlocks it against the OpenGL driver on a real display.
#if defined(__SANITIZE_ADDRESS__)

extern "C" {

// SDL 1.2 on SDL2 (sdl12-compat 1.2.60) never frees the video surface made by
// SDL_SetVideoMode: 360 bytes a start, seen in a ten-line C program too. That
// one is the library's; any other leak is ours and fails the run.
const char* __lsan_default_suppressions() { return "leak:SDL_SetVideoMode\n"; }

// The fast unwinder stops at the first library frame built without frame
// pointers, so the leak above would show no SDL_SetVideoMode to match.
const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }

const char* __lsan_default_options() { return "print_suppressions=0"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

}

#endif
