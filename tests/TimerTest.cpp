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

namespace {

// Whether pixel (x, y) of a solid text rendering is part of a glyph; false
// outside it.
bool isGlyph(SDL_Surface* text, int x, int y) {
    if (x < 0 || y < 0 || x >= text->w || y >= text->h) return false;
    return static_cast<const Uint8*>(text->pixels)[y * text->pitch + x] != text->format->colorkey;
}

}  // namespace

// White time alone would vanish over bright ceilings: every pixel around a
// glyph is the dark edge, and the glyphs are white where the plain text would
// be with its corner at (10, 10).
TEST_F(SpeedRunTimer, WhiteTextHasAOnePixelDarkEdgeAndStaysInPlace) {
    engine.enableSpeedRunTimer();
    engine.startSpeedRunTimer();
    engine.frame(0.25f);
    engine.present();
    TTF_Font* font = openFont(FONT_PATH, 16);
    SDL_Surface* plain = renderText(font, engine.timerLabel().c_str(), 0xFFFFFF);
    SDL_Surface* drawn = engine.timerSurface();
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(drawn, nullptr);
    ASSERT_EQ(drawn->format->BytesPerPixel, 4);
    EXPECT_EQ(drawn->w, plain->w + 2);
    EXPECT_EQ(drawn->h, plain->h + 2);
    // Pixel (x, y) of the drawn text is (x - 1, y - 1) of the plain one.
    const uint32_t key = drawn->format->colorkey & 0xFFFFFF;
    int wrong = 0, glyphs = 0;
    for (int y = 0; y < drawn->h; ++y)
        for (int x = 0; x < drawn->w; ++x) {
            bool nearGlyph = false;
            for (int d = 0; d < 9; ++d) nearGlyph |= isGlyph(plain, x - 2 + d % 3, y - 2 + d / 3);
            const bool glyph = isGlyph(plain, x - 1, y - 1);
            glyphs += glyph;
            wrong += glyph ? rgbAt(drawn, x, y) != 0xFFFFFF || rgbAt(engine.screen(), 9 + x, 9 + y) != 0xFFFFFF
                           : rgbAt(drawn, x, y) != (nearGlyph ? 0u : key);
        }
    EXPECT_GT(glyphs, 0);
    EXPECT_EQ(wrong, 0);
    freeSurface(plain);
    closeFont(font);
}
