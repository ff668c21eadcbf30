// Wall slices, floor and ceiling of single screen columns, pixel for pixel.
// Most scenes look down a corridor one cell wide along -x, so the middle
// column of a 4-pixel-wide screen casts its ray exactly along the corridor.

#include "RaycasterTestLevel.h"

#include <gtest/gtest.h>

using namespace testlevel;

namespace {

constexpr int W = 4;
constexpr int H = 480;
constexpr int MIDDLE = W / 2;

// A corridor of the given length along x at y = 1, walled at x = 0.
std::unique_ptr<Level> corridor(uint32_t length, bool floor = true, bool ceiling = true) {
    return room(length, 3, floor, ceiling);
}

// The slice height the raycaster computes for a wall face `distance` away.
int sliceHeight(float distance) { return static_cast<int>(H / static_cast<double>(distance)); }

}  // namespace

TEST(RaycasterWall, DistantWallCoversTheTwoMiddleRowsWithFloorBelowAndCeilingMirroredAbove) {
    auto level = corridor(1002);
    Scene scene(W, H);
    scene.position = {1000.5f, 1.5f};  // 999.5 cells from the face: L = 0
    scene.cast(*level);

    for (int y = 0; y < H; ++y) {
        const uint32_t expected = y <= 238 ? CEILING : (y <= 240 ? WALL : FLOOR);
        ASSERT_EQ(scene.at(MIDDLE, y), expected) << "row " << y;
    }
}

TEST(RaycasterWall, OneStoreyWallFloorAndCeilingCoverTheColumnWithoutGapOrOverlap) {
    for (float x0 : {2.1f, 2.5f, 3.3f, 4.0f, 5.5f, 7.25f, 20.1f, 38.7f}) {
        auto level = corridor(40);
        Scene scene(W, H);
        scene.position = {x0, 1.5f};
        scene.cast(*level);

        const int L = sliceHeight(x0 - 1.0f);
        const int top = H / 2 - L / 2 - 1;
        const int bottom = H / 2 + L / 2;
        for (int y = 0; y < H; ++y) {
            const uint32_t expected = y < top ? CEILING : (y <= bottom ? WALL : FLOOR);
            ASSERT_EQ(scene.at(MIDDLE, y), expected) << "camera at " << x0 << ", row " << y;
        }
    }
}

TEST(RaycasterWall, WallReachingTheBottomRowLeavesNoFloorOrCeiling) {
    auto level = corridor(10);
    Scene scene(W, H);
    scene.position = {1.4f, 1.5f};
    scene.cast(*level);

    for (int y = 0; y < H; ++y) ASSERT_EQ(scene.at(MIDDLE, y), WALL) << "row " << y;
}

TEST(RaycasterWall, TwoStoreyWallStandsOnTheSameFootRowAboutTwiceAsTall) {
    auto level = corridor(10, true, false);
    // Upper storey OTHER, lower storey WALL.
    level->walls[0] = Wall{2, makeImage(2, [](int, int y) { return y < 64 ? OTHER : WALL; })};
    Scene scene(W, H);
    scene.position = {5.5f, 1.5f};
    scene.cast(*level);

    const int L = sliceHeight(4.5f);
    int firstWallRow = -1, lastWallRow = -1, upper = 0, lower = 0;
    for (int y = 0; y < H; ++y) {
        const uint32_t c = scene.at(MIDDLE, y);
        if (c != OTHER && c != WALL) continue;
        if (firstWallRow < 0) firstWallRow = y;
        lastWallRow = y;
        (c == OTHER ? upper : lower) += 1;
    }
    EXPECT_EQ(lastWallRow, H / 2 + L / 2);              // the one-storey foot row
    EXPECT_EQ(firstWallRow, H / 2 - L / 2 - 1 - L);     // one slice higher
    EXPECT_EQ(upper + lower, lastWallRow - firstWallRow + 1);
    EXPECT_NEAR(upper, L, 2);
    EXPECT_NEAR(lower, L, 2);
    EXPECT_EQ(scene.at(MIDDLE, firstWallRow - 1), BACKGROUND);
    EXPECT_EQ(scene.at(MIDDLE, lastWallRow + 1), FLOOR);
}

TEST(RaycasterWall, YSideFacesAreHalfBrightWithClearAlphaAndXSideFacesExact) {
    auto level = room(10, 10);
    Scene xSide(W, H);
    xSide.position = {5.5f, 5.5f};
    xSide.cast(*level);
    EXPECT_EQ(xSide.at(MIDDLE, H / 2), WALL);

    Scene ySide(W, H);
    ySide.position = {5.5f, 5.5f};
    ySide.direction = {0.0f, -1.0f};
    ySide.plane = {-0.66f, 0.0f};
    ySide.cast(*level);
    EXPECT_EQ(ySide.at(MIDDLE, H / 2), 0x00402010u);

    Scene unshaded(W, H);
    unshaded.raycaster.useSideShading = false;
    unshaded.position = {5.5f, 5.5f};
    unshaded.direction = {0.0f, -1.0f};
    unshaded.plane = {-0.66f, 0.0f};
    unshaded.cast(*level);
    EXPECT_EQ(unshaded.at(MIDDLE, H / 2), WALL);
}

