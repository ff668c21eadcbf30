#include "engine/Engine.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class EngineLoop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
    }
    void TearDown() override { Engine::instance().shutdown(); }

    RecordingState* installState(const std::string& name = "") {
        auto* state = new RecordingState(journal, name);
        Engine::instance().changeState(state);
        return state;
    }
    std::shared_ptr<Journal> journal = std::make_shared<Journal>();
};

}  // namespace

TEST_F(EngineLoop, FirstStateIsInitialisedBeforeTheFirstEventReachesIt) {
    installState();
    pushKeyDown(SDLK_SPACE, ' ');
    Engine::instance().frame(0.025f);
    ASSERT_EQ(journal->calls.size(), 3u);
    EXPECT_EQ(journal->calls[0], "init");
    EXPECT_EQ(journal->calls[1], "keyDown 32 32");
    EXPECT_EQ(journal->calls[2], "update");
}

TEST_F(EngineLoop, StateThatChangesStateDuringUpdateIsStillRenderedThatFrame) {
    Engine& engine = Engine::instance();
    RecordingState* first = installState("a");
    first->onUpdate = [this, &engine] { engine.changeState(new RecordingState(journal, "b")); };
    engine.frame(0.025f);
    engine.present();
    EXPECT_EQ(journal->count("a.render"), 1);
    EXPECT_EQ(journal->count("b.init"), 0);

    pushKeyDown(SDLK_a, 'a');
    first->onUpdate = nullptr;
    engine.frame(0.025f);
    EXPECT_LT(journal->indexOf("a.cleanup"), journal->indexOf("b.init"));
    EXPECT_LT(journal->indexOf("b.init"), journal->indexOf("b.keyDown 97 97"));
    EXPECT_EQ(journal->destroyed, 1);
}

TEST_F(EngineLoop, UpdateReceivesTheFrameTimeAndAStallIsClampedToAQuarterSecond) {
    RecordingState* state = installState();
    Engine::instance().frame(Engine::frameSeconds(40));
    EXPECT_FLOAT_EQ(state->lastDt, 0.04f);
    Engine::instance().frame(Engine::frameSeconds(2000));
    EXPECT_FLOAT_EQ(state->lastDt, 0.25f);
}

TEST(EngineClock, FrameThatOverranItsPeriodGetsNoSleep) {
    EXPECT_EQ(Engine::frameDelayMs(1000, 25, 1010), 15u);
    EXPECT_EQ(Engine::frameDelayMs(1000, 25, 1025), 0u);
    EXPECT_EQ(Engine::frameDelayMs(1000, 25, 1100), 0u);
}

TEST_F(EngineLoop, LosingFocusStopsUpdatesButNotRenderingOrTheTimer) {
    Engine& engine = Engine::instance();
    installState();
    engine.enableSpeedRunTimer();
    engine.startSpeedRunTimer();
    engine.frame(0.025f);

    pushFocus(false);
    engine.frame(0.025f);
    engine.present();
    EXPECT_EQ(journal->count("update"), 1);
    EXPECT_EQ(journal->count("render"), 1);
    EXPECT_FLOAT_EQ(engine.speedRunSeconds(), 0.05f);

    pushFocus(true);
    engine.frame(0.025f);
    EXPECT_EQ(journal->count("update"), 2);
}

TEST_F(EngineLoop, StateReplacedWhilePendingIsDeletedWithoutCleanup) {
    Engine& engine = Engine::instance();
    installState("a");
    installState("b");
    EXPECT_EQ(journal->destroyed, 1);
    engine.frame(0.025f);
    EXPECT_EQ(journal->count("a.init"), 0);
    EXPECT_EQ(journal->count("a.cleanup"), 0);
    EXPECT_EQ(journal->count("b.init"), 1);
}

TEST_F(EngineLoop, StateHandedOverDuringTheOldStatesCleanupWaitsForTheNextFrame) {
    Engine& engine = Engine::instance();
    RecordingState* first = installState("a");
    engine.frame(0.025f);
    first->onCleanup = [this, &engine] { engine.changeState(new RecordingState(journal, "c")); };
    installState("b");
    engine.frame(0.025f);
    EXPECT_EQ(journal->count("b.init"), 1);
    EXPECT_EQ(journal->count("c.init"), 0);
    engine.frame(0.025f);
    EXPECT_EQ(journal->count("b.cleanup"), 1);
    EXPECT_EQ(journal->count("c.init"), 1);
}

