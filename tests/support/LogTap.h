#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

// Sends standard error into an unnamed temporary file for the tap's lifetime
// and hands back what was written in pieces, so a run of many frames can ask
// after each one what the engine logged without a capture per frame.
class LogTap {
public:
    LogTap() {
        std::fflush(stderr);
        file = std::tmpfile();
        saved = dup(2);
        if (file && saved >= 0) dup2(fileno(file), 2);
    }
    ~LogTap() {
        std::fflush(stderr);
        if (saved >= 0) dup2(saved, 2), close(saved);
        if (file) std::fclose(file);
    }
    LogTap(const LogTap&) = delete;
    LogTap& operator=(const LogTap&) = delete;

    // What was logged since the previous call.
    std::string take() {
        std::fflush(stderr);
        std::string out;
        char buffer[4096];
        for (ssize_t n; file && (n = pread(fileno(file), buffer, sizeof buffer, offset)) > 0; offset += n)
            out.append(buffer, static_cast<size_t>(n));
        return out;
    }

private:
    std::FILE* file = nullptr;
    int saved = -1;
    off_t offset = 0;
};
