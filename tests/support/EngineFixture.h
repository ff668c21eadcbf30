#pragma once

#include "engine/Engine.h"

#include <cstdlib>

// Starts the engine with SDL's dummy video and audio drivers, from the
// repository root (where data/ is), unless it is already up; returns whether
// it is. It asks the engine rather than remembering an earlier start, so a
// test that shut the engine down does not leave the next test without one
// when the whole executable runs as one process.
inline bool ensureEngineStarted() {
    Engine& engine = Engine::instance();
    if (engine.isInitialised()) return true;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    engine.init("Ombrel", 640, 480, false);
    return engine.isInitialised();
}
