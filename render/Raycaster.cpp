#include "render/Raycaster.h"

#include "render/DarknessTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Slice and sprite sizes beyond this many rows are cut down to it: they are
// far taller than any screen, and it keeps every later product inside 64-bit
// (and every row inside 32-bit) integers, even for a camera touching a wall.
constexpr double MAX_SLICE = 1 << 22;

// trunc(v) as an int, with NaN and values beyond +-limit pinned, since
// converting those is undefined.
int truncClamped(double v, double limit) {
    if (!(v > -limit)) return v != v ? 0 : static_cast<int>(-limit);
    if (v > limit) return static_cast<int>(limit);
    return static_cast<int>(v);
}

int clampIndex(int64_t v, int count) {
    return v < 0 ? 0 : (v >= count ? count - 1 : static_cast<int>(v));
}

// The texture of a 1-based wall number, or null when the number names none.
const Wall* wallNumbered(const Level& level, int32_t number) {
    if (number < 1 || static_cast<size_t>(number) > level.walls.size()) return nullptr;
    const Wall& wall = level.walls[number - 1];
    return wall.image && wall.height >= 1 ? &wall : nullptr;
}

}  // namespace

Raycaster::Raycaster(uint32_t textureWidth, int32_t textureHeight, int screenWidth, int screenHeight)
    : width(screenWidth > 0 ? screenWidth : 0),
      height(screenHeight > 0 ? screenHeight : 0),
      texWidth(textureWidth),
      texHeight(textureHeight),
      depth(width, 0.0) {
    if (texWidth != TEXTURE_SIZE || texHeight != TEXTURE_SIZE) {
        Engine::log("Raycaster: texture size %ux%d is not the levels' %dx%d; using theirs",
                    texWidth, texHeight, TEXTURE_SIZE, TEXTURE_SIZE);
        texWidth = TEXTURE_SIZE;
        texHeight = TEXTURE_SIZE;
    }
}

