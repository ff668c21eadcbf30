#include "engine/DisplayLoss.h"
#include "engine/Engine.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

using EngineLoop = EngineWithState;

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
    EXPECT_EQ(Engine::frameDelayMs(1000, 25, 1025) + Engine::frameDelayMs(1000, 25, 1100), 0u);
}

TEST_F(EngineLoop, LosingFocusStopsUpdatesButNotRenderingOrTheTimer) {
    install();
    engine.enableSpeedRunTimer();
    engine.startSpeedRunTimer();
    engine.frame(0.025f);
    pushFocus(false), engine.frame(0.025f), engine.present();
    EXPECT_EQ(journal->count("update"), 1);
    EXPECT_EQ(journal->count("render"), 1);
    EXPECT_FLOAT_EQ(engine.speedRunSeconds(), 0.05f);
    pushFocus(true), engine.frame(0.025f);
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
    EXPECT_TRUE(!engine.currentState() && !engine.pendingState());
}

// A signal is noticed at the next event poll, so its frame and one more run.
TEST_F(EngineLoop, RunStopsOnEveryRequestButFinishesThatFrameFirst) {
    const struct { const char* name; bool initFails; int quits, stopAtUpdate, signal, frames; size_t stops; } cases[] = {
        {"the state asks", false, 0, 3, 0, 3, 1}, {"two window closes", false, 2, 0, 0, 1, 2},
        {"SIGTERM", false, 0, 3, SIGTERM, 4, 1}, {"SIGINT", false, 0, 3, SIGINT, 4, 1},
        // Last: a failed start marks the whole run as failed.
        {"init fails", true, 0, 0, 0, 1, 1}};
    engine.setFrameLimit(true);
    engine.setTargetFps(40.0f);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingState* state = install();
        state->initResult = !c.initFails;
        int updates = 0;
        state->onUpdate = [&] {
            if (++updates == c.stopAtUpdate && c.signal) std::raise(c.signal);
            else if (updates == c.stopAtUpdate || updates == 10) engine.requestStop();
        };
        for (int i = 0; i < c.quits; ++i) pushQuit();
        const std::string log = captureLog([this] { engine.run(); });
        EXPECT_EQ(occurrences(log, "Requesting Stop Main Loop"), c.stops);
        EXPECT_EQ(journal->count("update"), c.frames);
        EXPECT_EQ(journal->count("render"), c.frames);
        EXPECT_EQ(engine.hasStateFailedToStart(), c.initFails);
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

// A start that cannot find its icon or its font, has no audio, or has no
// display (a windowless driver SDL fell back on by itself) fails, says what
// failed and why, and the loop then neither runs nor leaks the state it was
// handed.
TEST(EngineStart, FailedStartNamesWhatFailedAndRunDoesNothing) {
    const struct { const char *missing, *audioDriver, *logged, *notLogged; } cases[] = {
        {"data/font/04B_03__.TTF", "dummy", "Couldn't open font data/font/04B_03__.TTF: ", nullptr},
        {"data/icon.bmp", "dummy", "Couldn't load icon data/icon.bmp: ", nullptr},
        {nullptr, "nonexistent", "SDL Audio couldn't be initialised: ", "Video"},
        {nullptr, "dummy", "There is no display to show the game on: SDL chose its \"", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        setenv("SDL_AUDIODRIVER", c.audioDriver, 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (&c == std::end(cases) - 1) unsetenv("SDL_VIDEODRIVER"), unsetenv("DISPLAY"), unsetenv("WAYLAND_DISPLAY");
        const std::string root = makeTempDir();
        ASSERT_TRUE(makeFixtureData(root));
        if (c.missing) std::filesystem::remove(std::filesystem::path(root) / c.missing);
        std::filesystem::current_path(root);
        Engine& engine = Engine::instance();
        auto journal = std::make_shared<Journal>();
        const std::string log = captureLog([&] {
            engine.init("Ombrel", 640, 480, false);
            engine.changeState(std::make_unique<RecordingState>(journal));
            engine.run();
        });
        EXPECT_FALSE(engine.isInitialised());
        // SDL's own words follow the separator.
        const size_t at = log.find(c.logged);
        ASSERT_NE(at, std::string::npos) << log;
        EXPECT_NE(log[at + std::strlen(c.logged)], '\n') << log;
        if (c.notLogged) { EXPECT_EQ(log.find(c.notLogged), std::string::npos) << log; }
        EXPECT_EQ(log.find("Starting Main Loop"), std::string::npos);
        EXPECT_TRUE(journal->calls.empty());
        engine.shutdown();
        returnToRepository();
        EXPECT_EQ(journal->destroyed, 1);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

namespace {

// Runs after the engine's static destructor, since it is registered before
// the engine exists: the process ends with status 2 if the destructor took
// SDL's video down (which waits for ever on a lost display) and 3 if it left
// the audio device open (its thread then crashes the exit now and then).
void checkWhatTheDestructorReleased() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) _exit(2);
    if (Mix_QuerySpec(nullptr, nullptr, nullptr)) _exit(3);
}

}  // namespace

TEST(EngineExit, ProcessEndingWithoutShutdownReleasesOnlyTheAudio) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int attempt = 0; attempt < 4; ++attempt)
        EXPECT_EXIT(
            {
                std::atexit(checkWhatTheDestructorReleased);
                ensureEngineStarted();
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "");
}

// What Xlib's handler for a lost display leads to: a log line and status 1,
// with no at-exit clean-up that could wait on the dead display.
TEST(EngineExit, LostDisplayEndsTheProcessAtOnceWithALogLine) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::atexit([] { _exit(2); });
            ensureEngineStarted();
            endAfterDisplayLoss();
        },
        ::testing::ExitedWithCode(1), "Lost the connection to the display");
}
