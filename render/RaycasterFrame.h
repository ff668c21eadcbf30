#pragma once

// What the raycaster's passes share while one frame is drawn: the view of the
// level and screen they all read (FrameView), the ray of one screen column
// (Ray) and where its wall slice ended up (WallSlice). Internal to render/:
// the public interface is Raycaster.h.

#include "render/DarknessTiles.h"
#include "render/Vec2.h"

#include <cstddef>
#include <cstdint>

namespace raycast {

// Slice and sprite sizes beyond this many rows are cut down to it: they are
// far taller than any screen, and it keeps every later product inside 64-bit
// (and every row inside 32-bit) integers, even for a camera touching a wall.
inline constexpr double MAX_SLICE = 1 << 22;

// trunc(v) as an int, with NaN and values beyond +-limit pinned, since
// converting those is undefined.
inline int truncClamped(double v, double limit) {
    if (!(v > -limit)) return v != v ? 0 : static_cast<int>(-limit);
    if (v > limit) return static_cast<int>(limit);
    return static_cast<int>(v);
}

inline int clampIndex(int64_t v, int count) {
    return v < 0 ? 0 : (v >= count ? count - 1 : static_cast<int>(v));
}

// What the floor pass needs of a cell: the floor and ceiling texels (null:
// none drawn) and the index of its darkness word.
struct CellLook {
    const uint32_t* floor;
    const uint32_t* ceiling;
    uint8_t shade;
};

// The level and screen as one frame sees them, set up by Raycaster::castFrame
// before any pass runs and not changed by the passes. Every pointer is into
// the level or the raycaster and valid for that frame only.
struct FrameView {
    int width = 0;   // screen, pixels
    int height = 0;
    int texWidth = 64;
    int texHeight = 64;
    Vec2 position;   // the camera, cells; inside the grid
    bool useSideShading = false;
    bool transparentWall = false;

    // The extent all grids share; rays never read a cell outside it.
    int gridWidth = 0;
    int gridHeight = 0;
    int32_t* const* wallCells = nullptr;
    // Texels by wall number, with their storeys; [0] and every wall whose
    // image cannot hold what it draws are null.
    const uint32_t* const* textures = nullptr;
    const int32_t* storeys = nullptr;
    uint32_t textureCount = 0;
    // Texels by sprite definition index, null for an unusable image.
    const uint32_t* const* spriteImages = nullptr;
    size_t spriteImageCount = 0;
    // By x * gridHeight + y.
    const CellLook* cellLooks = nullptr;
    bool hasFloorOrCeiling = false;

    uint32_t darkness[DARKNESS_WORDS] = {};
    // The frame's darkness, column-major like the frame (column x at
    // darkColumns + x * height), one index into darkness a pixel; laid into
    // the overlay once the passes are done (DarknessTiles.h). Null: no
    // darkness this frame.
    uint8_t* darkColumns = nullptr;

    // The index of the darkness word for a Manhattan cell distance.
    static uint8_t darknessIndex(int d) { return static_cast<uint8_t>(d < 0 ? 0 : (d >= DARKNESS_WORDS ? DARKNESS_WORDS - 1 : d)); }
    // Column x of the darkness; only when darkColumns is set.
    uint8_t* darkColumn(int x) const { return darkColumns + static_cast<ptrdiff_t>(x) * height; }
    // The texels of a wall number, null when it names no usable texture.
    const uint32_t* texture(int32_t number) const {
        return static_cast<uint32_t>(number) < textureCount ? textures[number] : nullptr;
    }
};

// The ray of one screen column: from the camera, never changed by a pass.
struct Ray {
    Vec2 origin;
    Vec2 direction;
    int stepX = 0;  // -1 or +1: the way the ray crosses cells along x
    int stepY = 0;
};

// Where the wall slice of a column ended up, for the floor pass.
struct WallSlice {
    int cellX = 0;          // the cell of the wall the ray met
    int cellY = 0;
    int side = 0;           // 0: an x side, 1: a y side
    double distance = 0.0;  // perpendicular, cells
    double wallX = 0.0;     // 0 <= wallX < 1: where along the face the ray hit
    int drawEnd = 0;        // lowest screen row of the slice
};

}  // namespace raycast