void Raycaster::castFrame(const Vec2* cameraPosition, const Vec2* direction, const Vec2* cameraPlane,
                          const Level& frameLevel, uint32_t* const* frameBuffer, SDL_Surface* overlay) {
    if (!cameraPosition || !direction || !cameraPlane || !frameBuffer || width == 0 || height == 0) return;
    const int W = width;
    const int H = height;
    level = &frameLevel;
    position = *cameraPosition;
    mapX = mapY = stepX = stepY = 0;
    std::fill(depth.begin(), depth.end(), 0.0);

    // The grids are walked within the extent all of them share, so an
    // inconsistent level can never send a read past a column.
    gridWidth = static_cast<int>(std::min<uint32_t>(frameLevel.width, frameLevel.wallGrid.width()));
    gridHeight = static_cast<int>(std::min<uint32_t>(frameLevel.height, frameLevel.wallGrid.height()));
    if (frameLevel.hasFloor && !frameLevel.floorGrid.empty()) {
        gridWidth = std::min<int>(gridWidth, frameLevel.floorGrid.width());
        gridHeight = std::min<int>(gridHeight, frameLevel.floorGrid.height());
    }
    if (frameLevel.hasCeiling && !frameLevel.ceilingGrid.empty()) {
        gridWidth = std::min<int>(gridWidth, frameLevel.ceilingGrid.width());
        gridHeight = std::min<int>(gridHeight, frameLevel.ceilingGrid.height());
    }
    if (frameLevel.wallGrid.empty() || gridWidth <= 0 || gridHeight <= 0) return;
    if (!(position.x >= 0.0f && position.x < gridWidth && position.y >= 0.0f && position.y < gridHeight))
        return;

    const DarknessTable& table = DarknessTable::shared();
    for (int d = 0; d <= 8; ++d) darkness[d] = table.word(d);
    overlayPixels = nullptr;
    const bool lockOverlay = useLighting && overlay && SDL_MUSTLOCK(overlay);
    if (lockOverlay && SDL_LockSurface(overlay) != 0) return;
    if (useLighting && overlay && overlay->pixels && overlay->format->BytesPerPixel == 4 && overlay->w >= W &&
        overlay->h >= H) {
        overlayPixels = static_cast<uint8_t*>(overlay->pixels);
        overlayPitch = overlay->pitch;
    }

    for (int x = 0; x < W; ++x) {
        const double cameraX = 2.0 * x / W - 1.0;
        rayPosition = position;
        rayDirection = Vec2(static_cast<float>(direction->x + cameraPlane->x * cameraX),
                            static_cast<float>(direction->y + cameraPlane->y * cameraX));
        mapX = static_cast<int>(rayPosition.x);
        mapY = static_cast<int>(rayPosition.y);

        // A zero component gives an infinite distance: the ray never steps
        // along that axis.
        const float deltaDistX = std::sqrt(1.0f + (rayDirection.y * rayDirection.y) / (rayDirection.x * rayDirection.x));
        const float deltaDistY = std::sqrt(1.0f + (rayDirection.x * rayDirection.x) / (rayDirection.y * rayDirection.y));
        float sideDistX;
        float sideDistY;
        if (rayDirection.x < 0) {
            stepX = -1;
            sideDistX = (rayPosition.x - mapX) * deltaDistX;
        } else {
            stepX = 1;
            sideDistX = (mapX + 1.0f - rayPosition.x) * deltaDistX;
        }
        if (rayDirection.y < 0) {
            stepY = -1;
            sideDistY = (rayPosition.y - mapY) * deltaDistY;
        } else {
            stepY = 1;
            sideDistY = (mapY + 1.0f - rayPosition.y) * deltaDistY;
        }

        // Walk to the first wall; on a tie the ray steps along y. Stepping
        // out of the grid ends the walk at its edge, where no wall is drawn.
        int side = 0;
        bool outside = false;
        for (;;) {
            if (sideDistY > sideDistX) {
                sideDistX += deltaDistX;
                mapX += stepX;
                side = 0;
            } else {
                sideDistY += deltaDistY;
                mapY += stepY;
                side = 1;
            }
            if (static_cast<unsigned>(mapX) >= static_cast<unsigned>(gridWidth) ||
                static_cast<unsigned>(mapY) >= static_cast<unsigned>(gridHeight)) {
                outside = true;
                break;
            }
            if (frameLevel.wallGrid[mapX][mapY] != 0) break;
        }

        // The border wall behind the near one is drawn first, so the near
        // wall's see-through texels show it.
        const bool interior = !outside && mapX > 0 && mapX < gridWidth - 1 && mapY > 0 && mapY < gridHeight - 1;
        if (transparentWall && interior) {
            int farX = mapX;
            int farY = mapY;
            float farSideDistX = sideDistX;
            float farSideDistY = sideDistY;
            int farSide = side;
            while (farX > 0 && farX < gridWidth - 1 && farY > 0 && farY < gridHeight - 1) {
                if (farSideDistY > farSideDistX) {
                    farSideDistX += deltaDistX;
                    farX += stepX;
                    farSide = 0;
                } else {
                    farSideDistY += deltaDistY;
                    farY += stepY;
                    farSide = 1;
                }
            }
            drawWallColumn(x, farX, farY, farSide, frameBuffer[x]);
        }

        const WallSlice slice = drawWallColumn(x, mapX, mapY, side, frameBuffer[x]);
        depth[x] = slice.distance;
        drawFloorAndCeiling(x, side, slice, frameBuffer[x]);
    }

    drawSprites(*direction, *cameraPlane, frameLevel, frameBuffer);

    if (lockOverlay) SDL_UnlockSurface(overlay);
    overlayPixels = nullptr;
    level = nullptr;
}

