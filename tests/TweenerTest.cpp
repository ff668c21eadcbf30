#include "motion/Easing.h"
#include "motion/Tweener.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

// Curve ends and a midpoint, and the exponential curves' unclamped ends,
// which the flash and the title's drift rely on.
TEST(Easing, CurvesMeetTheirEnds) {
    for (uint32_t e = 0; e <= 21; ++e) {
        if (e == ExpoIn || e == ExpoOut || e == ExpoInOut) continue;
        EXPECT_NEAR(ease(e, 0.0f), 0.0f, 1e-6f) << e;
        EXPECT_NEAR(ease(e, 1.0f), 1.0f, 1e-6f) << e;
    }
    EXPECT_FLOAT_EQ(ease(ExpoOut, 1.0f), static_cast<float>(1.0 - std::pow(2.0, -10.0)));
    EXPECT_FLOAT_EQ(ease(ExpoIn, 0.0f), static_cast<float>(std::pow(2.0, -10.0)));
    EXPECT_FLOAT_EQ(ease(QuadOut, 0.5f), 0.75f);
    EXPECT_FLOAT_EQ(ease(CubicInOut, 0.25f), 0.0625f);
    EXPECT_FLOAT_EQ(ease(QuartInOut, 0.75f), 1.0f - 0.5f * 0.0625f);
    EXPECT_FLOAT_EQ(ease(SineOut, 0.5f), static_cast<float>(std::sin(0.25 * 3.141592653589793)));
    EXPECT_FLOAT_EQ(ease(22, 0.3f), 0.3f);
    EXPECT_FLOAT_EQ(ease(1000, 0.7f), 0.7f);
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
