#include "states/TitleScreen.h"

#include "states/PlayState.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

namespace {

// One fade step per frame, so a fade takes exactly 13 frames.
constexpr float FADE_FRAME = 0.06f;
// A whole swing of 12 s is 48 of these, with no rounding in the sum.
constexpr float SWING_FRAME = 0.25f;

// The title made current over the game's own data, as the entry point does.
class TitleScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(title = makeCurrent<TitleScreen>(), nullptr);
        ASSERT_NE(title->backdropState(), nullptr);
    }
    void TearDown() override { engine.shutdown(); }

    Engine& engine = Engine::instance();
    TitleScreen* title = nullptr;
};

}  // namespace

TEST_F(TitleScreenTest, SpaceFadesOutOnlyOnceTheTitleIsUpAndHandsOverOnBlack) {
    // During the fade-in Space is lost: the fade still comes up to clear.
    pushKeyDown(SDLK_SPACE, ' ');
    runFrames(13, FADE_FRAME);
    EXPECT_FALSE(title->screenFade().isFading());
    EXPECT_EQ(title->screenFade().getLevel(), 0);

    // A second Space during the fade-out neither reverses nor delays it.
    pushKeyDown(SDLK_SPACE, ' ');
    runFrames(1, FADE_FRAME);
    pushKeyDown(SDLK_SPACE, ' ');
    runFrames(11, FADE_FRAME);
    EXPECT_EQ(title->screenFade().getLevel(), 12 * 24);
    EXPECT_EQ(engine.pendingState(), nullptr);
    EXPECT_FALSE(engine.isSpeedRunTimerRunning());

    // The frame that reaches black starts the clock and leaves the game
    // pending; the title is still what is drawn, black.
    runFrames(1, FADE_FRAME);
    EXPECT_TRUE(title->screenFade().isBlack());
    EXPECT_TRUE(engine.isSpeedRunTimerRunning());
    auto* game = dynamic_cast<PlayState*>(engine.pendingState());
    ASSERT_NE(game, nullptr);
    EXPECT_FALSE(game->backgroundMode);
    EXPECT_EQ(engine.currentState(), title);
    engine.present();
    EXPECT_EQ(countPixels(0, 40, 640, 440, 0, 0, 0), 640 * 440);

    runFrames(1, FADE_FRAME);
    EXPECT_EQ(engine.currentState(), game);
    EXPECT_EQ(engine.pendingState(), nullptr);
}

// The title's world pauses with the exit box over it.
TEST_F(TitleScreenTest, TheViewHoldsWhileTheExitBoxIsOpen) {
    runFrames(4, SWING_FRAME);
    const float before = title->swing();
    EXPECT_NE(before, 0.0f);
    pushKeyDown(SDLK_ESCAPE, 27);
    runFrames(4, SWING_FRAME);
    EXPECT_EQ(title->swing(), before);
}

// The fixture data holds no levels, so the backdrop's town is refused.
using TitleWithoutLevels = EngineTest;

TEST_F(TitleWithoutLevels, ARefusedLevelFailsTheStartBeforeAnyWorldIsDrawn) {
    engine.changeState(std::make_unique<TitleScreen>());
    const std::string log = captureLog([&] {
        pushKeyDown(SDLK_SPACE, ' ');
        for (int i = 0; i < 30; ++i) engine.frame(0.06f), engine.present();
    });
    EXPECT_TRUE(engine.hasStateFailedToStart());
    EXPECT_NE(log.find("Level \"town\" refused"), std::string::npos) << log;
    EXPECT_EQ(occurrences(log, "Requesting Stop Main Loop"), 1u);
    // Nothing of the title runs on: nothing drawn, no game handed over.
    EXPECT_EQ(countPixels(0, 0, 640, 480, 0, 0, 0), 640 * 480);
    EXPECT_EQ(engine.pendingState(), nullptr);
    EXPECT_FALSE(engine.isSpeedRunTimerRunning());
}
