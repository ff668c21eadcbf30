// The single-pixel writes and reads the darkness overlay and the red flash go
// through.

#include "render/SurfacePixels.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

SDL_Surface* surfaceOfDepth(int bitsPerPixel) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 3, bitsPerPixel, 0, 0, 0, 0);
}

const uint8_t* byteAt(const SDL_Surface* s, int x, int y) {
    return static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
}

}  // namespace

TEST(DarknessOverlay, PutPixelWritesAsManyBytesAsTheSurfaceHas) {
    for (int bits : {8, 16, 24, 32}) {
        SDL_Surface* s = surfaceOfDepth(bits);
        ASSERT_NE(s, nullptr);
        std::memset(s->pixels, 0xEE, static_cast<size_t>(s->pitch) * s->h);
        putPixel(s, 2, 1, 0x80AABBCCu);
        const uint8_t* p = byteAt(s, 2, 1);
        EXPECT_EQ(p[0], 0xCC) << bits;
        if (bits >= 16) {
            EXPECT_EQ(p[1], 0xBB) << bits;
        }
        if (bits >= 24) {
            EXPECT_EQ(p[2], 0xAA) << bits;
        }
        if (bits == 32) {
            EXPECT_EQ(p[3], 0x80);
        }
        EXPECT_EQ(p[s->format->BytesPerPixel], 0xEE) << bits;  // the neighbour untouched
        SDL_FreeSurface(s);
    }
}

TEST(DarknessOverlay, GetPixel32ReadsBackWhatPutPixelWrote) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 7, 4, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    putPixel(s, 6, 3, 0xC0000000u);
    putPixel(s, 0, 0, 0x12345678u);
    EXPECT_EQ(getPixel32(s, 6, 3), 0xC0000000u);
    EXPECT_EQ(getPixel32(s, 0, 0), 0x12345678u);
    EXPECT_EQ(getPixel32(s, 5, 3), 0u);
    SDL_FreeSurface(s);
}

TEST(DarknessOverlay, PointsOutsideTheSurfaceAreIgnored) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    std::memset(s->pixels, 0, static_cast<size_t>(s->pitch) * s->h);
    for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 4}, {100000, 100000}}) {
        putPixel(s, x, y, 0xFFFFFFFFu);
        EXPECT_EQ(getPixel32(s, x, y), 0u);
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(getPixel32(s, x, y), 0u);
    putPixel(nullptr, 0, 0, 1u);
    EXPECT_EQ(getPixel32(nullptr, 0, 0), 0u);
    SDL_FreeSurface(s);
}