Raycaster::WallSlice Raycaster::drawWallColumn(int x, int cellX, int cellY, int side, uint32_t* column) {
    const int H = height;
    WallSlice slice;

    // (1 - step) / 2 moves the measurement to the face the ray meets: 0 when
    // stepping forward, 1 when stepping back.
    float perpDist;
    float wallX;
    if (side == 0) {
        const float along = (cellX - rayPosition.x + (1 - stepX) / 2) / rayDirection.x;
        perpDist = std::fabs(along);
        wallX = rayPosition.y + along * rayDirection.y;
    } else {
        const float along = (cellY - rayPosition.y + (1 - stepY) / 2) / rayDirection.y;
        perpDist = std::fabs(along);
        wallX = rayPosition.x + along * rayDirection.x;
    }
    slice.distance = perpDist;
    slice.wallX = wallX - std::floor(static_cast<double>(wallX));
    if (!(slice.wallX >= 0.0 && slice.wallX < 1.0)) slice.wallX = 0.0;  // NaN or rounding to 1

    const int L = truncClamped(static_cast<double>(H) / perpDist, MAX_SLICE);
    const bool inGrid = static_cast<unsigned>(cellX) < static_cast<unsigned>(gridWidth) &&
                        static_cast<unsigned>(cellY) < static_cast<unsigned>(gridHeight);
    const Wall* wall = inGrid ? wallNumbered(*level, level->wallGrid[cellX][cellY]) : nullptr;
    const int h = wall ? wall->height : 1;

    // A wall of h storeys rises (h - 1) * L rows above a one-storey wall, on
    // the same foot row.
    const int64_t drawStart = H / 2 - L / 2 + static_cast<int64_t>(1 - h) * L - 1;
    const int drawTop = drawStart > 0 ? static_cast<int>(drawStart) : 0;
    int drawEnd = H / 2 + L / 2;
    if (drawEnd >= H) drawEnd = H - 1;
    slice.drawEnd = drawEnd;
    if (!wall || drawTop > drawEnd) return slice;

    int texX = clampIndex(truncClamped(texWidth * slice.wallX, 1 << 30), static_cast<int>(texWidth));
    if ((side == 0 && rayDirection.x > 0) || (side == 1 && rayDirection.y < 0))
        texX = static_cast<int>(texWidth) - texX - 1;

    const int d = std::abs(static_cast<int>(position.x) - cellX) + std::abs(static_cast<int>(position.y) - cellY);
    const uint32_t shade = darknessWord(d);
    const uint32_t* image = wall->image.get();
    const int rows = h * texHeight;

    // One storey: fixed point in 1/256 texel rows; taller walls step in float.
    int64_t accumulator = 128LL * texHeight * (2LL * drawTop - H + L + 2);
    for (int y = drawTop; y <= drawEnd; ++y, accumulator += 256LL * texHeight) {
        int64_t texY;
        if (h == 1)
            texY = accumulator < 0 ? 0 : (accumulator / (L + 2)) >> 8;
        else
            texY = truncClamped(static_cast<float>(h * texHeight) *
                                    (static_cast<float>(y - drawStart) / static_cast<float>(int64_t{h} * L + 2)),
                                1 << 30);
        uint32_t colour = image[clampIndex(texY, rows) * texWidth + texX];
        if (colour == WALL_TRANSPARENT_COLOR) continue;
        if (useSideShading && side == 1) colour = (colour >> 1) & 0x007F7F7Fu;
        writeDarkness(x, y, shade);
        column[y] = colour;
    }
    return slice;
}

void Raycaster::drawFloorAndCeiling(int x, int side, const WallSlice& slice, uint32_t* column) {
    const int H = height;
    const Level& lv = *level;
    const bool floor = lv.hasFloor && !lv.floorGrid.empty();
    const bool ceiling = lv.hasCeiling && !lv.ceilingGrid.empty();
    if ((!floor && !ceiling) || slice.drawEnd + 1 >= H) return;
    const double distWall = slice.distance;
    if (!(distWall > 0.0 && distWall < MAX_SLICE)) return;

    // Where the wall's face meets the floor.
    double floorXWall;
    double floorYWall;
    if (side == 0 && rayDirection.x > 0) {
        floorXWall = mapX;
        floorYWall = mapY + slice.wallX;
    } else if (side == 0 && rayDirection.x < 0) {
        floorXWall = mapX + 1.0;
        floorYWall = mapY + slice.wallX;
    } else if (side == 1 && rayDirection.y > 0) {
        floorXWall = mapX + slice.wallX;
        floorYWall = mapY;
    } else {
        floorXWall = mapX + slice.wallX;
        floorYWall = mapY + 1.0;
    }

    const int cameraCellX = static_cast<int>(position.x);
    const int cameraCellY = static_cast<int>(position.y);
    for (int y = slice.drawEnd + 1; y < H; ++y) {
        const double currentDist = H / (2.0 * y - H);
        const double weight = currentDist / distWall;
        const float floorX = static_cast<float>(weight * floorXWall + (1.0 - weight) * position.x);
        const float floorY = static_cast<float>(weight * floorYWall + (1.0 - weight) * position.y);
        const int texX = static_cast<int>(static_cast<uint32_t>(truncClamped(texWidth * floorX, 1 << 30)) % texWidth);
        const int texY = static_cast<int>(static_cast<uint32_t>(truncClamped(texHeight * floorY, 1 << 30)) %
                                          static_cast<uint32_t>(texHeight));
        const int texel = texY * static_cast<int>(texWidth) + texX;
        const int cellX = clampIndex(truncClamped(floorX, 1 << 30), gridWidth);
        const int cellY = clampIndex(truncClamped(floorY, 1 << 30), gridHeight);
        const uint32_t shade = darknessWord(std::abs(cameraCellX - cellX) + std::abs(cameraCellY - cellY));

        if (floor) {
            if (const Wall* wall = wallNumbered(lv, lv.floorGrid[cellX][cellY])) {
                writeDarkness(x, y, shade);
                column[y] = wall->image[texel];
            }
        }
        if (ceiling) {
            if (const Wall* wall = wallNumbered(lv, lv.ceilingGrid[cellX][cellY])) {
                writeDarkness(x, H - 1 - y, shade);
                column[H - 1 - y] = wall->image[texel];
            }
        }
    }
}

