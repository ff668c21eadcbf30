#include "engine/Log.h"

#include "engine/Engine.h"

#include <cstdio>
#include <ctime>

void logLineV(const char* format, va_list args) {
    // vsnprintf cuts the message at 1023 characters: a runaway message costs
    // one truncated line, never an overflow.
    char message[1024];
    std::vsnprintf(message, sizeof message, format, args);

    char stamp[9] = "??:??:??";
    const std::time_t now = std::time(nullptr);
    std::tm local;
    if (localtime_r(&now, &local)) std::strftime(stamp, sizeof stamp, "%H:%M:%S", &local);

    // One fprintf per line keeps a line whole even if another writer shares
    // standard error.
    std::fprintf(stderr, "[%s] %s\n", stamp, message);
}

void logLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    logLineV(format, args);
    va_end(args);
}

void Engine::log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    logLineV(format, args);
    va_end(args);
}
