#include "engine/Engine.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

#include <filesystem>

using EngineLoop = EngineWithState;

TEST_F(EngineLoop, FirstStateIsInitialisedBeforeTheFirstEventReachesIt) {
    install();
    pushKeyDown(SDLK_SPACE, ' ');
    engine.frame(0.025f);
    EXPECT_EQ(journal->calls, (std::vector<std::string>{"init", "keyDown 32 32", "update"}));
}

// A new state takes over at the start of the next frame: the one that asked
// still renders, and one handed over from inside cleanup() waits a frame more.
TEST_F(EngineLoop, StateChangedDuringUpdateOrCleanupWaitsForTheNextFrameStart) {
    RecordingState* first = install("a");
    first->onUpdate = [this] { engine.changeState(std::make_unique<RecordingState>(journal, "b")); };
    engine.frame(0.025f);
    engine.present();
    EXPECT_EQ(journal->count("a.render"), 1);
    EXPECT_EQ(journal->count("b.init"), 0);

    first->onUpdate = nullptr;
    first->onCleanup = [this] { engine.changeState(std::make_unique<RecordingState>(journal, "c")); };
    pushKeyDown(SDLK_a, 'a');
    engine.frame(0.025f);
    EXPECT_TRUE(journal->inOrder({"a.cleanup", "b.init", "b.keyDown 97 97"}));
    EXPECT_EQ(journal->destroyed, 1);
    EXPECT_EQ(journal->count("c.init"), 0);
    engine.frame(0.025f);
    EXPECT_TRUE(journal->inOrder({"b.cleanup", "c.init"}));
}

TEST_F(EngineLoop, StallIsClampedToAQuarterSecondAndAnOverrunFrameGetsNoSleep) {
    RecordingState* state = install();
    engine.frame(Engine::frameSeconds(40));
    EXPECT_FLOAT_EQ(state->lastDt, 0.04f);
    engine.frame(Engine::frameSeconds(2000));
    EXPECT_FLOAT_EQ(state->lastDt, 0.25f);
    EXPECT_EQ(Engine::frameDelayMs(1000, 25, 1010), 15u);
    EXPECT_EQ(Engine::frameDelayMs(1000, 25, 1025), 0u);
    EXPECT_EQ(Engine::frameDelayMs(1000, 25, 1100), 0u);
}

TEST_F(EngineLoop, LosingFocusStopsUpdatesButNotRenderingOrTheTimer) {
    install();
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

TEST_F(EngineLoop, ReplacedAndLeftoverPendingStatesAreDeletedWithoutCleanup) {
    install("a");
    install("b");
    EXPECT_EQ(journal->destroyed, 1);
    engine.frame(0.025f);
    EXPECT_EQ(journal->count("a.init") + journal->count("a.cleanup"), 0);
    EXPECT_EQ(journal->count("b.init"), 1);

    install("c");
    engine.shutdown();
    EXPECT_EQ(journal->destroyed, 3);
    EXPECT_EQ(journal->count("b.cleanup"), 1);
    EXPECT_EQ(journal->count("c.init") + journal->count("c.cleanup"), 0);
    EXPECT_EQ(engine.currentState(), nullptr);
    EXPECT_EQ(engine.pendingState(), nullptr);
}

TEST_F(EngineLoop, RunStopsOnEveryRequestButFinishesThatFrameFirst) {
    const struct { const char* name; bool initFails; int quits, stopAtUpdate, frames; size_t stops; } cases[] = {{"the state asks", false, 0, 3, 3, 1}, {"init fails", true, 0, 0, 1, 1}, {"two window closes", false, 2, 0, 1, 2}};
    engine.setFrameLimit(true);
    engine.setTargetFps(40.0f);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingState* state = install();
        state->initResult = !c.initFails;
        int updates = 0;
        state->onUpdate = [&] {
            if (++updates == c.stopAtUpdate || updates == 10) engine.requestStop();
        };
        for (int i = 0; i < c.quits; ++i) pushQuit();
        const std::string log = captureLog([this] { engine.run(); });
        EXPECT_EQ(occurrences(log, "Requesting Stop Main Loop"), c.stops);
        EXPECT_EQ(journal->count("update"), c.frames);
        EXPECT_EQ(journal->count("render"), c.frames);
        journal->calls.clear();
    }
}

TEST_F(EngineLoop, WheelNotchStepsOnPressAndReleaseAndOtherButtonsPassThrough) {
    install();
    for (int button : {SDL_BUTTON_WHEELDOWN, SDL_BUTTON_LEFT}) {
        pushMouseButton(true, button);
        pushMouseButton(false, button);
    }
    engine.frame(0.025f);
    EXPECT_EQ(journal->takeInput(), "mouseWheel -1 mouseWheel -1 mouseButtonDown 1 mouseButtonUp 1");
}

// A start that cannot find its icon or its font fails, says which file, and
// the loop then neither runs nor leaks the state it was handed.
TEST(EngineStart, FailedStartNamesTheMissingFileAndRunDoesNothing) {
    const struct { const char *missing, *logged; } cases[] = {
        {"data/font/04B_03__.TTF", "Couldn't open font data/font/04B_03__.TTF"},
        {"data/icon.bmp", "Couldn't load icon data/icon.bmp"}};
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.missing);
        const std::string root = makeTempDir();
        ASSERT_TRUE(makeFixtureData(root));
        std::filesystem::remove(std::filesystem::path(root) / c.missing);
        std::filesystem::current_path(root);
        Engine& engine = Engine::instance();
        auto journal = std::make_shared<Journal>();
        const std::string log = captureLog([&] {
            engine.init("Ombrel", 640, 480, false);
            engine.changeState(std::make_unique<RecordingState>(journal));
            engine.run();
        });
        EXPECT_FALSE(engine.isInitialised());
        EXPECT_NE(log.find(c.logged), std::string::npos) << log;
        EXPECT_EQ(log.find("Starting Main Loop"), std::string::npos);
        EXPECT_TRUE(journal->calls.empty());
        engine.shutdown();
        returnToRepository();
        EXPECT_EQ(journal->destroyed, 1);
    }
}

TEST(EngineStart, GameDataGivesA640By480WindowTitledOmbrel) {
    ASSERT_TRUE(ensureEngineStarted());
    SDL_Surface* screen = Engine::instance().screen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    EXPECT_EQ(screen->format->BitsPerPixel, 32);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    EXPECT_STREQ(title, "Ombrel");
    EXPECT_NE(Engine::instance().font(), nullptr);
    Engine::instance().shutdown();
}

// SDL's audio thread used to keep mixing while the libraries were torn down,
// so a process that never called shutdown() now and then crashed on exit.
TEST(EngineExit, ProcessEndingWithoutShutdownExitsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int attempt = 0; attempt < 6; ++attempt)
        EXPECT_EXIT({ ensureEngineStarted(); std::exit(0); }, ::testing::ExitedWithCode(0), "");
}
