#include "motion/Easing.h"
#include "motion/Tweener.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

// The points every curve passes through: it starts at 0 and ends at 1, an in
// curve lags the straight line and an out curve leads it, an in-out curve is
// the in curve mirrored through its middle, and a higher power lags (or
// leads) further, which catches a curve under the wrong number or a sign slip
// in one half. The exponential curves keep their unclamped ends, which the
// flash relies on; the curves the game moves things along are checked by value.
TEST(Easing, CurvesPassTheirNamedPoints) {
    const float expoEnd = static_cast<float>(std::pow(2.0, -10.0));
    for (uint32_t e = Linear; e <= CircInOut + 1; ++e) {
        SCOPED_TRACE(e);
        const bool expo = e >= ExpoIn && e <= ExpoInOut;
        EXPECT_NEAR(ease(e, 0.0f), e == ExpoIn ? expoEnd : e == ExpoInOut ? expoEnd / 2 : 0.0f, 1e-7f);
        EXPECT_NEAR(ease(e, 1.0f), e == ExpoOut ? 1 - expoEnd : e == ExpoInOut ? 1 - expoEnd / 2 : 1.0f, 1e-7f);
        if (e == Linear || e > CircInOut) {
            EXPECT_FLOAT_EQ(ease(e, 0.3f), 0.3f);
            continue;
        }
        const uint32_t in = e - (e - 1) % 3;
        EXPECT_LT(ease(in, 0.3f), 0.3f);
        EXPECT_NEAR(ease(in + 1, 0.3f), 1.0f - ease(in, 0.7f), expo ? 1e-3f : 2e-6f);
        EXPECT_NEAR(ease(in + 2, 0.5f), 0.5f, 1e-6f);
        EXPECT_NEAR(ease(in + 2, 0.3f), ease(in, 0.6f) / 2, expo ? 1e-3f : 2e-6f);
        EXPECT_NEAR(ease(in + 2, 0.7f), 1.0f - ease(in + 2, 0.3f), 2e-6f);
        if (in >= CubicIn && in <= QuintIn) { EXPECT_LT(ease(in, 0.3f), ease(in - 3, 0.3f)); }
    }
    EXPECT_NEAR(ease(QuadOut, 0.3f), 0.51f, 1e-6f);
    EXPECT_NEAR(ease(ExpoOut, 0.3f), 0.875f, 1e-6f);
    EXPECT_EQ(ease(ExpoOut, 1.0f), 1.0f - expoEnd);
}

TEST(Tweener, RestartNeverFinishesTheOldTweenAndChannelsKeepTargetsApart) {
    Tweener tweener;
    double value = 0.0;
    tweener.animate(&value, 10.0, Linear, 1.0);
    tweener.update(0.5f);
    ASSERT_DOUBLE_EQ(value, 5.0);
    tweener.animate(&value, 0.0, Linear, 1.0);
    tweener.update(0.5f);
    EXPECT_DOUBLE_EQ(value, 2.5);
    tweener.update(0.5f);
    EXPECT_DOUBLE_EQ(value, 0.0);
    EXPECT_FALSE(tweener.isAnimating(&value));

    // An explicit start jumps there; a float tween on its own channel runs on.
    float f = 7.0f;
    tweener.animate(&f, 1.0f, 0.0f, ExpoOut, 2.0);
    tweener.animate(&value, 4.0, Linear, 1.0);
    tweener.update(0.0f);
    EXPECT_FLOAT_EQ(f, 1.0f);
    tweener.update(1.0f);
    EXPECT_FALSE(tweener.isAnimating(&value));
    EXPECT_TRUE(tweener.isAnimating(&f));
    tweener.update(1.0f);
    EXPECT_FALSE(tweener.isAnimating(&f));
    EXPECT_FLOAT_EQ(f, static_cast<float>(std::pow(2.0, -10.0)));
}

TEST(Tweener, LinearWalkEndsExactlyOnTheGoalInTheLastUpdate) {
    Tweener tweener;
    Vec2 position(10.0f, 20.0f);
    const Vec2 goal(16.5f, 21.5f);
    tweener.animate(&position, goal, Linear, 1.8);
    int frames = 0;
    for (float lastX = position.x; tweener.isAnimating(&position) && frames < 200; ++frames, lastX = position.x) {
        tweener.update(0.025f);
        EXPECT_GE(position.x, lastX);
    }
    EXPECT_EQ(frames, 72);
    EXPECT_EQ(position, goal);
}

TEST(Tweener, IntTweenTruncatesTowardZero) {
    Tweener tweener;
    int32_t value = 0;
    tweener.animate(&value, -10, Linear, 1.0);
    std::set<int32_t> seen;
    for (int i = 0; i < 100 && tweener.isAnimating(&value); ++i) tweener.update(0.01f), seen.insert(value);
    EXPECT_EQ(value, -10);
    EXPECT_EQ(seen, (std::set<int32_t>{-10, -9, -8, -7, -6, -5, -4, -3, -2, -1, 0}));
}
