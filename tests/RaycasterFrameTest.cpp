// Whole frames from the optimised raycaster against a straightforward one
// kept here: one division per pixel where the game's renderer steps in fixed
// point, every texel looked up the long way. Speed work must never change a
// single pixel of the frame or of the darkness overlay.

#include "RaycasterTestLevel.h"
#include "render/SpritePass.h"
#include "render/DarknessTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace testlevel;

namespace {

// ------------------------------------------------------------ the reference

int truncClamped(double v, double limit) {
    if (!(v > -limit)) return v != v ? 0 : static_cast<int>(-limit);
    if (v > limit) return static_cast<int>(limit);
    return static_cast<int>(v);
}

int clampIndex(int64_t v, int count) { return v < 0 ? 0 : (v >= count ? count - 1 : static_cast<int>(v)); }

const Wall* wallNumbered(const Level& level, int32_t n) {
    if (n < 1 || static_cast<size_t>(n) > level.walls.size()) return nullptr;
    const Wall& wall = level.walls[n - 1];
    return wall.image && wall.height >= 1 ? &wall : nullptr;
}

// Draws `level` into a scene's frame and overlay, from its camera and with its raycaster's switches.
struct Reference {
    static constexpr double MAX_SLICE = 1 << 22;
    Reference(Scene& scene, const Level& level)
        : out(scene), W(scene.frame.width()), H(scene.frame.height()), level(&level),
          gw(static_cast<int>(level.width)), gh(static_cast<int>(level.height)), pos(scene.position) {}
    Scene& out;
    int W, H;
    const Level* level;
    int gw, gh;
    Vec2 pos, ray;
    int stepX = 0, stepY = 0;
    std::vector<double> z;

    void put(int x, int64_t y, int d, uint32_t c) {
        out.frame[x][y] = c;
        if (out.raycaster.useLighting)
            static_cast<uint32_t*>(out.overlay.surface->pixels)[y * (out.overlay.surface->pitch / 4) + x] =
                DarknessTable::shared().word(static_cast<uint32_t>(std::max(d, 0)));
    }

    struct Slice {
        double dist, wallX;
        int drawEnd;
    };

    Slice wallColumn(int x, int cx, int cy, int side) {
        const float along = side == 0 ? (cx - pos.x + (1 - stepX) / 2) / ray.x : (cy - pos.y + (1 - stepY) / 2) / ray.y;
        const float hit = side == 0 ? pos.y + along * ray.y : pos.x + along * ray.x;
        const float perp = std::fabs(along);
        double wallX = hit - std::floor(static_cast<double>(hit));
        if (!(wallX >= 0.0 && wallX < 1.0)) wallX = 0.0;
        const int L = truncClamped(static_cast<double>(H) / perp, MAX_SLICE);
        const bool in = cx >= 0 && cy >= 0 && cx < gw && cy < gh;
        const Wall* wall = in ? wallNumbered(*level, level->wallGrid[cx][cy]) : nullptr;
        const int h = wall ? wall->height : 1;
        const int64_t drawStart = H / 2 - L / 2 + int64_t{1 - h} * L - 1;
        const int64_t drawTop = std::max<int64_t>(drawStart, 0);
        const int drawEnd = std::min(H / 2 + L / 2, H - 1);
        if (wall) {
            int texX = clampIndex(truncClamped(64 * wallX, 1 << 30), 64);
            if ((side == 0 && ray.x > 0) || (side == 1 && ray.y < 0)) texX = 63 - texX;
            for (int64_t y = drawTop; y <= drawEnd; ++y) {
                // One storey steps in fixed point as the game does; taller walls divide per pixel.
                const int64_t acc = 128LL * 64 * (2 * drawTop - H + L + 2) + (y - drawTop) * 256 * 64;
                const int64_t texY =
                    h == 1 ? (acc < 0 ? 0 : (acc / (L + 2)) >> 8)
                           : truncClamped(static_cast<float>(h * 64) *
                                              (static_cast<float>(y - drawStart) / static_cast<float>(int64_t{h} * L + 2)),
                                          1 << 30);
                uint32_t c = wall->image->pixels[clampIndex(texY, h * 64) * 64 + texX];
                if (c == WALL_TRANSPARENT_COLOR) continue;
                if (out.raycaster.useSideShading && side == 1) c = (c >> 1) & 0x007F7F7Fu;
                put(x, y, std::abs(int(pos.x) - cx) + std::abs(int(pos.y) - cy), c);
            }
        }
        return {perp, wallX, drawEnd};
    }

