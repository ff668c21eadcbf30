// Options the sanitizer runtimes read at start-up, built into the game in a
// sanitizer build only (the tests have their own), so that playing that
// build needs no environment variables.
#if defined(__SANITIZE_ADDRESS__)

extern "C" {

const char* __lsan_default_suppressions() { return ""; }

const char* __lsan_default_options() { return "print_suppressions=0"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

}

#endif
