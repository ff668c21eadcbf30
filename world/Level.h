#pragma once

#include "media/Image.h"
#include "render/Vec2.h"
#include "world/CellGrid.h"
#include "world/TexelImage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Opaque black: the empty value of the map images.
inline constexpr uint32_t COLOR_EMPTY = 0xFF000000u;
// Wall texels of exactly this value are never drawn.
inline constexpr uint32_t WALL_TRANSPARENT_COLOR = 0xFF00FFFFu;
// Every wall, floor, ceiling and sprite image is this many texels wide, and
// one storey or one sprite this many tall.
inline constexpr int TEXTURE_SIZE = 64;

// One texture of the level's colour vocabulary. Walls naming the same file
// share one decoded image; a wall whose texels change at run time takes its
// own copy first through writableImage().
struct Wall {
    int32_t height = 0;                  // storeys: image height / 64, rounded down
    std::shared_ptr<TexelImage> image;   // 64 x (64 * height) texels; null: none

    // This wall's image, copied first if another wall or definition shares
    // it, so that writing texels changes this wall alone. Null without an
    // image (or when the copy cannot be allocated, which leaves image as it
    // was). The pointer stays valid until image is replaced.
    TexelImage* writableImage() {
        if (image && image.use_count() > 1) {
            std::shared_ptr<TexelImage> own = copyTexelImage(*image);
            if (!own) return nullptr;
            image = std::move(own);
        }
        return image.get();
    }
};

struct SpriteDefinition {
    std::shared_ptr<TexelImage> image;  // 64 x 64, 0xAARRGGBB; RGB 0 is transparent; shared
    Vec2 scale{1, 1};    // size divisors, truncated to integers >= 1 on use
    double move = 0.0;   // screen rows at distance 1, positive moves down
};

struct Sprite {
    uint32_t definition = 0;  // index into Level::spriteDefinitions
    Vec2 position;            // cells
    bool isVisible = false;
};

struct Action {
    std::string name;          // story event handed to runAction
    std::string type;          // "manual", "auto", anything else never fires
    bool repeat = false;       // false: fires only while timesTriggered is 0
    std::string text;          // label shown while a manual action is in reach
    Vec2 position;             // trigger point, cells; reach is < 1.0
    bool lookAt = false;       // turn to face position when fired
    int32_t timesTriggered = 0;
};

// One area of the world, loaded once and then plain mutable world state that
// the renderer, movement and the story read and change in place. Positions
// are in cells: cell (x, y) covers [x, x+1) x [y, y+1); x runs along the
// columns of the map images, y along their rows. Not copyable.
struct Level {
    std::string name;
    uint32_t width = 0;
    uint32_t height = 0;
    Vec2 start;
    float rotation = 0.0f;  // degrees; 0 faces -x, 90 faces -y
    bool hasFloor = false;
    bool hasCeiling = false;
    bool useLighting = false;
    bool useSideShading = false;
    bool transparentWall = false;
    std::vector<Wall> walls;               // Wall number n is walls[n - 1]
    CellGrid<int32_t> wallGrid;            // 0 open, n >= 1 a Wall number
    CellGrid<int32_t> ceilingGrid;         // empty unless hasCeiling
    CellGrid<int32_t> floorGrid;           // empty unless hasFloor
    CellGrid<bool> collisionGrid;          // true blocks the player
    uint32_t backgroundColor = 0;          // 0xAARRGGBB
    std::vector<SpriteDefinition> spriteDefinitions;
    std::vector<Sprite> sprites;
    std::vector<Action> actions;           // the story may append more

    Level() = default;
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    const std::string& getName() const { return name; }
};

// Bounds far above what any area needs (the largest has 32x24 cells, 21
// walls, 31 sprites and textures of a few storeys). A level file beyond one is
// refused before it can cost much memory or time per frame.
inline constexpr uint32_t MAX_LEVEL_SIDE = 1024;  // cells, each of width and height
inline constexpr int32_t MAX_STOREYS = 64;        // of one wall texture
inline constexpr size_t MAX_WALLS = 1024;
inline constexpr size_t MAX_SPRITE_DEFINITIONS = 1024;
inline constexpr size_t MAX_SPRITES = 4096;       // placements
inline constexpr size_t MAX_ACTIONS = 4096;
// Decoded texels its walls and sprite definitions may hold, 4 bytes each, as
// if each held its own copy; the shipped areas need under 1 MB.
inline constexpr size_t MAX_LEVEL_IMAGE_BYTES = size_t{64} << 20;

// What one load decoded: each image file is decoded once per level, however
// many walls and definitions name it and however they spell its path.
struct LevelLoadReport {
    size_t imagesDecoded = 0;  // texture, sprite and map image files
    size_t texelsDecoded = 0;  // their pixels, summed
};

// Loads "data/levels/" + name + "/main.xml" and its four map images (paths
// relative to the working directory) and checks every invariant the renderer
// and movement rely on. Returns null, after one log line naming the file and
// what is wrong, for a level that is missing, malformed, broken, beyond the
// bounds above, or that names a file outside data/ (through "..", an absolute
// path or a symbolic link; see world/DataPath.h), which is then not opened.
// report, when not null, is filled in either way.
std::unique_ptr<Level> loadLevel(const std::string& name, LevelLoadReport* report = nullptr);
