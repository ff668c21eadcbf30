// Distance darkness: the overlay pixels the raycaster writes with the
// table's words.

#include "RaycasterTestLevel.h"
#include "render/DarknessTable.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

using namespace testlevel;

namespace {

constexpr int W = 4;
constexpr int H = 480;
constexpr int MIDDLE = W / 2;
constexpr uint32_t UNTOUCHED = 0x12345678u;

// Looks along -x down a corridor at y = 1. The table is process-wide: every
// test leaves it as the game starts.
class Darkness : public ::testing::Test {
protected:
    void TearDown() override { DarknessTable::shared().set(DarknessTable::LANTERN_LIGHT); }
    void castFrom(const Level& level, float x, bool lit = true) {
        scene.raycaster.useLighting = lit;
        scene.overlay.fill(UNTOUCHED);
        scene.frame.fill(BACKGROUND);
        scene.position = {x, 1.5f};
        scene.cast(level);
    }
    uint32_t darkness(int y) const { return scene.overlay.at(MIDDLE, y); }
    Scene scene{W, H};
};

}  // namespace

TEST_F(Darkness, LitWallFloorAndCeilingDarkenByCellDistanceUntilOpaqueAtEightAndNotWithoutAFloor) {
    auto corridor = room(1002, 3);
    castFrom(*corridor, 4.5f);
    EXPECT_EQ(darkness(H / 2), 192u << 24);  // the wall, four cells away
    // The bottom row shows the floor of the next cell, the top row its ceiling.
    EXPECT_EQ(darkness(H - 1), 96u << 24);
    EXPECT_EQ(darkness(0), 96u << 24);
    castFrom(*corridor, 1000.5f);
    EXPECT_EQ(darkness(240), 0xFF000000u);
    EXPECT_EQ(darkness(241), 0xFF000000u);

    // A level without floor writes no darkness below the walls. Unlit frames
    // and see-through texels leave the overlay alone too; the lit against
    // unlit frames of RaycasterFrameTest guard those.
    castFrom(*room(12, 3, false, true), 4.5f);
    EXPECT_EQ(scene.at(MIDDLE, H - 1), BACKGROUND);  // no floor below the wall
    EXPECT_EQ(darkness(H - 1), UNTOUCHED);
    EXPECT_EQ(darkness(0), 96u << 24);

    // A cave without the lantern darkens even the player's own cell.
    DarknessTable::shared().set(DarknessTable::NO_LANTERN);
    castFrom(*corridor, 1.9f);  // the wall face 0.9 cells away fills the column
    EXPECT_EQ(darkness(H / 2), 192u << 24);  // wall cell one away
}

// The darkness words are black at an opacity in the top byte: an overlay
// whose alpha lies elsewhere (or that has none) would turn them into colours.
TEST_F(Darkness, OverlayWithoutAlphaInTheTopByteGetsNoneAndIsNamedOnce) {
    auto corridor = room(12, 3);
    SDL_Surface* noAlpha = SDL_CreateRGBSurface(SDL_SWSURFACE, W, H, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(noAlpha, nullptr);
    const std::string log = captureLog([&] {
        for (int frame = 0; frame < 2; ++frame) {
            SDL_FillRect(noAlpha, nullptr, 0x123456);
            scene.raycaster.useLighting = true;
            scene.position = {4.5f, 1.5f};
            scene.raycaster.castFrame(&scene.position, &scene.direction, &scene.plane, *corridor, scene.frame,
                                      noAlpha);
        }
    });
    EXPECT_EQ(static_cast<const uint32_t*>(noAlpha->pixels)[H / 2 * (noAlpha->pitch / 4) + MIDDLE], 0x123456u);
    EXPECT_EQ(scene.at(MIDDLE, H / 2), WALL);  // the view itself is drawn
    EXPECT_EQ(occurrences(log, "alpha mask 0x00000000 cannot take the darkness"), 1u) << log;
    SDL_FreeSurface(noAlpha);
}
