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
    // A title that cannot start (its world refused a level file) has logged
    // why and stopped the loop; the program then ends as a failed start.
    bool titleFailed = false;
    engine.changeState(std::make_unique<TitleScreen>(&titleFailed));
    engine.run();

    engine.closeSharedFont();
    engine.shutdown();
    return titleFailed ? 1 : 0;
}
