#include "render/Raycaster.h"

#include "render/DarknessTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Rounds toward minus infinity, unlike '/'.
int64_t floorDivide(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

Raycaster::Raycaster(uint32_t textureWidth, int32_t textureHeight, int screenWidth, int screenHeight)
    : width(screenWidth > 0 ? screenWidth : 0),
      height(screenHeight > 0 ? screenHeight : 0),
      texWidth(textureWidth),
      texHeight(textureHeight),
      depth(width, 0.0),
      rowDistance(height, 0.0),
      floorU(height + 1, 0),
      floorV(height + 1, 0),
      spriteTexelRow(height, 0) {
    if (texWidth != TEXTURE_SIZE || texHeight != TEXTURE_SIZE) {
        Engine::log("Raycaster: texture size %ux%d is not the levels' %dx%d; using theirs",
                    texWidth, texHeight, TEXTURE_SIZE, TEXTURE_SIZE);
        texWidth = TEXTURE_SIZE;
        texHeight = TEXTURE_SIZE;
    }
    // The distance of the floor a screen row shows depends on the row alone.
    for (int y = 0; y < height; ++y) rowDistance[y] = height / (2.0 * y - height);
}

bool Raycaster::wallImageFits(const Level& frameLevel, const Wall& wall, size_t number) {
    const TexelImage* image = wall.image.get();
    if (!image || !image->pixels) return false;
    // Every row the slice samples, 64 per storey, must be in the image.
    if (wall.height >= 1 && image->width == static_cast<int>(texWidth) &&
        image->height / texHeight >= wall.height)
        return true;
    reportOnce(image, "Raycaster: level \"%s\" wall %zu: its image is %dx%d texels but the wall is "
                      "%d storeys of %ux%d; not drawn",
               frameLevel.name.c_str(), number, image->width, image->height, wall.height, texWidth,
               texHeight);
    return false;
}

bool Raycaster::spriteImageFits(const Level& frameLevel, const SpriteDefinition& definition,
                                size_t index) {
    const TexelImage* image = definition.image.get();
    if (!image || !image->pixels) return false;
    if (image->width == static_cast<int>(texWidth) && image->height == texHeight) return true;
    reportOnce(image, "Raycaster: level \"%s\" sprite definition %zu: its image is %dx%d texels, "
                      "not %ux%d; not drawn",
               frameLevel.name.c_str(), index + 1, image->width, image->height, texWidth, texHeight);
    return false;
}

template <typename... Args>
void Raycaster::reportOnce(const TexelImage* image, const char* format, Args... args) {
    // A bad image is met every frame; its line is worth writing once.
    if (std::find(reported.begin(), reported.end(), image) != reported.end()) return;
    reported.push_back(image);
    Engine::log(format, args...);
}

bool Raycaster::prepareFrame(const Level& frameLevel, SDL_Surface* overlay) {
    level = &frameLevel;
    wallCells = frameLevel.wallGrid.data();
    floorCells = frameLevel.hasFloor ? frameLevel.floorGrid.data() : nullptr;
    ceilingCells = frameLevel.hasCeiling ? frameLevel.ceilingGrid.data() : nullptr;

    // The grids are walked within the extent all of them share, so an
    // inconsistent level can never send a read past a column.
    gridWidth = static_cast<int>(std::min<uint32_t>(frameLevel.width, frameLevel.wallGrid.width()));
    gridHeight = static_cast<int>(std::min<uint32_t>(frameLevel.height, frameLevel.wallGrid.height()));
    if (floorCells) {
        gridWidth = std::min<int>(gridWidth, frameLevel.floorGrid.width());
        gridHeight = std::min<int>(gridHeight, frameLevel.floorGrid.height());
    }
    if (ceilingCells) {
        gridWidth = std::min<int>(gridWidth, frameLevel.ceilingGrid.width());
        gridHeight = std::min<int>(gridHeight, frameLevel.ceilingGrid.height());
    }
    if (!wallCells || gridWidth <= 0 || gridHeight <= 0) return false;

    // Wall numbers resolve through one flat table; a number naming no wall,
    // or a wall without a usable image, resolves to null and draws nothing.
    const size_t count = frameLevel.walls.size() + 1;
    if (textures.size() < count) {
        textures.resize(count);
        storeys.resize(count);
    }
    textureCount = static_cast<uint32_t>(count);
    textures[0] = nullptr;
    storeys[0] = 1;
    for (size_t n = 1; n < count; ++n) {
        const Wall& wall = frameLevel.walls[n - 1];
        const bool usable = wallImageFits(frameLevel, wall, n);
        textures[n] = usable ? wall.image->pixels.get() : nullptr;
        storeys[n] = usable ? wall.height : 1;
    }

    const DarknessTable& table = DarknessTable::shared();
    for (int d = 0; d <= 8; ++d) darkness[d] = table.word(d);
    overlayPixels = nullptr;
    if (useLighting && overlay && overlay->pixels && overlay->format->BytesPerPixel == 4 && overlay->w >= width &&
        overlay->h >= height) {
        overlayPixels = static_cast<uint8_t*>(overlay->pixels);
        overlayPitch = overlay->pitch;
    }
    return true;
}

void Raycaster::prepareCellLooks() {
    const size_t count = static_cast<size_t>(gridWidth) * gridHeight;
    if (cellLooks.size() < count) cellLooks.resize(count);
    const int cameraCellX = static_cast<int>(position.x);
    const int cameraCellY = static_cast<int>(position.y);
    CellLook* look = cellLooks.data();
    for (int x = 0; x < gridWidth; ++x) {
        for (int y = 0; y < gridHeight; ++y, ++look) {
            look->floor = floorCells ? texture(floorCells[x][y]) : nullptr;
            look->ceiling = ceilingCells ? texture(ceilingCells[x][y]) : nullptr;
            look->shade = darknessWord(std::abs(cameraCellX - x) + std::abs(cameraCellY - y));
        }
    }
}

void Raycaster::castFrame(const Vec2* cameraPosition, const Vec2* direction, const Vec2* cameraPlane,
                          const Level& frameLevel, FrameBuffer& frame, SDL_Surface* overlay) {
    if (!cameraPosition || !direction || !cameraPlane || width == 0 || height == 0) return;
    if (frame.width() != width || frame.height() != height) {
        Engine::log("Raycaster: a %dx%d frame cannot take a %dx%d view; nothing drawn", frame.width(),
                    frame.height(), width, height);
        return;
    }
    uint32_t* const* frameBuffer = frame.columns();
    position = *cameraPosition;
    mapX = mapY = stepX = stepY = 0;
    std::fill(depth.begin(), depth.end(), 0.0);

    // An overlay that must be locked and cannot be gets no darkness this
    // frame; the view itself is still drawn.
    const bool lockOverlay = useLighting && overlay && SDL_MUSTLOCK(overlay) && SDL_LockSurface(overlay) == 0;
    if (useLighting && overlay && SDL_MUSTLOCK(overlay) && !lockOverlay) overlay = nullptr;
    if (prepareFrame(frameLevel, overlay) && position.x >= 0.0f && position.x < gridWidth && position.y >= 0.0f &&
        position.y < gridHeight) {
        prepareCellLooks();
        if (overlayPixels)
            castColumns<true>(*direction, *cameraPlane, frameBuffer);
        else
            castColumns<false>(*direction, *cameraPlane, frameBuffer);
        drawSprites(*direction, *cameraPlane, frameBuffer);
    }
    if (lockOverlay) SDL_UnlockSurface(overlay);
    overlayPixels = nullptr;
    level = nullptr;
}

template <bool LIT>
void Raycaster::castColumns(const Vec2& direction, const Vec2& cameraPlane, uint32_t* const* frameBuffer) {
    const int W = width;
    for (int x = 0; x < W; ++x) {
        const double cameraX = 2.0 * x / W - 1.0;
        rayPosition = position;
        rayDirection = Vec2(static_cast<float>(direction.x + cameraPlane.x * cameraX),
                            static_cast<float>(direction.y + cameraPlane.y * cameraX));
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
            if (wallCells[mapX][mapY] != 0) break;
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
            drawWallColumn<LIT>(x, farX, farY, farSide, frameBuffer[x]);
        }

        const WallSlice slice = drawWallColumn<LIT>(x, mapX, mapY, side, frameBuffer[x]);
        depth[x] = slice.distance;
        drawFloorAndCeiling<LIT>(x, side, slice, frameBuffer[x]);
    }
}

