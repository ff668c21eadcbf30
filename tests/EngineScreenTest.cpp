#include "engine/Engine.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class EngineScreen : public EngineWithState {
protected:
    void SetUp() override {
        EngineWithState::SetUp();
        install();
        engine.frame(0.025f);
    }
    void TearDown() override {
        engine.setVideoModeFunction(nullptr);
        EngineWithState::TearDown();
    }
    std::string pressF() {
        pushKeyDown(SDLK_f, 'f');
        return captureLog([this] { engine.frame(0.025f); });
    }
};

}  // namespace

TEST_F(EngineScreen, ColumnBufferLandsTransposedOnTheScreen) {
    const int w = engine.screenWidth(), h = engine.screenHeight();
    std::vector<uint32_t> storage(static_cast<size_t>(w) * h);
    std::vector<uint32_t*> columns(w);
    for (size_t i = 0; i < storage.size(); ++i) storage[i] = static_cast<uint32_t>(i / h) << 12 | static_cast<uint32_t>(i % h);
    for (int x = 0; x < w; ++x) columns[x] = &storage[static_cast<size_t>(x) * h];
    engine.blitColumnBuffer(columns.data());
    int wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) wrong += rgbAt(engine.screen(), x, y) != (static_cast<uint32_t>(x) << 12 | y);
    EXPECT_EQ(wrong, 0);
}

TEST_F(EngineScreen, FKeyTogglesFullscreenBothWaysOnlyWhileEnabled) {
    pressF();
    EXPECT_FALSE(engine.isFullscreen());
    EXPECT_EQ(journal->count("keyDown 102 102"), 1);
    engine.fullscreenKeyEnabled = true;
    pushKeyDown(SDLK_f, 'F');
    engine.frame(0.025f);
    EXPECT_TRUE(engine.isFullscreen());
    pressF();
    EXPECT_FALSE(engine.isFullscreen());
    EXPECT_NE(engine.screen(), nullptr);
}

TEST_F(EngineScreen, RefusedFullscreenFallsBackToTheWindow) {
    engine.fullscreenKeyEnabled = true;
    engine.setVideoModeFunction([](int w, int h, int bpp, Uint32 flags) {
        return flags & SDL_FULLSCREEN ? (SDL_SetError("no fullscreen here"), nullptr) : SDL_SetVideoMode(w, h, bpp, flags);
    });
    const std::string log = pressF();
    EXPECT_NE(log.find("Couldn't generate SDL Window: no fullscreen here"), std::string::npos);
    EXPECT_EQ(log.find("Requesting Stop"), std::string::npos);
    EXPECT_FALSE(engine.isFullscreen());
    ASSERT_NE(engine.screen(), nullptr);
    EXPECT_EQ(engine.screen()->w, 640);
}

TEST_F(EngineScreen, NoVideoModeAtAllStopsTheLoopAndDrawsNothing) {
    engine.fullscreenKeyEnabled = true;
    engine.setVideoModeFunction([](int, int, int, Uint32) -> SDL_Surface* { return nullptr; });
    EXPECT_NE(pressF().find("Requesting Stop Main Loop"), std::string::npos);
    EXPECT_EQ(engine.screen(), nullptr);
    EXPECT_FALSE(engine.isRunning());
    std::vector<uint32_t> column(480);
    std::vector<uint32_t*> columns(640, column.data());
    engine.blitColumnBuffer(columns.data());
    engine.present();
    EXPECT_EQ(journal->count("render"), 0);
}
