#pragma once

// Small levels built in memory for the renderer's tests, and the camera and
// frame they are drawn with.

#include "render/FrameBuffer.h"
#include "render/Raycaster.h"
#include "world/Level.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace testlevel {

inline constexpr uint32_t BACKGROUND = 0xFF123456u;
inline constexpr uint32_t WALL = 0xFF804020u;
inline constexpr uint32_t FLOOR = 0xFF00A000u;
inline constexpr uint32_t CEILING = 0xFF0000C0u;
inline constexpr uint32_t OTHER = 0xFFE0E0E0u;

// WALL as a y-side face shows it: at half brightness with alpha 0.
inline constexpr uint32_t SHADED_WALL = 0x00402010u;

using Image = std::shared_ptr<TexelImage>;

// A 64-wide image of `storeys` x 64 rows whose texel (x, y) is texel(x, y).
inline Image makeImage(int storeys, const std::function<uint32_t(int, int)>& texel) {
    auto image = std::make_shared<TexelImage>();
    image->width = 64;
    image->height = 64 * storeys;
    image->pixels.reset(static_cast<uint32_t*>(std::malloc(sizeof(uint32_t) * 64 * 64 * storeys)));
    for (int y = 0; y < 64 * storeys; ++y)
        for (int x = 0; x < 64; ++x) image->pixels[y * 64 + x] = texel(x, y);
    return image;
}

inline Image solidImage(uint32_t colour) { return makeImage(1, [colour](int, int) { return colour; }); }

// Appends a wall texture and returns its wall number.
inline int32_t addWall(Level& level, Image image, int storeys = 1) {
    level.walls.push_back(Wall{storeys, std::move(image)});
    return static_cast<int32_t>(level.walls.size());
}

// A width x height room walled all round with WALL (wall number 1), a FLOOR
// floor (number 2) and a CEILING ceiling (number 3) everywhere.
inline std::unique_ptr<Level> room(uint32_t width, uint32_t height, bool floor = true, bool ceiling = true) {
    auto level = std::make_unique<Level>();
    level->name = "test";
    level->width = width;
    level->height = height;
    level->hasFloor = floor;
    level->hasCeiling = ceiling;
    level->backgroundColor = BACKGROUND;
    for (uint32_t colour : {WALL, FLOOR, CEILING}) addWall(*level, solidImage(colour));
    level->wallGrid = CellGrid<int32_t>(width, height);
    if (floor) level->floorGrid = CellGrid<int32_t>(width, height);
    if (ceiling) level->ceilingGrid = CellGrid<int32_t>(width, height);
    level->collisionGrid = CellGrid<bool>(width, height);
    for (uint32_t x = 0; x < width; ++x)
        for (uint32_t y = 0; y < height; ++y) {
            level->wallGrid[x][y] = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            if (floor) level->floorGrid[x][y] = 2;
            if (ceiling) level->ceilingGrid[x][y] = 3;
        }
    return level;
}

inline void addSprite(Level& level, Vec2 at, Image image, double move = 0.0, Vec2 scale = {1, 1}) {
    level.spriteDefinitions.push_back(SpriteDefinition{std::move(image), scale, move});
    level.sprites.push_back(Sprite{static_cast<uint32_t>(level.spriteDefinitions.size() - 1), at, true});
}

// The overlay the play state keeps: 32-bit with per-pixel alpha.
struct Overlay {
    SDL_Surface* surface;
    Overlay(int w, int h)
        : surface(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)) {}
    ~Overlay() { SDL_FreeSurface(surface); }
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;
    uint32_t at(int x, int y) const { return static_cast<const uint32_t*>(surface->pixels)[y * (surface->pitch / 4) + x]; }
    void fill(uint32_t value) { std::fill_n(static_cast<uint32_t*>(surface->pixels), surface->h * surface->pitch / 4, value); }
};

// A raycaster with its frame (cleared to BACKGROUND) and overlay, drawing one
// level from one camera.
struct Scene {
    Raycaster raycaster;
    FrameBuffer frame;
    Overlay overlay;
    Vec2 position;
    Vec2 direction{-1.0f, 0.0f};
    Vec2 plane{0.0f, 0.66f};

    Scene(int w, int h) : raycaster(64, 64, w, h), frame(w, h), overlay(w, h) { frame.fill(BACKGROUND); }

    void cast(const Level& level) {
        raycaster.castFrame(&position, &direction, &plane, level, frame, overlay.surface);
    }
    uint32_t at(int x, int y) const { return frame[x][y]; }
    // How many pixels of the frame satisfy `test`.
    template <class Test>
    int countPixels(Test test) const {
        int count = 0;
        for (int x = 0; x < frame.width(); ++x)
            for (int y = 0; y < frame.height(); ++y) count += test(frame[x][y]);
        return count;
    }
};

}  // namespace testlevel
