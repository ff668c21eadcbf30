// Whole frames: a small one worked out by hand from the geometry, pixel for
// pixel, and one property every frame of a busy test town must have.

#include "RaycasterTestLevel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace testlevel;

namespace {

// One letter per colour, so a frame reads as a picture: rows top to bottom.
char letter(uint32_t colour) {
    const std::pair<uint32_t, char> letters[] = {
        {WALL, 'W'}, {SHADED_WALL, 's'}, {FLOOR, 'F'}, {CEILING, 'C'}, {OTHER, 'O'}, {BACKGROUND, '.'}};
    for (const auto& [c, l] : letters)
        if (c == colour) return l;
    return '?';
}

std::vector<std::string> picture(const Scene& scene) {
    std::vector<std::string> rows(scene.frame.height(), std::string(scene.frame.width(), ' '));
    for (int y = 0; y < scene.frame.height(); ++y)
        for (int x = 0; x < scene.frame.width(); ++x) rows[y][x] = letter(scene.at(x, y));
    return rows;
}

Image noise(int storeys, uint32_t seed, int cyanEvery = 0) {
    return makeImage(storeys, [=](int x, int y) {
        uint32_t v = (static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u) ^ (seed * 83492791u);
        v ^= v >> 13;
        if (cyanEvery && v % cyanEvery == 0) return WALL_TRANSPARENT_COLOR;
        return (v * 2654435761u) | (seed % 2 ? 0xFF000000u : 0u);
    });
}

// A 20 x 16 level using every feature the renderer has, and a little bad data.
std::unique_ptr<Level> testTown() {
    auto level = room(20, 16);
    level->walls.clear();
    addWall(*level, noise(1, 1));     // 1 stone
    addWall(*level, noise(1, 2));     // 2 floor
    addWall(*level, noise(1, 3));     // 3 ceiling
    addWall(*level, noise(2, 4));     // 4 two storeys
    addWall(*level, noise(3, 5, 3));  // 5 three storeys, a third see-through
    addWall(*level, noise(1, 6, 2));  // 6 half see-through
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
            if (level->wallGrid[x][y]) level->wallGrid[x][y] = 1 + (x + y) % 2 * 3;
            level->floorGrid[x][y] = (x * y) % 7 == 3 ? 3 : 2;
            level->ceilingGrid[x][y] = (x + 2 * y) % 5 == 0 ? 6 : 3;
        }
    for (int y = 3; y < 7; ++y) level->wallGrid[5][y] = 4;
    for (int x = 9; x < 13; ++x) level->wallGrid[x][4] = 5;
    level->wallGrid[14][10] = level->wallGrid[15][10] = 6;
    level->wallGrid[6][11] = 1;
    level->wallGrid[3][13] = 77;     // names no wall
    level->floorGrid[8][8] = 0;      // no floor here
    level->ceilingGrid[9][12] = 42;  // nor ceiling here
    const Vec2 spots[] = {{8.5f, 7.5f}, {12.2f, 9.1f}, {4.5f, 9.5f}, {16.5f, 5.5f},
                          {10.5f, 12.5f}, {7.1f, 3.2f}, {13.7f, 13.3f}, {2.5f, 2.5f}, {8.5f, 7.5f}};
    for (int i = 0; i < 9; ++i) {
        Image image = makeImage(1, [i](int x, int y) -> uint32_t {
            const int dx = x - 32, dy = y - 32;
            if (dx * dx + dy * dy > 700) return (x + y) % 2 ? 0x00000000u : 0xFF000000u;
            return 0xFF000000u | static_cast<uint32_t>(i * 0x1F3A11 + x * 0x0300 + y * 3);
        });
        addSprite(*level, spots[i], std::move(image), i % 3 == 1 ? 24.0 : (i == 5 ? -40.0 : 0.0),
                  {i % 4 == 2 ? 2.0f : 1.0f, i % 3 == 0 ? 1.0f : 2.5f});
    }
    level->sprites[7].isVisible = false;
    return level;
}

struct Camera {
    Vec2 position, direction, plane;
};

void PrintTo(const Camera& c, std::ostream* out) {
    *out << "at (" << c.position.x << ", " << c.position.y << ") looking (" << c.direction.x << ", "
         << c.direction.y << ")";
}