    void floorColumn(int x, int side, int mapX, int mapY, const Slice& s) {
        const bool floor = level->hasFloor, ceiling = level->hasCeiling;
        if ((!floor && !ceiling) || s.drawEnd + 1 >= H || !(s.dist > 0.0 && s.dist < MAX_SLICE)) return;
        double fx, fy;
        if (side == 0 && ray.x > 0) fx = mapX, fy = mapY + s.wallX;
        else if (side == 0 && ray.x < 0) fx = mapX + 1.0, fy = mapY + s.wallX;
        else if (side == 1 && ray.y > 0) fx = mapX + s.wallX, fy = mapY;
        else fx = mapX + s.wallX, fy = mapY + 1.0;
        for (int y = s.drawEnd + 1; y < H; ++y) {
            const double weight = (H / (2.0 * y - H)) / s.dist;
            const float px = static_cast<float>(weight * fx + (1.0 - weight) * pos.x);
            const float py = static_cast<float>(weight * fy + (1.0 - weight) * pos.y);
            const int texel = static_cast<int>(static_cast<uint32_t>(truncClamped(64 * py, 1 << 30)) % 64u) * 64 +
                              static_cast<int>(static_cast<uint32_t>(truncClamped(64 * px, 1 << 30)) % 64u);
            const int cx = clampIndex(truncClamped(px, 1 << 30), gw), cy = clampIndex(truncClamped(py, 1 << 30), gh);
            const int d = std::abs(int(pos.x) - cx) + std::abs(int(pos.y) - cy);
            auto paint = [&](const CellGrid<int32_t>& grid, int row) {
                if (const Wall* w = wallNumbered(*level, grid[cx][cy])) put(x, row, d, w->image->pixels[texel]);
            };
            if (floor) paint(level->floorGrid, y);
            if (ceiling) paint(level->ceilingGrid, H - 1 - y);
        }
    }

    void sprites(Vec2 dir, Vec2 plane) {
        const int n = static_cast<int>(level->sprites.size());
        std::vector<int32_t> order(n);
        std::vector<double> distance(n);
        for (int i = 0; i < n; ++i) {
            const Vec2 at = level->sprites[i].position;
            order[i] = i;
            distance[i] = static_cast<double>((pos.x - at.x) * (pos.x - at.x) + (pos.y - at.y) * (pos.y - at.y));
        }
        sortSpritesFarToNear(order.data(), distance.data(), n);
        const double invDet = 1.0 / (static_cast<double>(plane.x) * dir.y - static_cast<double>(dir.x) * plane.y);
        for (int k = 0; k < n; ++k) {
            const Sprite& s = level->sprites[order[k]];
            if (!s.isVisible || s.definition >= level->spriteDefinitions.size()) continue;
            const SpriteDefinition& def = level->spriteDefinitions[s.definition];
            if (!def.image) continue;
            const double sx = s.position.x - pos.x, sy = s.position.y - pos.y;
            const double tx = invDet * (dir.y * sx - dir.x * sy), ty = invDet * (-plane.y * sx + plane.x * sy);
            if (!(ty > 0.0)) continue;
            const int screenX = truncClamped((W / 2) * (1.0 + tx / ty), MAX_SLICE);
            const int move = truncClamped(std::trunc(def.move) / ty, MAX_SLICE);
            const int size = truncClamped(H / ty, MAX_SLICE);
            const int sh = size / std::max(1, truncClamped(def.scale.y, MAX_SLICE));
            const int sw = size / std::max(1, truncClamped(def.scale.x, MAX_SLICE));
            const int y0 = std::max(H / 2 - sh / 2 + move, 0), y1 = std::min(sh / 2 + H / 2 + move, H - 1);
            const int x0 = std::max(screenX - sw / 2, 0), x1 = std::min(sw / 2 + screenX, W - 1);
            const int d = std::abs(int(pos.x) - truncClamped(s.position.x, 1 << 30)) +
                          std::abs(int(pos.y) - truncClamped(s.position.y, 1 << 30)) - 1;
            for (int stripe = x0; stripe < x1; ++stripe) {
                if (stripe <= 0 || stripe >= W || !(z[stripe] > ty) || y0 >= y1) continue;
                const int texX = clampIndex((int64_t{stripe - screenX + sw / 2} * 256 * 64 / sw) / 256, 64);
                for (int y = y0; y < y1; ++y) {
                    const int64_t t = 256LL * (y - move) - 128LL * H + 128LL * sh;
                    const uint32_t c = def.image->pixels[clampIndex((64 * t / sh) / 256, 64) * 64 + texX];
                    if ((c & 0x00FFFFFFu) != 0) put(stripe, y, d, c);
                }
            }
        }
    }

