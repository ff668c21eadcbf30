#include "render/Camera.h"

#include "world/Level.h"

#include <gtest/gtest.h>

#define EXPECT_VEC_NEAR(actual, expected, tolerance)             \
    do {                                                         \
        EXPECT_NEAR((actual).x, (expected).x, tolerance) << #actual; \
        EXPECT_NEAR((actual).y, (expected).y, tolerance) << #actual; \
    } while (0)

TEST(Camera, EnteringALevelStandsAtItsStartTurnedByItsRotationFromMinusX) {
    Level level;
    level.start = Vec2(12.5f, 3.0f);
    Vec2 position, direction, plane;
    placeCameraAtStart(level, position, direction, plane);
    EXPECT_EQ(position, Vec2(12.5f, 3.0f));
    EXPECT_EQ(direction, Vec2(-1.0f, 0.0f));
    EXPECT_EQ(plane, Vec2(0.0f, 0.66f));

    level.rotation = 90.0f;
    placeCameraAtStart(level, position, direction, plane);
    EXPECT_VEC_NEAR(direction, Vec2(0.0f, -1.0f), 1e-6f);
    EXPECT_VEC_NEAR(plane, Vec2(-0.66f, 0.0f), 1e-6f);
    EXPECT_VEC_NEAR(direction - plane, Vec2(0.66f, -1.0f), 1e-6f);  // column 0 looks along direction - plane
}

// A turn and its reverse are the title's swing there and back.
TEST(Camera, LongTurningStaysSound) {
    Vec2 direction(-1.0f, 0.0f), plane(0.0f, 0.66f);
    // About ten seconds of turning at 105 degrees a second and 40 frames.
    for (int frame = 0; frame < 400; ++frame) rotateView(direction, plane, 105.0 / 40.0);
    EXPECT_NEAR(length(direction), 1.0f, 1e-4f);
    EXPECT_NEAR(length(plane), 0.66f, 1e-4f);
    EXPECT_NEAR(dot(direction, plane), 0.0f, 1e-4f);
}
