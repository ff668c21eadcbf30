// The overlay blend against SDL's own per-pixel-alpha blit, which it stands
// in for.

#include "render/OverlayBlend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An overlay in the display's alpha format over a screen-like surface, both
// with rows padded past their width, as a surface's pitch may be.
struct Pair {
    static constexpr int W = 21, H = 3, PITCH = (W + 3) * 4;
    std::vector<uint32_t> overlayPixels = std::vector<uint32_t>(PITCH / 4 * H);
    std::vector<uint32_t> screenPixels = std::vector<uint32_t>(PITCH / 4 * H);
    SDL_Surface* overlay = SDL_CreateRGBSurfaceFrom(overlayPixels.data(), W, H, 32, PITCH, 0x00FF0000, 0x0000FF00,
                                                    0x000000FF, 0xFF000000);
    SDL_Surface* screen =
        SDL_CreateRGBSurfaceFrom(screenPixels.data(), W, H, 32, PITCH, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    ~Pair() {
        SDL_FreeSurface(overlay);
        SDL_FreeSurface(screen);
    }
};

}  // namespace

// Alpha 0, 255 and the values between, over light and dark and over screen
// bytes SDL carries in the unused top byte; 21 pixels a row so both the wide
// steps and the leftover pixels of a row are used.
TEST(OverlayBlend, SamePixelsAsSdlsBlit) {
    const uint32_t overlays[] = {0x00FF00FFu, 0x01FFFFFFu, 0x60000000u, 0x7F123456u, 0x80FF0000u,
                                 0xC0000000u, 0xF8000000u, 0xFEABCDEFu, 0xFF000000u, 0xE9E90000u};
    const uint32_t screens[] = {0x00FFFFFFu, 0x00000000u, 0xFF808080u, 0x003C7A11u, 0x12EEDDCCu};
    Pair bySdl, byBlend;
    ASSERT_NE(bySdl.overlay, nullptr);
    for (int i = 0; i < Pair::PITCH / 4 * Pair::H; ++i) {
        bySdl.overlayPixels[i] = byBlend.overlayPixels[i] = overlays[i % 10];
        bySdl.screenPixels[i] = byBlend.screenPixels[i] = screens[i % 5];
    }
    ASSERT_EQ(SDL_BlitSurface(bySdl.overlay, nullptr, bySdl.screen, nullptr), 0);
    blendOverlay(byBlend.overlay, byBlend.screen);
    for (int y = 0; y < Pair::H; ++y)
        for (int x = 0; x < Pair::PITCH / 4; ++x)
            EXPECT_EQ(byBlend.screenPixels[y * Pair::PITCH / 4 + x], bySdl.screenPixels[y * Pair::PITCH / 4 + x])
                << x << "," << y;

    // The row blend on its own gives the same as the surface blend.
    std::vector<uint32_t> row(bySdl.screenPixels.begin(), bySdl.screenPixels.begin() + Pair::W);
    for (int x = 0; x < Pair::W; ++x) row[x] = screens[x % 5];
    blendOverlayRow(byBlend.overlayPixels.data(), row.data(), Pair::W);
    for (int x = 0; x < Pair::W; ++x) EXPECT_EQ(row[x], bySdl.screenPixels[x]) << x;
}
