// Distance darkness: the table's words, and the overlay pixels the raycaster
// writes with them.

#include "RaycasterTestLevel.h"
#include "render/DarknessTable.h"

#include <gtest/gtest.h>

using namespace testlevel;

namespace {

constexpr int W = 4;
constexpr int H = 480;
constexpr int MIDDLE = W / 2;
constexpr uint32_t UNTOUCHED = 0x12345678u;

// The table is process-wide: every test leaves it as the game starts.
class Darkness : public ::testing::Test {
protected:
    void TearDown() override { DarknessTable::shared().set(DarknessTable::LANTERN_LIGHT); }
};

}  // namespace

TEST_F(Darkness, LanternTableWordsAtDistances0_1_7_8) {
    const DarknessTable& table = DarknessTable::shared();
    EXPECT_EQ(table.word(0), 0x00000000u);
    EXPECT_EQ(table.word(1), 96u << 24);
    EXPECT_EQ(table.word(7), 248u << 24);
    EXPECT_EQ(table.word(8), 0xFF000000u);
    EXPECT_EQ(table.word(1000), 0xFF000000u);
}

TEST_F(Darkness, NoLanternTableWordsAtDistances0_1_7_8) {
    DarknessTable::shared().set(DarknessTable::NO_LANTERN);
    const DarknessTable& table = DarknessTable::shared();
    EXPECT_EQ(table.word(0), 128u << 24);
    EXPECT_EQ(table.word(1), 192u << 24);
    EXPECT_EQ(table.word(4), 248u << 24);
    EXPECT_EQ(table.word(5), 0xFF000000u);
    EXPECT_EQ(table.word(7), 0xFF000000u);
    EXPECT_EQ(table.word(8), 0xFF000000u);
}

TEST_F(Darkness, LitWallFloorAndCeilingDarkenByCellDistance) {
    auto level = room(12, 3);
    Scene scene(W, H);
    scene.raycaster.useLighting = true;
    scene.overlay.fill(UNTOUCHED);
    scene.position = {4.5f, 1.5f};
    scene.cast(*level);

    EXPECT_EQ(scene.overlay.at(MIDDLE, H / 2), 192u << 24);  // the wall, four cells away
    // The bottom row shows the floor of the next cell, the top row its ceiling.
    EXPECT_EQ(scene.overlay.at(MIDDLE, H - 1), 96u << 24);
    EXPECT_EQ(scene.overlay.at(MIDDLE, 0), 96u << 24);
}

TEST_F(Darkness, EverythingEightOrMoreCellsAwayIsOpaque) {
    auto level = room(1002, 3);
    Scene scene(W, H);
    scene.raycaster.useLighting = true;
    scene.position = {1000.5f, 1.5f};
    scene.cast(*level);
    EXPECT_EQ(scene.overlay.at(MIDDLE, 240), 0xFF000000u);
    EXPECT_EQ(scene.overlay.at(MIDDLE, 241), 0xFF000000u);
}

TEST_F(Darkness, CaveWithoutLanternDarkensEvenThePlayersOwnCell) {
    DarknessTable::shared().set(DarknessTable::NO_LANTERN);
    auto level = room(12, 3);
    Scene scene(W, H);
    scene.raycaster.useLighting = true;
    scene.position = {1.9f, 1.5f};  // the wall face 0.9 cells away fills the column
    scene.cast(*level);
    EXPECT_EQ(scene.overlay.at(MIDDLE, H / 2), 192u << 24);  // wall cell one away
}

TEST_F(Darkness, UnlitLevelLeavesTheOverlayAlone) {
    auto level = room(12, 3);
    Scene scene(W, H);
    scene.overlay.fill(UNTOUCHED);
    scene.position = {4.5f, 1.5f};
    scene.cast(*level);
    for (int y = 0; y < H; ++y) ASSERT_EQ(scene.overlay.at(MIDDLE, y), UNTOUCHED);
}

TEST_F(Darkness, LevelWithoutFloorWritesNoDarknessBelowTheWalls) {
    auto level = room(12, 3, false, true);
    Scene scene(W, H);
    scene.raycaster.useLighting = true;
    scene.overlay.fill(UNTOUCHED);
    scene.position = {4.5f, 1.5f};
    scene.cast(*level);
    EXPECT_EQ(scene.at(MIDDLE, H - 1), BACKGROUND);
    EXPECT_EQ(scene.overlay.at(MIDDLE, H - 1), UNTOUCHED);
    EXPECT_EQ(scene.overlay.at(MIDDLE, 0), 96u << 24);
}

TEST_F(Darkness, SeeThroughTexelsWriteNoDarkness) {
    auto level = room(12, 3);
    level->wallGrid[3][1] = addWall(*level, solidImage(WALL_TRANSPARENT_COLOR));
    Scene scene(W, H);
    scene.raycaster.useLighting = true;
    scene.raycaster.transparentWall = false;
    scene.overlay.fill(UNTOUCHED);
    scene.position = {5.5f, 1.5f};
    scene.cast(*level);
    EXPECT_EQ(scene.overlay.at(MIDDLE, H / 2), UNTOUCHED);
}
