#include "engine/Engine.h"
#include "engine/GameState.h"
#include "media/Image.h"
#include "media/Text.h"

namespace {

// Stands in for the title screen until it exists: the game's name, centred.
class PlaceholderState : public GameState {
public:
    bool init() override {
        text = renderText(Engine::instance().font(), "Ombrel", 0xFFFFFF);
        return true;
    }
    void cleanup() override {
        freeSurface(text);
        text = nullptr;
    }
    void update(float) override {}
    void render() override {
        Engine& engine = Engine::instance();
        if (!text) return;
        blit(text, engine.screen(), (engine.screenWidth() - text->w) / 2, (engine.screenHeight() - text->h) / 2);
    }

private:
    SDL_Surface* text = nullptr;
};

}  // namespace

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
    engine.changeState(std::make_unique<PlaceholderState>());
    engine.run();

    engine.closeSharedFont();
    engine.shutdown();
    return 0;
}
