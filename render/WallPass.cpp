#include "render/WallPass.h"

#include "world/Level.h"

#include <cmath>
#include <cstdlib>

namespace raycast {

namespace {

// Rounds toward minus infinity, unlike '/'.
int64_t floorDivide(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// A ray's walk through the grid: the cell it is in, the distance along the
// ray to its next x and y cell sides, and the side it last crossed.
struct GridWalk {
    int mapX;
    int mapY;
    float sideDistX;
    float sideDistY;
    int side;
};

// Steps the walk into the next cell; on a tie it steps along y.
inline void stepRay(GridWalk& walk, const Ray& ray, float deltaDistX, float deltaDistY) {
    if (walk.sideDistY > walk.sideDistX) {
        walk.sideDistX += deltaDistX;
        walk.mapX += ray.stepX;
        walk.side = 0;
    } else {
        walk.sideDistY += deltaDistY;
        walk.mapY += ray.stepY;
        walk.side = 1;
    }
}

// Draws the slice of the wall in cell (cellX, cellY) hit on the given side
// into column x and returns where it lies. A cell outside the grid or naming
// no wall is measured but not drawn.
template <bool LIT>
WallSlice drawWallSlice(const FrameView& view, const Ray& ray, int x, int cellX, int cellY, int side,
                        uint32_t* column) {
    const int H = view.height;
    WallSlice slice;
    slice.cellX = cellX;
    slice.cellY = cellY;
    slice.side = side;

    // (1 - step) / 2 moves the measurement to the face the ray meets: 0 when
    // stepping forward, 1 when stepping back.
    float perpDist;
    float wallX;
    if (side == 0) {
        const float along = (cellX - ray.origin.x + (1 - ray.stepX) / 2) / ray.direction.x;
        perpDist = std::fabs(along);
        wallX = ray.origin.y + along * ray.direction.y;
    } else {
        const float along = (cellY - ray.origin.y + (1 - ray.stepY) / 2) / ray.direction.y;
        perpDist = std::fabs(along);
        wallX = ray.origin.x + along * ray.direction.x;
    }
    slice.distance = perpDist;
    slice.wallX = wallX - std::floor(static_cast<double>(wallX));
    if (!(slice.wallX >= 0.0 && slice.wallX < 1.0)) slice.wallX = 0.0;  // NaN

    const int L = truncClamped(static_cast<double>(H) / perpDist, MAX_SLICE);
    const bool inGrid = static_cast<unsigned>(cellX) < static_cast<unsigned>(view.gridWidth) &&
                        static_cast<unsigned>(cellY) < static_cast<unsigned>(view.gridHeight);
    const int32_t number = inGrid ? view.wallCells[cellX][cellY] : 0;
    const uint32_t* image = view.texture(number);
    const int h = image ? view.storeys[number] : 1;

    // A wall of h storeys rises (h - 1) * L rows above a one-storey wall, on
    // the same foot row.
    const int64_t drawStart = H / 2 - L / 2 + static_cast<int64_t>(1 - h) * L - 1;
    const int drawTop = drawStart > 0 ? static_cast<int>(drawStart) : 0;
    int drawEnd = H / 2 + L / 2;
    if (drawEnd >= H) drawEnd = H - 1;
    slice.drawEnd = drawEnd;
    if (!image || drawTop > drawEnd) return slice;

    const int tw = view.texWidth;
    const int th = view.texHeight;
    int texX = clampIndex(truncClamped(tw * slice.wallX, 1 << 30), tw);
    if ((side == 0 && ray.direction.x > 0) || (side == 1 && ray.direction.y < 0)) texX = tw - texX - 1;
    const uint32_t* texels = image + texX;  // this column of the texture, one row every tw
    const int lastRow = h * th - 1;
    const bool halve = view.useSideShading && side == 1;

    [[maybe_unused]] uint8_t shade = 0;
    [[maybe_unused]] uint8_t* dark = nullptr;
    if constexpr (LIT) {
        shade = FrameView::darknessIndex(std::abs(static_cast<int>(view.position.x) - cellX) +
                                  std::abs(static_cast<int>(view.position.y) - cellY));
        dark = view.darkColumn(x) + drawTop;
    }
    // Writes one wall pixel (unless see-through) and steps to the next row.
    uint32_t* pixel = column + drawTop;
    auto put = [&](uint32_t colour) {
        if (colour != WALL_TRANSPARENT_COLOR) {
            if (halve) colour = (colour >> 1) & 0x007F7F7Fu;
            if constexpr (LIT) *dark = shade;
            *pixel = colour;
        }
        ++pixel;
        if constexpr (LIT) ++dark;
    };

    if (h == 1) {
        // Texel row (accumulator / (L + 2)) >> 8, where the accumulator starts
        // at 128 * 64 * (2 * drawTop - H + L + 2) and grows by 256 * 64 a row,
        // is floor(accumulator / (256 * (L + 2))): kept as quotient and
        // remainder, it steps without a division.
        const int64_t divisor = 256LL * (L + 2);
        const int64_t start = 128LL * th * (2LL * drawTop - H + L + 2);
        const int64_t step = 256LL * th;
        int64_t row = floorDivide(start, divisor);
        int64_t rest = start - row * divisor;
        const int64_t rowStep = step / divisor;
        const int64_t restStep = step % divisor;
        for (int y = drawTop; y <= drawEnd; ++y) {
            // A row above the texture (an odd screen height) shows its top.
            const int64_t texY = row < 0 ? 0 : (row > lastRow ? lastRow : row);
            put(texels[texY * tw]);
            row += rowStep;
            rest += restStep;
            if (rest >= divisor) {
                rest -= divisor;
                ++row;
            }
        }
    } else {
        const float rows = static_cast<float>(h * th);
        const float span = static_cast<float>(int64_t{h} * L + 2);
        for (int y = drawTop; y <= drawEnd; ++y) {
            const int texY = clampIndex(truncClamped(rows * (static_cast<float>(y - drawStart) / span), 1 << 30),
                                        lastRow + 1);
            put(texels[texY * tw]);
        }
    }
    return slice;
}

}  // namespace

template <bool LIT>
WallSlice castWallColumn(const FrameView& view, const Ray& ray, int x, uint32_t* column) {
    const int gridWidth = view.gridWidth;
    const int gridHeight = view.gridHeight;
    const int mapX = static_cast<int>(ray.origin.x);
    const int mapY = static_cast<int>(ray.origin.y);

    // A zero component gives an infinite distance: the ray never steps
    // along that axis.
    const Vec2 d = ray.direction;
    const float deltaDistX = std::sqrt(1.0f + (d.y * d.y) / (d.x * d.x));
    const float deltaDistY = std::sqrt(1.0f + (d.x * d.x) / (d.y * d.y));
    const float sideDistX = ray.stepX < 0 ? (ray.origin.x - mapX) * deltaDistX
                                    : (mapX + 1.0f - ray.origin.x) * deltaDistX;
    const float sideDistY = ray.stepY < 0 ? (ray.origin.y - mapY) * deltaDistY
                                    : (mapY + 1.0f - ray.origin.y) * deltaDistY;

    GridWalk walk{mapX, mapY, sideDistX, sideDistY, 0};
    bool outside = false;
    for (;;) {
        stepRay(walk, ray, deltaDistX, deltaDistY);
        if (static_cast<unsigned>(walk.mapX) >= static_cast<unsigned>(gridWidth) ||
            static_cast<unsigned>(walk.mapY) >= static_cast<unsigned>(gridHeight)) {
            outside = true;
            break;
        }
        if (view.wallCells[walk.mapX][walk.mapY] != 0) break;
    }

    // The border wall behind the near one is drawn first, so the near wall's
    // see-through texels show it.
    const auto inside = [&](const GridWalk& w) {
        return w.mapX > 0 && w.mapX < gridWidth - 1 && w.mapY > 0 && w.mapY < gridHeight - 1;
    };
    if (view.transparentWall && !outside && inside(walk)) {
        GridWalk far = walk;
        while (inside(far)) stepRay(far, ray, deltaDistX, deltaDistY);
        drawWallSlice<LIT>(view, ray, x, far.mapX, far.mapY, far.side, column);
    }
    return drawWallSlice<LIT>(view, ray, x, walk.mapX, walk.mapY, walk.side, column);
}

template WallSlice castWallColumn<true>(const FrameView&, const Ray&, int, uint32_t*);
template WallSlice castWallColumn<false>(const FrameView&, const Ray&, int, uint32_t*);

}  // namespace raycast
