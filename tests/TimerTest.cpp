#include "engine/Engine.h"
#include "support/Events.h"
#include "media/Image.h"
#include "media/Text.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

TEST(TimerText, ShowsAtMostThreeDecimalsWithoutTrailingZeros) {
    const struct { float seconds; const char* shown; } cases[] = {{83.25f, "83.25"}, {1234.5678f, "1234.568"}, {100.0f, "100"}, {0.25f, "0.25"},
                 {65.4321f, "65.432"}, {12.5f, "12.5"}, {0.0f, "0"}};
    for (const auto& c : cases) EXPECT_EQ(Engine::formatTimerSeconds(c.seconds), c.shown) << c.seconds;
}

using SpeedRunTimer = EngineTest;

TEST_F(SpeedRunTimer, ShowsItsBannerThenCountsThroughTheExitBoxFreezesAfterStopAndRestartsFromZero) {
    engine.enableSpeedRunTimer();
    engine.frame(0.025f);
    ASSERT_NE(engine.timerSurface(), nullptr);
    EXPECT_EQ(engine.timerLabel(), "Speed Run Timer Enabled");
    EXPECT_FLOAT_EQ(engine.speedRunSeconds(), 0.0f);

    engine.startSpeedRunTimer();
    pushKeyDown(SDLK_ESCAPE, 27);
    engine.frame(0.025f);
    EXPECT_EQ(engine.timerLabel(), "0.025");
    engine.frame(0.025f);
    ASSERT_TRUE(engine.isExitBoxOpen());
    EXPECT_EQ(engine.timerLabel(), "0.05");

    engine.stopSpeedRunTimer();
    SDL_Surface* last = engine.timerSurface();
    engine.frame(0.025f);
    engine.frame(0.25f);
    EXPECT_EQ(engine.timerSurface(), last);
    EXPECT_EQ(engine.timerLabel(), "0.05");

    engine.startSpeedRunTimer();
    engine.frame(0.025f);
    EXPECT_EQ(engine.timerLabel(), "0.025");
}

// White time alone would vanish over bright ceilings: the drawn text has a
// one-pixel dark edge all round.
TEST_F(SpeedRunTimer, WhiteTextHasAOnePixelDarkEdge) {
    engine.enableSpeedRunTimer();
    engine.frame(0.25f);
    TTF_Font* font = openFont(FONT_PATH, 16);
    SDL_Surface* plain = renderText(font, engine.timerLabel().c_str(), 0xFFFFFF);
    SDL_Surface* drawn = engine.timerSurface();
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(std::pair(drawn->w, drawn->h), std::pair(plain->w + 2, plain->h + 2));
    const uint32_t key = drawn->format->colorkey & 0xFFFFFF;
    int dark = 0;
    for (int y = 0; y < drawn->h; ++y)
        for (int x = 0; x < drawn->w; ++x) dark += rgbAt(drawn, x, y) != key && rgbAt(drawn, x, y) != 0xFFFFFF;
    EXPECT_GT(dark, 0);
    freeSurface(plain);
    closeFont(font);
}