// Six spots, each turned through the full circle in uneven steps, and two views whose rays run along
// an axis or exactly through cell corners.
std::vector<Camera> cameras() {
    std::vector<Camera> list{{{10.5f, 8.5f}, {1.0f, 0.0f}, {0.0f, -0.66f}}, {{10.5f, 8.5f}, {0.5f, 0.5f}, {0.66f, -0.66f}}};
    const Vec2 spots[] = {{10.5f, 8.5f}, {2.2f, 7.7f}, {17.5f, 2.5f}, {6.5f, 5.0f}, {13.9f, 11.2f}, {1.01f, 1.01f}};
    int k = 0;
    for (Vec2 at : spots) {
        for (int a = 0; a < 360; a += 37 + (k++ % 3) * 8) {
            const double r = a * PI / 180.0;
            const float c = static_cast<float>(std::cos(r)), s = static_cast<float>(std::sin(r));
            list.push_back({at, Vec2(-c, -s), Vec2(-0.66f * s, 0.66f * c)});
        }
    }
    return list;
}

}  // namespace

// A corridor one cell wide, the camera 2.5 cells from its end wall, 8x8
// pixels. Column x casts along (-1, 0.66 (x / 4 - 1)): columns 3 to 5 reach
// the end wall (perpendicular distance 2.5, slice 8 / 2.5 -> 3, rows 2 to 5);
// the others meet a side wall, shaded, at 0.5 / (0.66 |x / 4 - 1|): 0.76 and
// 1.01 fill columns 0, 1 and 7, 1.52 gives a slice of 5, rows 1 to 6. Floor
// row 6 lies 8 / (12 - 8) = 2 cells ahead, in cell x = 1 (OTHER); row 7 lies
// 1.33 ahead, in cell x = 2; the ceiling mirrors the floor.
TEST(RaycasterFrame, CorridorByHand) {
    auto corridor = room(6, 3);
    const int32_t other = addWall(*corridor, solidImage(OTHER));
    corridor->floorGrid[1][1] = other;
    Scene scene(8, 8);
    scene.position = {3.5f, 1.5f};
    scene.cast(*corridor);
    const std::vector<std::string> expected = {
        "ssCCCCCs",
        "sssCCCss",
        "sssWWWss",
        "sssWWWss",
        "sssWWWss",
        "sssWWWss",
        "sssOOOss",
        "ssFFFFFs",
    };
    EXPECT_EQ(picture(scene), expected);
}

// Lighting only adds the overlay: a lit frame shows exactly the pixels of the
// unlit one, and its overlay is written exactly where something was drawn.
// The lit and unlit passes are separate code; this keeps them one picture.
class RaycasterPose : public ::testing::TestWithParam<Camera> {};

TEST_P(RaycasterPose, LitFrameIsTheUnlitFrameWithDarknessWhereverSomethingIsDrawn) {
    static const std::unique_ptr<Level> town = testTown();
    const Camera& cam = GetParam();
    constexpr int W = 97, H = 61;
    constexpr uint32_t UNWRITTEN = 0x5A5A5A5Au;
    Scene lit(W, H), unlit(W, H);
    for (Scene* s : {&lit, &unlit}) {
        s->raycaster.useLighting = s == &lit;
        s->overlay.fill(UNWRITTEN);
        s->position = cam.position;
        s->direction = cam.direction;
        s->plane = cam.plane;
        s->cast(*town);
    }
    int drawn = 0;
    for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y) {
            ASSERT_EQ(lit.at(x, y), unlit.at(x, y)) << x << ", " << y;
            const bool written = lit.at(x, y) != BACKGROUND;
            ASSERT_EQ(lit.overlay.at(x, y) != UNWRITTEN, written) << x << ", " << y;
            ASSERT_EQ(unlit.overlay.at(x, y), UNWRITTEN);
            drawn += written;
        }
    EXPECT_GT(drawn, W * H / 2);
}

INSTANTIATE_TEST_SUITE_P(TestTown, RaycasterPose, ::testing::ValuesIn(cameras()),
                         [](const auto& info) { return "Pose" + std::to_string(info.index); });
