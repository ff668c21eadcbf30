#pragma once

#include "engine/Engine.h"

#include <cstdlib>

// Starts the engine once in this test process with SDL's dummy video and
// audio drivers, from the repository root (where data/ is). Returns whether
// it came up. CTest runs every test case in a process of its own.
inline bool ensureEngineStarted() {
    static const bool started = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        Engine& engine = Engine::instance();
        engine.init("Ombrel", 640, 480, false);
        return engine.isInitialised();
    }();
    return started;
}
