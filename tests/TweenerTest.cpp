#include "motion/Easing.h"
#include "motion/Tweener.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

// Every curve at its ends and on both sides of the middle (values worked out
// from the curves' formulas in double precision), which catches a curve under
// the wrong number or a sign slip in one half of an in-out curve. The
// exponential curves keep their unclamped ends, which the flash relies on.
TEST(Easing, CurvesAsTabled) {
    struct Case {
        uint32_t easing;
        float at0, at03, at07, at1;
    } cases[] = {
        {Linear, 0.0f, 0.3f, 0.7f, 1.0f},
        {QuadIn, 0.0f, 0.09f, 0.49f, 1.0f},
        {QuadOut, 0.0f, 0.51f, 0.91f, 1.0f},
        {QuadInOut, 0.0f, 0.18f, 0.82f, 1.0f},
        {CubicIn, 0.0f, 0.027f, 0.343f, 1.0f},
        {CubicOut, 0.0f, 0.657f, 0.973f, 1.0f},
        {CubicInOut, 0.0f, 0.108f, 0.892f, 1.0f},
        {QuartIn, 0.0f, 0.0081f, 0.2401f, 1.0f},
        {QuartOut, 0.0f, 0.7599f, 0.9919f, 1.0f},
        {QuartInOut, 0.0f, 0.0648f, 0.9352f, 1.0f},
        {QuintIn, 0.0f, 0.00243f, 0.16807f, 1.0f},
        {QuintOut, 0.0f, 0.83193f, 0.99757f, 1.0f},
        {QuintInOut, 0.0f, 0.03888f, 0.96112f, 1.0f},
        {SineIn, 0.0f, 0.1089935f, 0.5460095f, 1.0f},
        {SineOut, 0.0f, 0.4539905f, 0.8910065f, 1.0f},
        {SineInOut, 0.0f, 0.2061074f, 0.7938926f, 1.0f},
        {ExpoIn, 0.0009765625f, 0.0078125f, 0.125f, 1.0f},
        {ExpoOut, 0.0f, 0.875f, 0.9921875f, 0.9990234375f},
        {ExpoInOut, 0.00048828125f, 0.03125f, 0.96875f, 0.99951171875f},
        {CircIn, 0.0f, 0.0460608f, 0.2858572f, 1.0f},
        {CircOut, 0.0f, 0.7141428f, 0.9539392f, 1.0f},
        {CircInOut, 0.0f, 0.1f, 0.9f, 1.0f},
        {22, 0.0f, 0.3f, 0.7f, 1.0f},
        {1000, 0.0f, 0.3f, 0.7f, 1.0f},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ease(c.easing, 0.0f), c.at0, 1e-6f) << c.easing;
        EXPECT_NEAR(ease(c.easing, 0.3f), c.at03, 2e-6f) << c.easing;
        EXPECT_NEAR(ease(c.easing, 0.7f), c.at07, 2e-6f) << c.easing;
        EXPECT_NEAR(ease(c.easing, 1.0f), c.at1, 1e-6f) << c.easing;
    }
    EXPECT_EQ(ease(ExpoOut, 1.0f), static_cast<float>(1.0 - std::pow(2.0, -10.0)));
}

TEST(Tweener, RestartFromTheCurrentValueNeverFinishesTheOldTween) {
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
}

TEST(Tweener, LinearWalkEndsExactlyOnTheGoalInTheLastUpdate) {
    Tweener tweener;
    Vec2 position(10.0f, 20.0f);
    const Vec2 goal(16.5f, 21.5f);
    tweener.animate(&position, goal, Linear, 1.8);
    int frames = 0;
    float lastX = position.x;
    while (tweener.isAnimating(&position) && frames < 200) {
        tweener.update(0.025f);
        ++frames;
        EXPECT_GE(position.x, lastX);
        lastX = position.x;
    }
    EXPECT_EQ(frames, 72);
    EXPECT_EQ(position, goal);
}

TEST(Tweener, IntTweenTruncatesTowardZero) {
    Tweener tweener;
    int32_t value = 0;
    tweener.animate(&value, -10, Linear, 1.0);
    std::set<int32_t> seen;
    for (int i = 0; i < 100 && tweener.isAnimating(&value); ++i) {
        tweener.update(0.01f);
        seen.insert(value);
    }
    EXPECT_EQ(value, -10);
    for (int v = -10; v <= 0; ++v) EXPECT_TRUE(seen.count(v)) << v;
    EXPECT_EQ(seen.size(), 11u);
}

TEST(Tweener, ExplicitStartJumpsAndChannelsKeepTargetsApart) {
    Tweener tweener;
    float f = 7.0f;
    double d = 0.0;
    tweener.animate(&f, 1.0f, 0.0f, ExpoOut, 2.0);
    tweener.animate(&d, 4.0, Linear, 1.0);
    tweener.update(0.0f);
    EXPECT_FLOAT_EQ(f, 1.0f);
    tweener.update(1.0f);
    EXPECT_FALSE(tweener.isAnimating(&d));
    EXPECT_TRUE(tweener.isAnimating(&f));
    tweener.update(1.0f);
    EXPECT_FALSE(tweener.isAnimating(&f));
    EXPECT_FLOAT_EQ(f, static_cast<float>(std::pow(2.0, -10.0)));
}
