#include "engine/Engine.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class EngineScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
        Engine::instance().changeState(new RecordingState(journal));
        Engine::instance().frame(0.025f);
    }
    void TearDown() override {
        Engine::instance().setVideoModeFunction(nullptr);
        Engine::instance().shutdown();
    }
    std::shared_ptr<Journal> journal = std::make_shared<Journal>();
};

// Refuses fullscreen, so the toggle has to fall back to a window.
SDL_Surface* refuseFullscreen(int w, int h, int bpp, Uint32 flags) {
    if (flags & SDL_FULLSCREEN) {
        SDL_SetError("no fullscreen here");
        return nullptr;
    }
    return SDL_SetVideoMode(w, h, bpp, flags);
}

SDL_Surface* refuseEverything(int, int, int, Uint32) {
    SDL_SetError("no video modes left");
    return nullptr;
}

}  // namespace

TEST_F(EngineScreen, ColumnBufferLandsTransposedOnTheScreen) {
    Engine& engine = Engine::instance();
    const int w = engine.screenWidth(), h = engine.screenHeight();
    std::vector<uint32_t> storage(static_cast<size_t>(w) * h);
    std::vector<uint32_t*> columns(w);
    for (int x = 0; x < w; ++x) {
        columns[x] = &storage[static_cast<size_t>(x) * h];
        for (int y = 0; y < h; ++y) columns[x][y] = 0xFF000000u | (static_cast<uint32_t>(x) << 12) | y;
    }
    engine.blitColumnBuffer(columns.data());
    SDL_Surface* screen = engine.screen();
    const auto* pixels = static_cast<const uint32_t*>(screen->pixels);
    int wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) wrong += pixels[y * (screen->pitch / 4) + x] != columns[x][y];
    EXPECT_EQ(wrong, 0);
}

TEST_F(EngineScreen, FKeyDoesNothingWhileDisabled) {
    Engine& engine = Engine::instance();
    engine.fullscreenKeyEnabled = false;
    pushKeyDown(SDLK_f, 'f');
    engine.frame(0.025f);
    EXPECT_FALSE(engine.isFullscreen());
    EXPECT_EQ(journal->count("keyDown 102 102"), 1);
}

TEST_F(EngineScreen, FKeyTogglesFullscreenBothWays) {
    Engine& engine = Engine::instance();
    engine.fullscreenKeyEnabled = true;
    pushKeyDown(SDLK_f, 'F');
    engine.frame(0.025f);
    EXPECT_TRUE(engine.isFullscreen());
    pushKeyDown(SDLK_f, 'f');
    engine.frame(0.025f);
    EXPECT_FALSE(engine.isFullscreen());
    EXPECT_NE(engine.screen(), nullptr);
}

TEST_F(EngineScreen, RefusedFullscreenFallsBackToTheWindow) {
    Engine& engine = Engine::instance();
    engine.fullscreenKeyEnabled = true;
    engine.setVideoModeFunction(refuseFullscreen);
    pushKeyDown(SDLK_f, 'f');
    testing::internal::CaptureStderr();
    engine.frame(0.025f);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("Couldn't generate SDL Window: no fullscreen here"), std::string::npos);
    EXPECT_FALSE(engine.isFullscreen());
    ASSERT_NE(engine.screen(), nullptr);
    EXPECT_EQ(engine.screen()->w, 640);
    EXPECT_EQ(log.find("Requesting Stop"), std::string::npos);
}

TEST_F(EngineScreen, NoVideoModeAtAllStopsTheLoopAndDrawsNothing) {
    Engine& engine = Engine::instance();
    engine.fullscreenKeyEnabled = true;
    engine.setVideoModeFunction(refuseEverything);
    pushKeyDown(SDLK_f, 'f');
    testing::internal::CaptureStderr();
    engine.frame(0.025f);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(engine.screen(), nullptr);
    EXPECT_NE(log.find("Requesting Stop Main Loop"), std::string::npos);
    EXPECT_FALSE(engine.isRunning());

    std::vector<uint32_t> column(480);
    std::vector<uint32_t*> columns(640, column.data());
    engine.blitColumnBuffer(columns.data());
    engine.present();
    EXPECT_EQ(journal->count("render"), 0);
}