template <bool LIT>
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
    if (!(slice.wallX >= 0.0 && slice.wallX < 1.0)) slice.wallX = 0.0;  // NaN

    const int L = truncClamped(static_cast<double>(H) / perpDist, MAX_SLICE);
    const bool inGrid = static_cast<unsigned>(cellX) < static_cast<unsigned>(gridWidth) &&
                        static_cast<unsigned>(cellY) < static_cast<unsigned>(gridHeight);
    const int32_t number = inGrid ? wallCells[cellX][cellY] : 0;
    const uint32_t* image = texture(number);
    const int h = image ? storeys[number] : 1;

    // A wall of h storeys rises (h - 1) * L rows above a one-storey wall, on
    // the same foot row.
    const int64_t drawStart = H / 2 - L / 2 + static_cast<int64_t>(1 - h) * L - 1;
    const int drawTop = drawStart > 0 ? static_cast<int>(drawStart) : 0;
    int drawEnd = H / 2 + L / 2;
    if (drawEnd >= H) drawEnd = H - 1;
    slice.drawEnd = drawEnd;
    if (!image || drawTop > drawEnd) return slice;

    const int tw = static_cast<int>(texWidth);
    int texX = clampIndex(truncClamped(tw * slice.wallX, 1 << 30), tw);
    if ((side == 0 && rayDirection.x > 0) || (side == 1 && rayDirection.y < 0)) texX = tw - texX - 1;
    const uint32_t* texels = image + texX;  // this column of the texture, one row every tw
    const int lastRow = h * texHeight - 1;
    const bool halve = useSideShading && side == 1;

    [[maybe_unused]] uint32_t shade = 0;
    [[maybe_unused]] uint8_t* dark = nullptr;
    [[maybe_unused]] const ptrdiff_t pitch = overlayPitch;
    if constexpr (LIT) {
        shade = darknessWord(std::abs(static_cast<int>(position.x) - cellX) +
                             std::abs(static_cast<int>(position.y) - cellY));
        dark = overlayPixels + static_cast<ptrdiff_t>(drawTop) * pitch + static_cast<ptrdiff_t>(x) * 4;
    }
    // Writes one wall pixel (unless see-through) and steps to the next row.
    uint32_t* pixel = column + drawTop;
    auto put = [&](uint32_t colour) {
        if (colour != WALL_TRANSPARENT_COLOR) {
            if (halve) colour = (colour >> 1) & 0x007F7F7Fu;
            if constexpr (LIT) *reinterpret_cast<uint32_t*>(dark) = shade;
            *pixel = colour;
        }
        ++pixel;
        if constexpr (LIT) dark += pitch;
    };

    if (h == 1) {
        // Texel row (accumulator / (L + 2)) >> 8, where the accumulator starts
        // at 128 * 64 * (2 * drawTop - H + L + 2) and grows by 256 * 64 a row,
        // is floor(accumulator / (256 * (L + 2))): kept as quotient and
        // remainder, it steps without a division.
        const int64_t divisor = 256LL * (L + 2);
        const int64_t start = 128LL * texHeight * (2LL * drawTop - H + L + 2);
        const int64_t step = 256LL * texHeight;
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
        const float rows = static_cast<float>(h * texHeight);
        const float span = static_cast<float>(int64_t{h} * L + 2);
        for (int y = drawTop; y <= drawEnd; ++y) {
            const int texY = clampIndex(truncClamped(rows * (static_cast<float>(y - drawStart) / span), 1 << 30),
                                        lastRow + 1);
            put(texels[texY * tw]);
        }
    }
    return slice;
}

