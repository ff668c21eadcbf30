// Wall slices, floor and ceiling of single screen columns, pixel for pixel.
// Most scenes look down a corridor one cell wide along -x, so the middle
// column of a 4-pixel-wide screen casts its ray exactly along the corridor.

#include "RaycasterTestLevel.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

using namespace testlevel;

namespace {

constexpr int W = 4;
constexpr int H = 480;
constexpr int MIDDLE = W / 2;

// The slice height the raycaster computes for a wall face `distance` away.
int sliceHeight(float distance) { return static_cast<int>(H / static_cast<double>(distance)); }

// Draws `level` from `at` looking along `direction`, with the entry state's plane turned alike.
std::unique_ptr<Scene> castFrom(const Level& level, Vec2 at, Vec2 direction = {-1.0f, 0.0f}, bool shading = true,
                                int w = W, int h = H) {
    auto scene = std::make_unique<Scene>(w, h);
    scene->raycaster.useSideShading = shading;
    scene->position = at;
    scene->direction = direction;
    scene->plane = {0.66f * direction.y, -0.66f * direction.x};
    scene->cast(level);
    return scene;
}

}  // namespace

TEST(RaycasterWall, OneStoreyWallFloorAndMirroredCeilingCoverTheColumnWithoutGapOrOverlap) {
    auto corridor = room(1002, 3);
    // 1000.5: L = 0, the wall covers rows 239 and 240; 1.4: the wall covers the whole column.
    for (float x0 : {1000.5f, 1.4f, 2.1f, 2.5f, 3.3f, 4.0f, 5.5f, 7.25f, 20.1f, 38.7f}) {
        const auto scene = castFrom(*corridor, {x0, 1.5f});
        const int L = sliceHeight(x0 - 1.0f);
        const int top = H / 2 - L / 2 - 1, bottom = H / 2 + L / 2;
        for (int y = 0; y < H; ++y) {
            const uint32_t expected = y < top ? CEILING : (y <= bottom ? WALL : FLOOR);
            ASSERT_EQ(scene->at(MIDDLE, y), expected) << "camera at " << x0 << ", row " << y;
        }
    }
}

TEST(RaycasterWall, TwoStoreyWallStandsOnTheSameFootRowAboutTwiceAsTall) {
    auto corridor = room(10, 3, true, false);
    corridor->walls[0] = Wall{2, makeImage(2, [](int, int y) { return y < 64 ? OTHER : WALL; })};
    const auto scene = castFrom(*corridor, {5.5f, 1.5f});
    const int L = sliceHeight(4.5f), foot = H / 2 + L / 2, top = H / 2 - L / 2 - 1 - L;  // one slice higher
    EXPECT_EQ(scene->at(MIDDLE, top - 1), BACKGROUND);
    EXPECT_EQ(scene->at(MIDDLE, foot + 1), FLOOR);
    for (int y = top; y <= foot; ++y) {
        // The upper storey shows OTHER and the lower WALL, each about one slice tall.
        const uint32_t c = scene->at(MIDDLE, y);
        ASSERT_TRUE(y < top + L - 2 ? c == OTHER : (y > top + L + 2 ? c == WALL : c == OTHER || c == WALL)) << y;
    }
}

// The shaded y-side faces and exact x-side faces show in RaycasterFrame's corridor.
TEST(RaycasterWall, YSideFacesKeepTheirColourWithSideShadingOff) {
    EXPECT_EQ(castFrom(*room(10, 10), {5.5f, 5.5f}, {0.0f, -1.0f}, false)->at(MIDDLE, H / 2), WALL);
}

TEST(RaycasterWall, CyanTexelsShowTheBorderWallWithTheFarPassAndTheBackgroundWithout) {
    auto corridor = room(12, 3);
    corridor->wallGrid[5][1] = addWall(*corridor, solidImage(WALL_TRANSPARENT_COLOR));
    for (bool farPass : {true, false}) {
        Scene scene(W, H);
        scene.raycaster.transparentWall = farPass;
        scene.position = {9.5f, 1.5f};
        scene.cast(*corridor);
        EXPECT_EQ(scene.at(MIDDLE, H / 2), farPass ? WALL : BACKGROUND);
        // Below the far slice and above the near wall's foot nothing is drawn.
        EXPECT_EQ(scene.at(MIDDLE, 300), BACKGROUND);
    }
}

