#pragma once

#include <cstdarg>

// The game's log: one line "[HH:MM:SS] message" on standard error, the message
// cut at 1023 characters. Never fails, and works before the engine starts, so
// any part of the game may log with this header alone.
void logLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
void logLineV(const char* format, va_list args);
