#include "engine/Engine.h"
#include "media/Fade.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

#include <filesystem>

using Fading = EngineTest;

TEST_F(Fading, EachWayTakesThirteenStepsAt25msFramesThenStops) {
    for (bool toBlack : {false, true}) {
        SCOPED_TRACE(toBlack ? "to black" : "from black");
        Fade fade;
        if (toBlack) fade.fadeToBlack();
        else {
            fade.setBlack();
            fade.fadeFromBlack();
        }
        int steps = 0;
        for (int frame = 0; frame < 1000 && fade.isFading(); ++frame) {
            const int before = fade.getLevel();
            fade.update(0.025f);
            steps += fade.getLevel() != before;
        }
        EXPECT_EQ(steps, 13);
        EXPECT_FALSE(fade.isFading());
        EXPECT_EQ(fade.getLevel(), toBlack ? Fade::MaxLevel : 0);
    }

    // A long frame steps once, carrying the rest; a reversal starts from the
    // current level.
    Fade fade;
    fade.setBlack();
    fade.fadeFromBlack();
    fade.update(0.25f);
    EXPECT_EQ(fade.getLevel(), Fade::MaxLevel - 24);
    fade.update(0.0f);
    EXPECT_EQ(fade.getLevel(), Fade::MaxLevel - 48);
    fade.fadeToBlack();
    fade.update(0.025f);
    EXPECT_EQ(fade.getLevel(), Fade::MaxLevel - 24);
    EXPECT_TRUE(fade.isFading());
}

TEST_F(Fading, BandsGetLighterDownTheScreenAndNoImageDrawsNothing) {
    Fade fade;
    fade.setLevel(100);
    const int expected[8] = {100, 92, 84, 76, 68, 60, 52, 44};
    for (int band = 0; band < 8; ++band) EXPECT_EQ(fade.bandAlpha(band), expected[band]) << band;
    SDL_Surface* screen = engine.screen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    fade.draw();
    // White under black at alpha a keeps about 255 - a.
    EXPECT_NEAR(static_cast<int>(rgbAt(screen, 5, 40) & 0xFF), 255 - 100, 2);
    EXPECT_NEAR(static_cast<int>(rgbAt(screen, 5, 5 * 80 + 40) & 0xFF), 255 - 60, 2);
    fade.setBlack();
    for (int band = 0; band < 8; ++band) EXPECT_EQ(fade.bandAlpha(band), 255) << band;

    // Without its image a fade draws nothing.
    std::filesystem::remove("data/images/black_layers.png");
    SDL_FillRect(screen, nullptr, 0xFFFFFFFF);
    Fade bare;
    bare.setBlack();
    bare.draw();
    EXPECT_EQ(rgbAt(screen, 0, 0), 0xFFFFFFu);
}
