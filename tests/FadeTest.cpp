#include "engine/Engine.h"
#include "media/Fade.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class Fading : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
    }
    void TearDown() override { Engine::instance().shutdown(); }

    // Runs 25 ms frames until the fade stops; returns how many level steps it took.
    static int stepsUntilDone(Fade& fade) {
        int steps = 0;
        for (int frame = 0; frame < 1000 && fade.isFading(); ++frame) {
            const int before = fade.getLevel();
            fade.update(0.025f);
            steps += fade.getLevel() != before;
        }
        return steps;
    }
};

}  // namespace

TEST_F(Fading, FromBlackClearsInThirteenStepsThenStops) {
    Fade fade;
    fade.setBlack();
    fade.fadeFromBlack();
    EXPECT_EQ(stepsUntilDone(fade), 13);
    EXPECT_EQ(fade.getLevel(), 0);
    EXPECT_FALSE(fade.isFading());
}

TEST_F(Fading, ToBlackReachesFullDarknessInThirteenSteps) {
    Fade fade;
    fade.fadeToBlack();
    EXPECT_EQ(stepsUntilDone(fade), 13);
    EXPECT_TRUE(fade.isBlack());
}

TEST_F(Fading, LongFrameStepsOnceAndCarriesTheRestOver) {
    Fade fade;
    fade.fadeToBlack();
    fade.update(0.25f);
    EXPECT_EQ(fade.getLevel(), 24);
    fade.update(0.0f);
    EXPECT_EQ(fade.getLevel(), 48);
}

TEST_F(Fading, FadeToBlackMidwayReversesFromTheCurrentLevel) {
    Fade fade;
    fade.setBlack();
    fade.fadeFromBlack();
    for (int i = 0; i < 12; ++i) fade.update(0.025f);
    const int reached = fade.getLevel();
    ASSERT_LT(reached, Fade::MaxLevel);
    ASSERT_GT(reached, 0);
    fade.fadeToBlack();
    for (int i = 0; i < 3; ++i) fade.update(0.025f);
    EXPECT_GT(fade.getLevel(), reached);
    EXPECT_TRUE(fade.isFading());
}

TEST_F(Fading, BandsGetLighterDownTheScreen) {
    Fade fade;
    fade.setLevel(100);
    const int expected[8] = {100, 92, 84, 76, 68, 60, 52, 44};
    for (int band = 0; band < 8; ++band) EXPECT_EQ(fade.bandAlpha(band), expected[band]) << band;
    fade.setBlack();
    for (int band = 0; band < 8; ++band) EXPECT_EQ(fade.bandAlpha(band), 255) << band;
}

TEST_F(Fading, DrawDarkensEachBandByItsAlpha) {
    SDL_Surface* screen = Engine::instance().screen();
    auto blueAt = [screen](int y) {
        return static_cast<uint32_t*>(screen->pixels)[y * (screen->pitch / 4) + 5] & 0xFF;
    };
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    Fade fade;
    fade.setLevel(100);
    fade.draw();
    // White under black at alpha a keeps about 255 - a.
    EXPECT_NEAR(static_cast<int>(blueAt(40)), 255 - 100, 2);
    EXPECT_NEAR(static_cast<int>(blueAt(5 * 80 + 40)), 255 - 60, 2);
}

TEST_F(Fading, MissingImageDrawsNothing) {
    std::filesystem::remove("data/images/black_layers.png");
    SDL_Surface* screen = Engine::instance().screen();
    SDL_FillRect(screen, nullptr, 0xFFFFFFFF);
    Fade fade;
    fade.setBlack();
    fade.draw();
    EXPECT_EQ(static_cast<uint32_t*>(screen->pixels)[0] & 0xFFFFFF, 0xFFFFFFu);
}