TEST(RaycasterWall, RayExactlyBetweenTwoCellsStepsAlongYFirst) {
    auto level = room(6, 6);
    level->wallGrid[2][3] = addWall(*level, solidImage(OTHER));
    level->wallGrid[3][2] = 1;
    EXPECT_EQ(castFrom(*level, {2.5f, 2.5f}, {1.0f, 1.0f}, false)->at(MIDDLE, H / 2), OTHER);
}

TEST(RaycasterWall, WallTextureSpreadsOverTheUnclippedSliceOfANearWall) {
    auto corridor = room(10, 3, false, false);
    // 64 bands of one texel row each, coloured by their row number.
    corridor->walls[0] = Wall{1, makeImage(1, [](int, int y) { return 0xFF000000u | static_cast<uint32_t>(y); })};
    const auto scene = castFrom(*corridor, {1.75f, 1.5f});  // L = 640 > H: 81 rows above and 79 below are cut
    // The screen's middle shows the middle of the texture, not its top.
    EXPECT_EQ(scene->at(MIDDLE, H / 2) & 0xFFu, 32u);
    EXPECT_EQ(scene->at(MIDDLE, 0) & 0xFFu, static_cast<uint32_t>(64 * 81 / 642));
}

// ---------------------------------------------------------------- bad data

TEST(RaycasterBounds, OpenBorderStopsRaysAtTheGridEdgeAndDrawsNoWall) {
    auto level = room(8, 8);
    level->wallGrid = CellGrid<int32_t>(8, 8);
    const auto scene = castFrom(*level, {4.5f, 4.5f}, {-1.0f, 0.0f}, true, 64, 48);
    EXPECT_EQ(scene->countPixels([](uint32_t c) { return c == WALL || c == SHADED_WALL; }), 0);
    for (int x = 0; x < 64; ++x) ASSERT_TRUE(scene->at(x, 47) == FLOOR && scene->at(x, 0) == CEILING) << x;
}

TEST(RaycasterBounds, CellsNamingNoTextureDrawNothingThere) {
    auto level = room(8, 8);
    for (uint32_t y = 0; y < 8; ++y) level->wallGrid[0][y] = 99;
    level->floorGrid = CellGrid<int32_t>(8, 8);
    const auto scene = castFrom(*level, {6.5f, 4.5f});
    EXPECT_EQ(scene->at(MIDDLE, H / 2), BACKGROUND);  // the wall numbered 99
    EXPECT_EQ(scene->at(MIDDLE, H - 1), BACKGROUND);  // floor cell 0
    EXPECT_EQ(scene->at(MIDDLE, 0), CEILING);
}

TEST(RaycasterBounds, CameraOutsideTheGridDrawsNothing) {
    EXPECT_EQ(castFrom(*room(8, 8), {-3.0f, 20.0f})->countPixels([](uint32_t c) { return c != BACKGROUND; }), 0);
}

TEST(RaycasterBounds, OddScreenHeightAndACameraOnAWallFaceReadOnlyTheTexture) {
    auto level = room(8, 8);
    for (float x0 : {1.0f, 1.0000001f, 1.001f}) {
        const auto scene = castFrom(*level, {x0, 4.5f}, {-1.0f, 0.0f}, true, 33, 481);
        EXPECT_EQ(scene->countPixels([](uint32_t c) {
            return c != WALL && c != SHADED_WALL && c != FLOOR && c != CEILING && c != BACKGROUND;
        }), 0) << "camera at " << x0;
    }
}

// A wall taller than its image and a sprite shorter than 64 rows would read
// past their texels: they are skipped, and named in the log once, not every frame.
TEST(RaycasterBounds, ImagesSmallerThanWhatTheyDrawAreSkippedAndNamedOnce) {
    auto level = room(8, 8);
    level->walls[0].height = 2;
    Image halfSprite = makeImage(1, [](int, int) { return OTHER; });
    halfSprite->height = 32;
    addSprite(*level, {2.5f, 4.5f}, halfSprite);
    const std::string log = captureLog([&] {
        const auto scene = castFrom(*level, {6.5f, 4.5f}, {-1.0f, 0.0f}, true, 64, 48);
        EXPECT_EQ(scene->countPixels([](uint32_t c) { return c == WALL || c == SHADED_WALL || c == OTHER; }), 0);
        scene->cast(*level);
    });
    EXPECT_EQ(occurrences(log, "wall 1: its image is 64x64 texels but the wall is 2 storeys"), 1u) << log;
    EXPECT_EQ(occurrences(log, "sprite definition 1: its image is 64x32 texels"), 1u) << log;
}