template <bool LIT>
void Raycaster::drawFloorAndCeiling(int x, int side, const WallSlice& slice, uint32_t* column) {
    const int H = height;
    if ((!floorCells && !ceilingCells) || slice.drawEnd + 1 >= H) return;
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

    // First the floor point of every row, as 64 times its coordinates
    // truncated: one conversion gives both the cell (the high bits) and the
    // texel (the low six). Where SSE2 is there, two rows at a time, each
    // computed exactly as the one-row loop does.
    const int firstRow = slice.drawEnd + 1;
    const double cameraX = position.x;
    const double cameraY = position.y;
    const float tw = static_cast<float>(texWidth);
    const float th = static_cast<float>(texHeight);
    int32_t* u = floorU.data();
    int32_t* v = floorV.data();
    int y = firstRow;
#if defined(__SSE2__)
    {
        const __m128d dist = _mm_set1_pd(distWall);
        const __m128d one = _mm_set1_pd(1.0);
        const __m128d wallXs = _mm_set1_pd(floorXWall);
        const __m128d wallYs = _mm_set1_pd(floorYWall);
        const __m128d cameraXs = _mm_set1_pd(cameraX);
        const __m128d cameraYs = _mm_set1_pd(cameraY);
        const __m128 scale = _mm_setr_ps(tw, tw, th, th);
        for (; y + 1 < H; y += 2) {
            const __m128d w = _mm_div_pd(_mm_loadu_pd(&rowDistance[y]), dist);
            const __m128d rest = _mm_sub_pd(one, w);
            const __m128d px = _mm_add_pd(_mm_mul_pd(w, wallXs), _mm_mul_pd(rest, cameraXs));
            const __m128d py = _mm_add_pd(_mm_mul_pd(w, wallYs), _mm_mul_pd(rest, cameraYs));
            const __m128 points = _mm_movelh_ps(_mm_cvtpd_ps(px), _mm_cvtpd_ps(py));  // x0 x1 y0 y1
            const __m128i scaled = _mm_cvttps_epi32(_mm_mul_ps(points, scale));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(u + y), scaled);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(v + y), _mm_unpackhi_epi64(scaled, scaled));
        }
    }