    void cast() {
        const Level& lv = *level;
        const Vec2 dir = out.direction, plane = out.plane;
        z.assign(W, 0.0);
        if (!(pos.x >= 0 && pos.x < gw && pos.y >= 0 && pos.y < gh)) return;
        for (int x = 0; x < W; ++x) {
            const double cameraX = 2.0 * x / W - 1.0;
            ray = Vec2(static_cast<float>(dir.x + plane.x * cameraX), static_cast<float>(dir.y + plane.y * cameraX));
            int mapX = static_cast<int>(pos.x), mapY = static_cast<int>(pos.y);
            const float ddx = std::sqrt(1.0f + (ray.y * ray.y) / (ray.x * ray.x));
            const float ddy = std::sqrt(1.0f + (ray.x * ray.x) / (ray.y * ray.y));
            stepX = ray.x < 0 ? -1 : 1;
            stepY = ray.y < 0 ? -1 : 1;
            float sdx = ray.x < 0 ? (pos.x - mapX) * ddx : (mapX + 1.0f - pos.x) * ddx;
            float sdy = ray.y < 0 ? (pos.y - mapY) * ddy : (mapY + 1.0f - pos.y) * ddy;
            int side = 0;
            bool outside;
            auto advance = [&](int& mx, int& my, float& dx, float& dy, int& sd) {
                if (dy > dx) dx += ddx, mx += stepX, sd = 0;
                else dy += ddy, my += stepY, sd = 1;
            };
            do advance(mapX, mapY, sdx, sdy, side);
            while (!(outside = mapX < 0 || mapY < 0 || mapX >= gw || mapY >= gh) && lv.wallGrid[mapX][mapY] == 0);
            auto interior = [&](int cx, int cy) { return cx > 0 && cy > 0 && cx < gw - 1 && cy < gh - 1; };
            if (out.raycaster.transparentWall && !outside && interior(mapX, mapY)) {
                int fx = mapX, fy = mapY, fs = side;
                float fdx = sdx, fdy = sdy;
                while (interior(fx, fy)) advance(fx, fy, fdx, fdy, fs);
                wallColumn(x, fx, fy, fs);
            }
            const Slice s = wallColumn(x, mapX, mapY, side);
            z[x] = s.dist;
            floorColumn(x, side, mapX, mapY, s);
        }
        sprites(dir, plane);
    }
};

// --------------------------------------------------------------- the scenes

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

// Renders every camera with both raycasters and counts differing pixels.
void expectSameFrames(int W, int H, bool lit, bool shading, bool transparent) {
    auto level = testTown();
    for (const Camera& cam : cameras()) {
        SCOPED_TRACE(::testing::Message() << "camera at " << cam.position.x << "," << cam.position.y << " looking "
                                          << cam.direction.x << "," << cam.direction.y);
        Scene fast(W, H), slow(W, H);
        for (Scene* s : {&fast, &slow}) {
            s->raycaster.useLighting = lit;
            s->raycaster.useSideShading = shading;
            s->raycaster.transparentWall = transparent;
            s->overlay.fill(0x5A5A5A5Au);
            s->position = cam.position;
            s->direction = cam.direction;
            s->plane = cam.plane;
        }
        fast.cast(*level);
        Reference ref(slow, *level);
        ref.cast();
        // Each frame is one block of W * H pixels, column after column.
        ASSERT_TRUE(std::equal(fast.frame[0], fast.frame[0] + W * H, slow.frame[0]));
        ASSERT_EQ(std::memcmp(fast.overlay.surface->pixels, slow.overlay.surface->pixels, slow.overlay.surface->pitch * H), 0);
        ASSERT_TRUE(std::equal(ref.z.begin(), ref.z.end(), fast.raycaster.zBuffer()));
    }
}

}  // namespace

TEST(RaycasterFrame, LitFramesMatchTheStraightforwardRenderer) { expectSameFrames(640, 480, true, true, true); }

TEST(RaycasterFrame, UnlitOpaqueFramesMatchTheStraightforwardRenderer) { expectSameFrames(640, 480, false, false, false); }

TEST(RaycasterFrame, OddSizedFramesMatchTheStraightforwardRenderer) {
    expectSameFrames(97, 61, true, true, true);
    expectSameFrames(33, 255, true, false, true);
}
