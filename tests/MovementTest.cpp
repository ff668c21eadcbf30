#include "motion/Movement.h"
#include "world/Level.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A 10 x 10 room walled round, with one more blocking cell at (5, 5).
void makeRoom(Level& level) {
    level.width = level.height = 10;
    level.collisionGrid = CellGrid<bool>(10, 10);
    for (uint32_t i = 0; i < 10; ++i)
        level.collisionGrid[i][0] = level.collisionGrid[i][9] = level.collisionGrid[0][i] =
            level.collisionGrid[9][i] = true;
    level.collisionGrid[5][5] = true;
}

}  // namespace

TEST(Movement, BlockedWithinTheMarginOfABlockingCell) {
    Level room;
    makeRoom(room);
    struct Case {
        double x, y;
        bool blocked;
    } cases[] = {
        {2.5, 2.5, false}, {4.85, 5.5, false}, {4.89, 5.5, false}, {4.91, 5.5, true},
        {5.5, 6.05, true},  {1.11, 1.11, false}, {1.09, 3.0, true}, {6.11, 6.11, false},
        {-3.0, 2.0, true},  {2.0, 40.0, true},
    };
    for (const Case& c : cases) EXPECT_EQ(isBlocked(room, c.x, c.y), c.blocked) << c.x << "," << c.y;
}

TEST(Movement, DiagonalIntoAWallSlidesAtTheFullOtherComponent) {
    Level room;
    makeRoom(room);
    Vec2 position(8.85f, 3.0f);
    float countdown = 2.5f;
    bool moved = false;
    slideMove(room, position, 0.1, 0.2, countdown, moved);
    EXPECT_TRUE(moved);
    EXPECT_FLOAT_EQ(position.x, 8.85f);
    EXPECT_FLOAT_EQ(position.y, 3.2f);
    EXPECT_FLOAT_EQ(countdown, 2.3f);
    // In the open each axis counts its own distance, so a diagonal steps more often.
    slideMove(room, position, -0.1, 0.2, countdown, moved);
    EXPECT_FLOAT_EQ(countdown, 2.0f);

    // Pressed into a corner, nothing moves and no step is counted.
    Vec2 corner(8.85f, 8.85f);
    moved = false;
    slideMove(room, corner, 0.1, 0.1, countdown, moved);
    EXPECT_FALSE(moved);
    EXPECT_FLOAT_EQ(countdown, 2.0f);
}

TEST(Movement, LongWalksNeverComeWithinTheMargin) {
    Level room;
    makeRoom(room);
    Vec2 position(2.5f, 2.5f);
    // A walk that circles the room into every wall and the pillar.
    for (int i = 0; i < 4000; ++i) {
        const double angle = i * 0.013;
        float countdown = 2.5f;
        bool moved = false;
        slideMove(room, position, std::cos(angle) * 0.08, std::sin(angle * 1.7) * 0.08, countdown, moved);
        ASSERT_GT(position.x, 1.1 - 1e-6);
        ASSERT_LT(position.x, 8.9 + 1e-6);
        ASSERT_GT(position.y, 1.1 - 1e-6);
        ASSERT_LT(position.y, 8.9 + 1e-6);
        const bool nearPillar = position.x > 4.9 && position.x < 6.1 && position.y > 4.9 && position.y < 6.1;
        ASSERT_FALSE(nearPillar) << position.x << "," << position.y;
    }
}