#endif
    for (; y < H; ++y) {
        const double w = rowDistance[y] / distWall;
        u[y] = static_cast<int>(tw * static_cast<float>(w * floorXWall + (1.0 - w) * cameraX));
        v[y] = static_cast<int>(th * static_cast<float>(w * floorYWall + (1.0 - w) * cameraY));
    }

    // Then the pixels. The point lies between the camera and the wall, so
    // inside the grid but for rounding, which the clamp catches. Members are
    // copied to locals: the pixel stores could alias them, and reloading
    // them every row costs more than the rest of the row.
    const int lastCellX = gridWidth - 1;
    const int lastCellY = gridHeight - 1;
    const int cellsPerColumn = gridHeight;
    const CellLook* looks = cellLooks.data();
    uint32_t* floorPixel = column + firstRow;
    uint32_t* ceilingPixel = column + (H - 1 - firstRow);
    [[maybe_unused]] const ptrdiff_t pitch = overlayPitch;
    [[maybe_unused]] uint8_t* floorDark = nullptr;
    [[maybe_unused]] uint8_t* ceilingDark = nullptr;
    if constexpr (LIT) {
        floorDark = overlayPixels + firstRow * pitch + static_cast<ptrdiff_t>(x) * 4;
        ceilingDark = overlayPixels + (H - 1 - firstRow) * pitch + static_cast<ptrdiff_t>(x) * 4;
    }
    for (y = firstRow; y < H; ++y) {
        const int32_t cellU = u[y];
        const int32_t cellV = v[y];
        const int cellX = std::clamp(cellU >> 6, 0, lastCellX);
        const int cellY = std::clamp(cellV >> 6, 0, lastCellY);
        const int texel = (cellV & 63) * 64 + (cellU & 63);
        const CellLook look = looks[cellX * cellsPerColumn + cellY];
        if (look.floor) {
            if constexpr (LIT) *reinterpret_cast<uint32_t*>(floorDark) = look.shade;
            *floorPixel = look.floor[texel];
        }
        if (look.ceiling) {
            if constexpr (LIT) *reinterpret_cast<uint32_t*>(ceilingDark) = look.shade;
            *ceilingPixel = look.ceiling[texel];
        }
        ++floorPixel;
        --ceilingPixel;
        if constexpr (LIT) {
            floorDark += pitch;
            ceilingDark -= pitch;
        }
    }
}

void Raycaster::drawSprites(const Vec2& direction, const Vec2& cameraPlane, uint32_t* const* frameBuffer) {
    const Level& lv = *level;
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

    const int tw = static_cast<int>(texWidth);
    const double invDet = 1.0 / (static_cast<double>(cameraPlane.x) * direction.y -
                                 static_cast<double>(direction.x) * cameraPlane.y);
    for (int k = 0; k < n; ++k) {
        const Sprite& sprite = lv.sprites[spriteOrder[k]];
        if (!sprite.isVisible || sprite.definition >= lv.spriteDefinitions.size()) continue;
        const SpriteDefinition& def = lv.spriteDefinitions[sprite.definition];
        if (!spriteImageFits(lv, def, sprite.definition)) continue;

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
        if (drawStartY >= drawEndY || drawStartX >= drawEndX) continue;

        // Every column of the sprite samples the same texel rows.
        for (int y = drawStartY; y < drawEndY; ++y) {
            const int64_t t = 256LL * (y - moveScreen) - 128LL * H + 128LL * spriteHeight;
            spriteTexelRow[y] = clampIndex((texHeight * t / spriteHeight) / 256, texHeight) * tw;
        }

        // Lit as if one cell nearer than the cell it stands in.
        const int cellDistance = std::abs(static_cast<int>(position.x) - truncClamped(sprite.position.x, 1 << 30)) +
                                 std::abs(static_cast<int>(position.y) - truncClamped(sprite.position.y, 1 << 30));
        const uint32_t shade = darknessWord(cellDistance - 1);
        const uint32_t* image = def.image->pixels.get();

        for (int stripe = drawStartX; stripe < drawEndX; ++stripe) {
            if (stripe <= 0 || stripe >= W || !(depth[stripe] > transformY)) continue;
            const int64_t texX64 = (int64_t{stripe - screenX + spriteWidth / 2} * 256 * tw / spriteWidth) / 256;
            const uint32_t* texels = image + clampIndex(texX64, tw);
            uint32_t* column = frameBuffer[stripe];
            for (int y = drawStartY; y < drawEndY; ++y) {
                const uint32_t colour = texels[spriteTexelRow[y]];
                if ((colour & 0x00FFFFFFu) == 0) continue;  // black of any alpha is see-through
                if (overlayPixels) overlayRow(y)[stripe] = shade;
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
        for (int i = 0; i < n - gap; ++i) {
            if (distance[i + gap] > distance[i]) {
                std::swap(distance[i], distance[i + gap]);
                std::swap(order[i], order[i + gap]);
                swapped = true;
            }
        }
    }
}
