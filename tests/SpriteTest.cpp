// Billboard sprites: transparency, clipping against walls, placement and the
// far-to-near order. The camera looks along +x with a plane of length 1, so a
// sprite straight ahead at distance d has depth exactly d.

#include "RaycasterTestLevel.h"
#include "render/SpritePass.h"
#include "render/DarknessTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

using namespace testlevel;

namespace {

constexpr int W = 64, H = 96;
constexpr uint32_t RED = 0xFFFF0000u, GREEN = 0xFF00FF00u;

bool isRoom(uint32_t c) { return c == WALL || c == SHADED_WALL || c == FLOOR || c == CEILING || c == BACKGROUND; }

class Sprites : public ::testing::Test {
protected:
    Sprites() : level(room(20, 20)) { scene.position = {5.5f, 10.5f}, scene.direction = {1.0f, 0.0f}, scene.plane = {0.0f, -1.0f}; }
    void cast() { scene.frame.fill(BACKGROUND), scene.cast(*level); }
    // The first and last of n places where `shows` holds, or -1 for none.
    template <class Shows>
    static std::pair<int, int> extent(int n, Shows shows) {
        int first = 0, last = n - 1;
        while (first < n && !shows(first)) ++first;
        while (last > first && !shows(last)) --last;
        return first < n ? std::pair(first, last) : std::pair(-1, -1);
    }
    std::pair<int, int> spriteRows(int x) const { return extent(H, [&](int y) { return !isRoom(scene.at(x, y)); }); }
    bool spriteShowsIn(int x) const { return spriteRows(x).first >= 0; }
    std::pair<int, int> spriteColumns() const { return extent(W, [&](int x) { return spriteShowsIn(x); }); }

    std::unique_ptr<Level> level;
    Scene scene{W, H};
};

}  // namespace

TEST_F(Sprites, BlackTexelsOfAnyAlphaAreSeeThroughAndAnyColourIsDrawn) {
    // Left half black, opaque or clear by row; right half a faint red at zero
    // alpha above green, so the texel rows land the right way up.
    addSprite(*level, {7.5f, 10.5f}, makeImage(1, [](int x, int y) -> uint32_t {
        return x < 32 ? (y % 2 ? 0x00000000u : 0xFF000000u) : (y < 32 ? 0x00010000u : GREEN);
    }));
    cast();
    // Size 48 centred on column 32: columns 8..55, rows 24..71; pixel row 48 samples texel row 32.
    EXPECT_EQ(spriteColumns(), std::pair(32, 55));
    EXPECT_EQ(spriteRows(50), std::pair(24, 71));
    EXPECT_EQ(scene.at(50, 47), 0x00010000u);
    EXPECT_EQ(scene.at(50, 48), GREEN);
}

TEST_F(Sprites, NearerWallHidesTheSpriteExactlyInItsColumns) {
    level->wallGrid[7][11] = 1;  // in front of the sprite's left part
    addSprite(*level, {9.5f, 10.5f}, solidImage(RED));
    cast();
    const double* z = scene.raycaster.zBuffer();
    int hidden = 0, shown = 0;
    for (int x = 20; x < 44; ++x) {
        const bool wallNearer = !(z[x] > 4.0);
        EXPECT_EQ(scene.at(x, H / 2) == RED, !wallNearer) << "column " << x;
        (wallNearer ? hidden : shown) += 1;
    }
    EXPECT_GE(hidden, 3);
    EXPECT_GE(shown, 10);
}

TEST_F(Sprites, SpritesBehindTheCameraInvisibleOrWithoutAUsableDefinitionDrawNothing) {
    addSprite(*level, {3.5f, 10.5f}, solidImage(RED));
    for (int i = 0; i < 3; ++i) addSprite(*level, {7.5f, 10.5f}, solidImage(RED));
    level->sprites[1].isVisible = false;
    level->sprites[2].definition = 99;
    level->spriteDefinitions[3].image.reset();
    cast();
    EXPECT_EQ(spriteColumns().first, -1);
}

TEST_F(Sprites, MoveOf32AtDistance2ShiftsTheSprite16RowsDown) {
    addSprite(*level, {7.5f, 10.5f}, solidImage(RED));
    addSprite(*level, {7.5f, 10.5f}, solidImage(GREEN), 32.0);
    for (int moved : {0, 1}) {
        level->sprites[0].isVisible = !moved;
        level->sprites[1].isVisible = moved;
        cast();
        EXPECT_EQ(spriteRows(32), std::pair(24 + 16 * moved, 71 + 16 * moved));
        EXPECT_EQ(scene.at(32, 48), moved ? GREEN : RED);
    }
}

TEST_F(Sprites, SpritesStopAtColumnOneAndTheSecondLastColumn) {
    addSprite(*level, {7.5f, 12.5f}, solidImage(RED));  // centred on column 0
    addSprite(*level, {7.5f, 8.5f}, solidImage(RED));   // centred on column 64
    cast();
    EXPECT_FALSE(spriteShowsIn(0) || spriteShowsIn(W - 1));
    EXPECT_TRUE(scene.at(1, H / 2) == RED && scene.at(W - 2, H / 2) == RED);
}

TEST_F(Sprites, ScaleDivisorsShrinkTheSpriteAndThoseBelowOneCountAsOne) {
    addSprite(*level, {7.5f, 10.5f}, solidImage(RED), 0.0, {2.0f, 2.0f});
    cast();
    // Half of 48: columns 20..43, rows 36..59.
    EXPECT_EQ(spriteColumns(), std::pair(20, 43));
    EXPECT_EQ(spriteRows(32), std::pair(36, 59));
    level->spriteDefinitions[0].scale = {0.0f, 0.5f};
    cast();
    EXPECT_EQ(spriteColumns(), std::pair(8, 55));
}

TEST_F(Sprites, SpriteIsLitAsIfOneCellNearer) {
    addSprite(*level, {9.5f, 10.5f}, solidImage(RED));  // four cells from the camera's
    scene.raycaster.useLighting = true;
    cast();
    EXPECT_EQ(scene.overlay.at(32, H / 2), DarknessTable::shared().word(3));
}

TEST_F(Sprites, NearerSpritesCoverFartherOnesAndTheLaterOfTwoAtOneDistanceIsInFront) {
    addSprite(*level, {7.5f, 10.5f}, solidImage(GREEN));
    addSprite(*level, {9.5f, 10.5f}, solidImage(RED));
    addSprite(*level, {7.5f, 10.5f}, solidImage(OTHER));
    cast();
    EXPECT_EQ(scene.at(32, H / 2), OTHER);
}

// Comb sort: ties must stay in place, or the later of two sprites at one
// distance flickers behind the other.
TEST(SpriteSort, SortsFarToNearMovingTheIndicesAlongAndNeverExchangesEqualDistances) {
    auto sorted = [](std::vector<double>& distance) {
        std::vector<int32_t> order(distance.size());
        std::iota(order.begin(), order.end(), 0);
        sortSpritesFarToNear(order.data(), distance.data(), static_cast<int>(order.size()));
        return order;
    };
    std::vector<double> equal(7, 4.0);
    EXPECT_EQ(sorted(equal), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6}));
    const std::vector<double> original{1.0, 9.0, 3.5, 0.0, 12.25, 3.5, 2.0, 7.0, 1.0, 30.0, 4.0, 5.0, 6.0};
    std::vector<double> distance = original;
    const std::vector<int32_t> order = sorted(distance);
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(distance[i], original[order[i]]);
    EXPECT_TRUE(std::is_sorted(distance.rbegin(), distance.rend()));
}
