#include "engine/Engine.h"
#include "support/Events.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

TEST(TimerText, ShowsAtMostThreeDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(Engine::formatTimerSeconds(83.25f), "83.25");
    EXPECT_EQ(Engine::formatTimerSeconds(1234.5678f), "1234.568");
    EXPECT_EQ(Engine::formatTimerSeconds(100.0f), "100");
    EXPECT_EQ(Engine::formatTimerSeconds(0.25f), "0.25");
    EXPECT_EQ(Engine::formatTimerSeconds(65.4321f), "65.432");
    EXPECT_EQ(Engine::formatTimerSeconds(12.5f), "12.5");
}

TEST(TimerText, ZeroSecondsShowsZero) {
    EXPECT_EQ(Engine::formatTimerSeconds(0.0f), "0");
}

namespace {

class SpeedRunTimer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
        Engine::instance().enableSpeedRunTimer();
    }
    void TearDown() override { Engine::instance().shutdown(); }
};

}  // namespace

TEST_F(SpeedRunTimer, EnabledTimerShowsItsBannerBeforeItStarts) {
    Engine& engine = Engine::instance();
    ASSERT_NE(engine.timerSurface(), nullptr);
    engine.frame(0.025f);
    EXPECT_EQ(engine.timerLabel(), "Speed Run Timer Enabled");
    EXPECT_FLOAT_EQ(engine.speedRunSeconds(), 0.0f);
}

TEST_F(SpeedRunTimer, CountsWhileRunningAndFreezesAfterStop) {
    Engine& engine = Engine::instance();
    engine.startSpeedRunTimer();
    engine.frame(0.025f);
    EXPECT_EQ(engine.timerLabel(), "0.025");
    engine.frame(0.025f);
    EXPECT_EQ(engine.timerLabel(), "0.05");
    EXPECT_NE(engine.timerSurface(), nullptr);

    engine.stopSpeedRunTimer();
    SDL_Surface* last = engine.timerSurface();
    engine.frame(0.025f);
    engine.frame(0.25f);
    EXPECT_EQ(engine.timerSurface(), last);
    EXPECT_EQ(engine.timerLabel(), "0.05");
}

TEST_F(SpeedRunTimer, KeepsCountingWhileTheExitBoxIsOpen) {
    Engine& engine = Engine::instance();
    engine.startSpeedRunTimer();
    pushKeyDown(SDLK_ESCAPE, 27);
    engine.frame(0.1f);
    engine.frame(0.1f);
    ASSERT_TRUE(engine.isExitBoxOpen());
    EXPECT_FLOAT_EQ(engine.speedRunSeconds(), 0.2f);
}

TEST_F(SpeedRunTimer, StartingAgainCountsFromZero) {
    Engine& engine = Engine::instance();
    engine.startSpeedRunTimer();
    engine.frame(0.2f);
    engine.startSpeedRunTimer();
    engine.frame(0.025f);
    EXPECT_FLOAT_EQ(engine.speedRunSeconds(), 0.025f);
}
