// The single-pixel writes and reads the darkness overlay and the red flash go
// through.

#include "render/SurfacePixels.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(DarknessOverlay, PutPixelWritesAsManyBytesAsTheSurfaceHas) {
    for (int bits : {8, 16, 24, 32}) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 3, bits, 0, 0, 0, 0);
        ASSERT_NE(s, nullptr);
        std::memset(s->pixels, 0xEE, static_cast<size_t>(s->pitch) * s->h);
        putPixel(s, 2, 1, 0x80AABBCCu);
        const int bytes = s->format->BytesPerPixel;
        const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + s->pitch + 2 * bytes;
        const uint8_t expected[] = {0xCC, 0xBB, 0xAA, 0x80};
        for (int i = 0; i < bytes; ++i) EXPECT_EQ(p[i], expected[i]) << bits << " bits, byte " << i;
        EXPECT_EQ(p[bytes], 0xEE) << bits;  // the neighbour untouched
        SDL_FreeSurface(s);
    }
}

TEST(DarknessOverlay, GetPixel32ReadsBackWhatPutPixelWroteAndIgnoresPointsOutside) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 7, 4, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    std::memset(s->pixels, 0, static_cast<size_t>(s->pitch) * s->h);
    putPixel(s, 6, 3, 0xC0000000u);
    putPixel(s, 0, 0, 0x12345678u);
    EXPECT_EQ(getPixel32(s, 6, 3), 0xC0000000u);
    EXPECT_EQ(getPixel32(s, 0, 0), 0x12345678u);
    EXPECT_EQ(getPixel32(s, 5, 3), 0u);
    for (auto [x, y] : {std::pair{-1, 0}, {7, 0}, {0, -1}, {0, 4}, {100000, 100000}}) {
        putPixel(s, x, y, 0xFFFFFFFFu);
        EXPECT_EQ(getPixel32(s, x, y), 0u);
    }
    int written = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x) written += getPixel32(s, x, y) != 0;
    EXPECT_EQ(written, 2);
    putPixel(nullptr, 0, 0, 1u);
    EXPECT_EQ(getPixel32(nullptr, 0, 0), 0u);
    SDL_FreeSurface(s);
}