TEST_F(EngineLoop, ShutdownDeletesTheCurrentAndThePendingState) {
    Engine& engine = Engine::instance();
    installState("a");
    engine.frame(0.025f);
    installState("b");
    engine.shutdown();
    EXPECT_EQ(journal->destroyed, 2);
    EXPECT_EQ(journal->count("a.cleanup"), 1);
    EXPECT_EQ(journal->count("b.cleanup"), 0);
    EXPECT_EQ(engine.currentState(), nullptr);
    EXPECT_EQ(engine.pendingState(), nullptr);
}

TEST_F(EngineLoop, StateWhoseInitFailsStopsTheLoopAfterOneLastFrame) {
    Engine& engine = Engine::instance();
    RecordingState* state = installState();
    state->initResult = false;
    testing::internal::CaptureStderr();
    engine.frame(0.025f);
    engine.present();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("Requesting Stop Main Loop"), std::string::npos);
    EXPECT_FALSE(engine.isRunning());
    EXPECT_EQ(journal->count("update"), 1);
    EXPECT_EQ(journal->count("render"), 1);
}

TEST_F(EngineLoop, EveryWindowCloseEventRequestsAStop) {
    installState();
    pushQuit();
    pushQuit();
    testing::internal::CaptureStderr();
    Engine::instance().frame(0.025f);
    const std::string log = testing::internal::GetCapturedStderr();
    size_t count = 0;
    for (size_t at = log.find("Requesting Stop Main Loop"); at != std::string::npos;
         at = log.find("Requesting Stop Main Loop", at + 1))
        ++count;
    EXPECT_EQ(count, 2u);
}

TEST_F(EngineLoop, WheelNotchStepsOnPressAndReleaseAndOtherButtonsPassThrough) {
    installState();
    pushMouseButton(true, SDL_BUTTON_WHEELDOWN);
    pushMouseButton(false, SDL_BUTTON_WHEELDOWN);
    pushMouseButton(true, SDL_BUTTON_LEFT);
    pushMouseButton(false, SDL_BUTTON_LEFT);
    Engine::instance().frame(0.025f);
    EXPECT_EQ(journal->count("mouseWheel -1"), 2);
    EXPECT_EQ(journal->count("mouseButtonDown 1"), 1);
    EXPECT_EQ(journal->count("mouseButtonUp 1"), 1);
}

TEST_F(EngineLoop, RunEndsWhenAStateRequestsStopAndFinishesThatFrame) {
    Engine& engine = Engine::instance();
    RecordingState* state = installState();
    int updates = 0;
    state->onUpdate = [&] {
        if (++updates == 3) engine.requestStop();
    };
    engine.setFrameLimit(true);
    engine.setTargetFps(40.0f);
    engine.run();
    EXPECT_EQ(journal->count("update"), 3);
    EXPECT_EQ(journal->count("render"), 3);
}

TEST(EngineStart, RunDoesNothingWithoutASuccessfulInit) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::string empty = makeTempDir();
    std::filesystem::current_path(empty);
    Engine& engine = Engine::instance();
    auto journal = std::make_shared<Journal>();
    testing::internal::CaptureStderr();
    engine.init("Ombrel", 640, 480, false);
    engine.changeState(new RecordingState(journal));
    engine.run();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(engine.isInitialised());
    EXPECT_NE(log.find("Couldn't load icon data/icon.bmp"), std::string::npos);
    EXPECT_EQ(log.find("Starting Main Loop"), std::string::npos);
    EXPECT_TRUE(journal->calls.empty());
    engine.shutdown();
    EXPECT_EQ(journal->destroyed, 1);
}

TEST(EngineStart, MissingFontIsAFailedStartThatNamesTheFile) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::string root = makeTempDir();
    makeFixtureData(root);  // may already lack a font; it is removed below either way
    std::filesystem::remove(std::filesystem::path(root) / "data" / "font" / "04B_03__.TTF");
    std::filesystem::current_path(root);
    testing::internal::CaptureStderr();
    Engine::instance().init("Ombrel", 640, 480, false);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(Engine::instance().isInitialised());
    EXPECT_NE(log.find("data/font/04B_03__.TTF"), std::string::npos);
    Engine::instance().shutdown();
}

TEST(EngineStart, GameDataGivesA640By480WindowTitledOmbrel) {
    ASSERT_TRUE(ensureEngineStarted());
    Engine& engine = Engine::instance();
    SDL_Surface* screen = engine.screen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    EXPECT_EQ(screen->format->BitsPerPixel, 32);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "Ombrel");
    EXPECT_NE(engine.font(), nullptr);
    engine.shutdown();
}

// Tests and tools that never call shutdown() must still exit cleanly: SDL's
// audio thread used to keep mixing while the libraries were torn down.
TEST(EngineExit, ProcessEndingWithoutShutdownExitsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int attempt = 0; attempt < 6; ++attempt) {
        EXPECT_EXIT(
            {
                ensureEngineStarted();
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "");
    }
}