// A fully cyan wall at x = 5 between the camera and the corridor's end.
class RaycasterSeeThroughWall : public ::testing::Test {
protected:
    void SetUp() override {
        level = corridor(12);
        level->wallGrid[5][1] = addWall(*level, solidImage(WALL_TRANSPARENT_COLOR));
        scene.position = {9.5f, 1.5f};
    }
    std::unique_ptr<Level> level;
    Scene scene{W, H};
};

TEST_F(RaycasterSeeThroughWall, CyanTexelsShowTheBorderWallBehind) {
    scene.raycaster.transparentWall = true;
    scene.cast(*level);
    EXPECT_EQ(scene.at(MIDDLE, H / 2), WALL);
    // Below the far slice and above the near wall's foot nothing is drawn.
    EXPECT_EQ(scene.at(MIDDLE, 300), BACKGROUND);
}

TEST_F(RaycasterSeeThroughWall, CyanTexelsShowTheBackgroundWithoutTheFarPass) {
    scene.raycaster.transparentWall = false;
    scene.cast(*level);
    EXPECT_EQ(scene.at(MIDDLE, H / 2), BACKGROUND);
}

TEST(RaycasterWall, RayExactlyBetweenTwoCellsStepsAlongYFirst) {
    auto level = room(6, 6);
    level->wallGrid[2][3] = addWall(*level, solidImage(OTHER));
    level->wallGrid[3][2] = 1;
    Scene scene(W, H);
    scene.raycaster.useSideShading = false;
    scene.position = {2.5f, 2.5f};
    scene.direction = {1.0f, 1.0f};
    scene.plane = {0.66f, -0.66f};
    scene.cast(*level);
    EXPECT_EQ(scene.at(MIDDLE, H / 2), OTHER);
}

TEST(RaycasterWall, WallTextureSpreadsOverTheUnclippedSliceOfANearWall) {
    auto level = corridor(10, false, false);
    // 64 bands of one texel row each, coloured by their row number.
    level->walls[0] = Wall{1, makeImage(1, [](int, int y) { return 0xFF000000u | static_cast<uint32_t>(y); })};
    Scene scene(W, H);
    scene.position = {1.75f, 1.5f};  // L = 640 > H: 81 rows above and 79 below are cut
    scene.cast(*level);
    // The screen's middle shows the middle of the texture, not its top.
    EXPECT_EQ(scene.at(MIDDLE, H / 2) & 0xFFu, 32u);
    EXPECT_EQ(scene.at(MIDDLE, 0) & 0xFFu, static_cast<uint32_t>(64 * 81 / 642));
}

// ---------------------------------------------------------------- bad data

TEST(RaycasterBounds, OpenBorderStopsRaysAtTheGridEdgeAndDrawsNoWall) {
    auto level = room(8, 8);
    for (uint32_t x = 0; x < 8; ++x)
        for (uint32_t y = 0; y < 8; ++y) level->wallGrid[x][y] = 0;
    Scene scene(64, 48);
    scene.position = {4.5f, 4.5f};
    scene.cast(*level);
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 48; ++y) ASSERT_NE(scene.at(x, y), WALL);
        ASSERT_EQ(scene.at(x, 47), FLOOR);
        ASSERT_EQ(scene.at(x, 0), CEILING);
    }
}

TEST(RaycasterBounds, CellsNamingNoTextureDrawNothingThere) {
    auto level = room(8, 8);
    for (uint32_t y = 0; y < 8; ++y) level->wallGrid[0][y] = 99;
    for (uint32_t x = 0; x < 8; ++x)
        for (uint32_t y = 0; y < 8; ++y) level->floorGrid[x][y] = 0;
    Scene scene(W, H);
    scene.position = {6.5f, 4.5f};
    scene.cast(*level);
    EXPECT_EQ(scene.at(MIDDLE, H / 2), BACKGROUND);  // the wall numbered 99
    EXPECT_EQ(scene.at(MIDDLE, H - 1), BACKGROUND);  // floor cell 0
    EXPECT_EQ(scene.at(MIDDLE, 0), CEILING);
}

TEST(RaycasterBounds, CameraOutsideTheGridDrawsNothing) {
    auto level = room(8, 8);
    Scene scene(W, H);
    scene.position = {-3.0f, 20.0f};
    scene.cast(*level);
    for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y) ASSERT_EQ(scene.at(x, y), BACKGROUND);
}

TEST(RaycasterBounds, OddScreenHeightAndACameraOnAWallFaceReadOnlyTheTexture) {
    auto level = room(8, 8);
    for (float x0 : {1.0f, 1.0000001f, 1.001f}) {
        Scene scene(33, 481);
        scene.position = {x0, 4.5f};
        scene.cast(*level);
        for (int x = 0; x < 33; ++x)
            for (int y = 0; y < 481; ++y) {
                const uint32_t c = scene.at(x, y);
                ASSERT_TRUE(c == WALL || c == 0x00402010u || c == FLOOR || c == CEILING || c == BACKGROUND)
                    << std::hex << c << " at " << x << "," << y;
            }
    }
}
