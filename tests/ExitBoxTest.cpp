#include "engine/Engine.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

namespace {

class ExitBoxRouting : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
        Engine::instance().changeState(new RecordingState(journal));
        Engine::instance().frame(0.025f);
        journal->calls.clear();
    }
    void TearDown() override { Engine::instance().shutdown(); }

    bool stateSawKeys() const {
        for (const auto& c : journal->calls)
            if (c.rfind("key", 0) == 0) return true;
        return false;
    }
    std::shared_ptr<Journal> journal = std::make_shared<Journal>();
};

size_t occurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(ExitBoxRouting, EscapeOpensTheBoxAndASecondEscapeKeepsItOpen) {
    Engine& engine = Engine::instance();
    pushKeyDown(SDLK_ESCAPE, 27);
    engine.frame(0.025f);
    EXPECT_TRUE(engine.isExitBoxOpen());
    pushKeyDown(SDLK_ESCAPE, 27);
    engine.frame(0.025f);
    EXPECT_TRUE(engine.isExitBoxOpen());
    EXPECT_FALSE(stateSawKeys());
}

TEST_F(ExitBoxRouting, YConfirmsOnceAndTheFrameStillCompletes) {
    Engine& engine = Engine::instance();
    pushKeyDown(SDLK_ESCAPE, 27);
    pushKeyDown(SDLK_y, 'y');
    testing::internal::CaptureStderr();
    engine.frame(0.025f);
    engine.present();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(occurrences(log, "Requesting Stop Main Loop"), 1u);
    EXPECT_FALSE(engine.isRunning());
    EXPECT_EQ(journal->count("update"), 1);
    EXPECT_EQ(journal->count("render"), 1);
    EXPECT_FALSE(stateSawKeys());
}

TEST_F(ExitBoxRouting, ShiftYConfirmsToo) {
    pushKeyDown(SDLK_ESCAPE, 27);
    pushKeyDown(SDLK_y, 'Y');
    testing::internal::CaptureStderr();
    Engine::instance().frame(0.025f);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Requesting Stop Main Loop"), std::string::npos);
}

TEST_F(ExitBoxRouting, YWithTheBoxClosedGoesToTheState) {
    pushKeyDown(SDLK_y, 'y');
    testing::internal::CaptureStderr();
    Engine::instance().frame(0.025f);
    EXPECT_EQ(testing::internal::GetCapturedStderr().find("Requesting Stop"), std::string::npos);
    EXPECT_EQ(journal->count("keyDown 121 121"), 1);
}

TEST_F(ExitBoxRouting, LowerAndUpperNCloseTheBoxWithoutReachingTheState) {
    Engine& engine = Engine::instance();
    for (char typed : {'n', 'N'}) {
        pushKeyDown(SDLK_ESCAPE, 27);
        pushKeyDown(SDLK_n, typed);
        engine.frame(0.025f);
        EXPECT_FALSE(engine.isExitBoxOpen()) << typed;
    }
    EXPECT_FALSE(stateSawKeys());
}

TEST_F(ExitBoxRouting, EventsQueuedBehindNWaitForTheNextFrame) {
    Engine& engine = Engine::instance();
    pushKeyDown(SDLK_ESCAPE, 27);
    pushKeyDown(SDLK_n, 'n');
    pushKeyDown(SDLK_w, 'w');
    engine.frame(0.025f);
    EXPECT_EQ(journal->count("keyDown 119 119"), 0);
    engine.frame(0.025f);
    EXPECT_EQ(journal->count("keyDown 119 119"), 1);
}

TEST_F(ExitBoxRouting, OtherKeysAndAllReleasesAreSwallowedWhileOpenButMouseEventsPass) {
    Engine& engine = Engine::instance();
    pushKeyDown(SDLK_ESCAPE, 27);
    pushKeyUp(SDLK_ESCAPE);
    pushKeyDown(SDLK_w, 'w');
    pushKeyUp(SDLK_w);
    pushMouseButton(true, SDL_BUTTON_LEFT);
    engine.frame(0.025f);
    EXPECT_TRUE(engine.isExitBoxOpen());
    EXPECT_FALSE(stateSawKeys());
    EXPECT_EQ(journal->count("mouseButtonDown 1"), 1);
}

TEST_F(ExitBoxRouting, OpenBoxIsDrawnCentredOverTheState) {
    Engine& engine = Engine::instance();
    SDL_Surface* screen = engine.screen();
    auto pixelAt = [screen](int x, int y) {
        return static_cast<uint32_t*>(screen->pixels)[y * (screen->pitch / 4) + x] & 0xFFFFFF;
    };
    engine.present();
    EXPECT_EQ(pixelAt(320, 200), 0u);

    pushKeyDown(SDLK_ESCAPE, 27);
    engine.frame(0.025f);
    engine.present();
    // The fixture panel is 200x100 mid grey: centred, it spans x 220..419.
    EXPECT_EQ(pixelAt(225, 195), 0x808080u);
    EXPECT_EQ(pixelAt(215, 195), 0u);
}
