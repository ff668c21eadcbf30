#include "render/Vec2.h"

#include <gtest/gtest.h>

TEST(Vec2, AnglesConvertBothWays) {
    EXPECT_DOUBLE_EQ(degreesToRadians(180.0), PI);
    EXPECT_DOUBLE_EQ(radiansToDegrees(degreesToRadians(37.5)), 37.5);
}

TEST(Vec2, NormalizeGivesUnitLengthAndDotMeasuresAlignment) {
    Vec2 v(3.0f, 4.0f);
    normalize(v);
    EXPECT_FLOAT_EQ(length(v), 1.0f);
    EXPECT_FLOAT_EQ(dot(v, Vec2(0.6f, 0.8f)), 1.0f);
    EXPECT_EQ(Vec2(1, 2) + Vec2(3, 4) - Vec2(1, 1), Vec2(3, 5));
}
