// Whole play frames, screen and overlay, against checksums written down from
// a build known to draw them right: any change to the raycaster, the screen
// copy or the overlays that moves one byte of one frame shows here. Textures
// and levels change the pictures too; after such a change, check the game by
// eye and paste the table this test prints in place of FRAMES.

#include "states/PlayState.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>

namespace {

struct Frame {
    uint32_t level;
    double turn;  // degrees from the area's start, toward the left
    bool flash;   // a red flash at 0.6 under way
    uint64_t screen;
    uint64_t overlay;
};

// Drawn in this order by one play state, so the overlay's darkness carries
// from frame to frame as it does in the game.
const Frame FRAMES[] = {
    {0, 0, false, 0x88272e1f9d652a22ull, 0xf318e0e2f9b92325ull},
    {0, 75, false, 0x51887e7f5b3375ddull, 0xf318e0e2f9b92325ull},
    {0, 160, false, 0xfbdb011de3c59bceull, 0xf318e0e2f9b92325ull},
    {0, 250, false, 0x1048d79d0b684ea7ull, 0xf318e0e2f9b92325ull},
    {6, 0, true, 0x5117ce2e174a4868ull, 0x8f3571f4ee990325ull},
    {6, 75, true, 0xebe440365dbcf76dull, 0x8f3571f4ee990325ull},
    {6, 160, true, 0x14dbd0b4724b48daull, 0x8f3571f4ee990325ull},
    {6, 250, true, 0x5a5d6ad93396e790ull, 0x8f3571f4ee990325ull},
    {1, 0, false, 0xf3b1c06b222c0306ull, 0xc0ded52d221c835dull},
    {1, 75, false, 0x1783a921c5fda18bull, 0x1e3b8fc14eb15b25ull},
    {1, 160, false, 0x000ceed70a3ce273ull, 0x9d3538fcd63aeb25ull},
    {1, 250, false, 0x33222eaee53ce05dull, 0x3b25b1a4750139a5ull},
    {1, 40, true, 0x4c42d71dfbb074c2ull, 0x4b929b6439399c28ull},
};

uint64_t checksum(const SDL_Surface* surface) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a over the visible bytes of every row
    const auto* pixels = static_cast<const uint8_t*>(surface->pixels);
    const int rowBytes = surface->w * surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y)
        for (int i = 0; i < rowBytes; ++i) hash = (hash ^ pixels[y * surface->pitch + i]) * 1099511628211ull;
    return hash;
}

}  // namespace

TEST(FrameChecksum, TownFarmFlashAndLitCaveDrawAsRecorded) {
    ASSERT_TRUE(ensureEngineStarted());
    PlayState play;
    ASSERT_TRUE(play.init());
    play.hands->setShowLantern();
    play.hands->setShowKnife();
    std::string table;
    bool same = true;
    for (const Frame& frame : FRAMES) {
        play.enterLevel(frame.level);
        play.mode = Walking;
        play.fade.clear();
        play.hintLabel->setText("");
        play.rotateView(frame.turn);
        play.flashOn = frame.flash;
        play.motion = Tweener();
        if (frame.flash) play.motion.animate(&play.flashAlpha, 1.0f, 0.0f, ExpoOut, 2.0);
        play.flashAlpha = 0.6f;
        play.render();
        const uint64_t screen = checksum(Engine::instance().screen());
        const uint64_t overlay = checksum(play.overlay);
        same = same && screen == frame.screen && overlay == frame.overlay;
        char line[160];
        std::snprintf(line, sizeof line, "    {%u, %g, %s, 0x%016" PRIx64 "ull, 0x%016" PRIx64 "ull},\n", frame.level,
                      frame.turn, frame.flash ? "true" : "false", screen, overlay);
        table += line;
    }
    EXPECT_TRUE(same) << "the frames drawn, as FRAMES:\n" << table;
}
