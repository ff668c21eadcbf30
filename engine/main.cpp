#include "engine/Engine.h"
#include "states/TitleScreen.h"

#include <memory>

int main() {
    Engine& engine = Engine::instance();
    engine.init("Ombrel", 640, 480, false);
    if (!engine.isInitialised()) {
        // The reason is already in the log; release what did open.
        engine.shutdown();
        return 1;
    }
    engine.setFrameLimit(true);
    engine.setTargetFps(40.0f);
    engine.enableSpeedRunTimer();
    engine.changeState(std::make_unique<TitleScreen>());
    engine.run();

    engine.closeSharedFont();
    engine.shutdown();
    // A state that could not start (a level file refused) has logged why.
    return engine.hasStateFailedToStart() ? 1 : 0;
}
