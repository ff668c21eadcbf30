#include "LevelTestFixture.h"

// The four map images: one pixel per cell, read into column-major grids.

using LevelMap = LevelFixture;

// An undeclared wall colour is not a refusal: level files may rely on it
// leaving the cell open, but the slip is named in the log. Only opaque black
// is free in collision.
TEST_F(LevelMap, PixelColumnAndRowBecomeGridXAndYAndOnlyDeclaredColoursCount) {
    xml = {.startX = "1.5", .startY = "1.5", .width = "6", .height = "4"};
    writeSoundMaps(6, 4);
    writeMap("walls.png", GREY, COLOR_EMPTY, {{3, 1, GREY}, {2, 1, 0xFF808081u}}, 6, 4);
    writeMap("collision.png", GREY, COLOR_EMPTY, {{1, 2, 0x00000000u}, {3, 2, 0xFF010000u}}, 6, 4);
    const auto level = load();
    ASSERT_NE(level, nullptr) << log;
    EXPECT_EQ(level->wallGrid.width(), 6u);
    EXPECT_EQ(level->wallGrid.height(), 4u);
    EXPECT_EQ(level->wallGrid[3][1], 1);
    EXPECT_EQ(level->wallGrid[1][3], 1);  // bottom border
    EXPECT_EQ(level->wallGrid[2][1], 0);
    EXPECT_EQ(level->wallGrid[3][2], 0);
    EXPECT_NE(log.find("data/levels/test/walls.png: pixel (2, 1) has colour #FF808081, which no wall"),
              std::string::npos) << log;
    EXPECT_TRUE(level->collisionGrid[1][2]);  // transparent black
    EXPECT_TRUE(level->collisionGrid[3][2]);  // nearly black
    EXPECT_FALSE(level->collisionGrid[2][2]);
    EXPECT_TRUE(level->collisionGrid[0][0]);
}

TEST_F(LevelMap, BlackIsOpenInWallsButADeclaredBlackPaintsFloors) {
    xml.flags = R"(hasFloor="true" hasCeiling="true")";
    xml.walls = R"(<wall color="#ff808080" image="stone.png"/><wall color="#ff000000" image="tall.png"/>)";
    writeMap("floor.png", GREY, COLOR_EMPTY);
    const auto level = load();
    ASSERT_NE(level, nullptr) << log;
    EXPECT_EQ(level->wallGrid[2][2], 0);
    EXPECT_EQ(level->floorGrid[2][2], 2);
    EXPECT_EQ(level->floorGrid[0][2], 1);
    EXPECT_EQ(level->ceilingGrid[2][2], 1);
}

TEST_F(LevelMap, FlagsOtherThanExactTrueLeaveTheLayerOffAndItsImageUnopened) {
    xml.flags = R"(hasFloor="TRUE" hasCeiling="1")";
    writeText(levelPath("floor.png"), "not an image");
    std::filesystem::remove(levelPath("ceiling.png"));
    const auto level = load();
    ASSERT_NE(level, nullptr) << log;
    EXPECT_FALSE(level->hasFloor || level->hasCeiling);
    EXPECT_TRUE(level->floorGrid.empty());
    EXPECT_TRUE(level->ceilingGrid.empty());
}