void Raycaster::drawSprites(const Vec2& direction, const Vec2& cameraPlane, const Level& lv,
                            uint32_t* const* frameBuffer) {
    const int W = width;
    const int H = height;
    const int n = static_cast<int>(lv.sprites.size());
    if (n == 0) return;
    if (spriteOrder.size() < lv.sprites.size()) {
        spriteOrder.resize(lv.sprites.size());
        spriteDistance.resize(lv.sprites.size());
    }
    for (int i = 0; i < n; ++i) {
        const Vec2& at = lv.sprites[i].position;
        spriteOrder[i] = i;
        spriteDistance[i] = static_cast<double>((position.x - at.x) * (position.x - at.x) +
                                                (position.y - at.y) * (position.y - at.y));
    }
    sortSpritesFarToNear(spriteOrder.data(), spriteDistance.data(), n);

    const double invDet = 1.0 / (static_cast<double>(cameraPlane.x) * direction.y -
                                 static_cast<double>(direction.x) * cameraPlane.y);
    for (int k = 0; k < n; ++k) {
        const Sprite& sprite = lv.sprites[spriteOrder[k]];
        if (!sprite.isVisible || sprite.definition >= lv.spriteDefinitions.size()) continue;
        const SpriteDefinition& def = lv.spriteDefinitions[sprite.definition];
        if (!def.image) continue;

        const double sx = sprite.position.x - position.x;
        const double sy = sprite.position.y - position.y;
        const double transformX = invDet * (direction.y * sx - direction.x * sy);
        const double transformY = invDet * (-cameraPlane.y * sx + cameraPlane.x * sy);
        if (!(transformY > 0.0)) continue;  // behind the camera

        const int screenX = truncClamped((W / 2) * (1.0 + transformX / transformY), MAX_SLICE);
        const int moveScreen = truncClamped(std::trunc(def.move) / transformY, MAX_SLICE);
        const int size = truncClamped(H / transformY, MAX_SLICE);
        // A divisor below 1 would divide by zero or blow the sprite up.
        const int scaleX = std::max(1, truncClamped(def.scale.x, MAX_SLICE));
        const int scaleY = std::max(1, truncClamped(def.scale.y, MAX_SLICE));
        const int spriteHeight = size / scaleY;
        const int spriteWidth = size / scaleX;

        const int drawStartY = std::max(H / 2 - spriteHeight / 2 + moveScreen, 0);
        int drawEndY = spriteHeight / 2 + H / 2 + moveScreen;
        if (drawEndY >= H) drawEndY = H - 1;
        const int drawStartX = std::max(screenX - spriteWidth / 2, 0);
        int drawEndX = spriteWidth / 2 + screenX;
        if (drawEndX >= W) drawEndX = W - 1;
        if (drawStartY >= drawEndY) continue;

        // Lit as if one cell nearer than the cell it stands in.
        const int cellDistance = std::abs(static_cast<int>(position.x) - truncClamped(sprite.position.x, 1 << 30)) +
                                 std::abs(static_cast<int>(position.y) - truncClamped(sprite.position.y, 1 << 30));
        const uint32_t shade = darknessWord(cellDistance - 1);
        const uint32_t* image = def.image.get();

        for (int stripe = drawStartX; stripe < drawEndX; ++stripe) {
            if (stripe <= 0 || stripe >= W || !(depth[stripe] > transformY)) continue;
            const int64_t texX64 = (int64_t{stripe - screenX + spriteWidth / 2} * 256 * texWidth / spriteWidth) / 256;
            const int texX = clampIndex(texX64, static_cast<int>(texWidth));
            uint32_t* column = frameBuffer[stripe];
            for (int y = drawStartY; y < drawEndY; ++y) {
                const int64_t t = 256LL * (y - moveScreen) - 128LL * H + 128LL * spriteHeight;
                const int texY = clampIndex((texHeight * t / spriteHeight) / 256, texHeight);
                const uint32_t colour = image[texY * texWidth + texX];
                if ((colour & 0x00FFFFFFu) == 0) continue;  // black of any alpha is see-through
                writeDarkness(stripe, y, shade);
                column[y] = colour;
            }
        }
    }
}

void sortSpritesFarToNear(int32_t* order, double* distance, int n) {
    int gap = n;
    bool swapped = false;
    while (gap > 1 || swapped) {
        gap = gap * 10 / 13;
        if (gap == 9 || gap == 10) gap = 11;
        if (gap < 1) gap = 1;
        swapped = false;
        for (int i = 0; i + gap < n; ++i) {
            if (distance[i + gap] > distance[i]) {
                std::swap(distance[i], distance[i + gap]);
                std::swap(order[i], order[i + gap]);
                swapped = true;
            }
        }
    }
}
