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
    {0, 0, false, 0xe25febbfdbe98746ull, 0xf318e0e2f9b92325ull},
    {0, 75, false, 0xb2721c16b8b13e87ull, 0xf318e0e2f9b92325ull},
    {0, 160, false, 0x40643aea2e910d2full, 0xf318e0e2f9b92325ull},
    {0, 250, false, 0x169551ac376973d4ull, 0xf318e0e2f9b92325ull},
    {6, 0, true, 0x6be41641f2801d9dull, 0x8f3571f4ee990325ull},
    {6, 75, true, 0x8cea2449e7e9589full, 0x8f3571f4ee990325ull},
    {6, 160, true, 0xe61ad774ad5f2f30ull, 0x8f3571f4ee990325ull},
    {6, 250, true, 0x0566254aa636cd52ull, 0x8f3571f4ee990325ull},
    {1, 0, false, 0xac0b693b4dce9367ull, 0xeb5e1d37862be3bdull},
    {1, 75, false, 0x3af9a53242378230ull, 0x1e3b8fc14eb15b25ull},
    {1, 160, false, 0x1b85a229d8f6a279ull, 0x9d3538fcd63aeb25ull},
    {1, 250, false, 0x73d2567fa6d946e6ull, 0x3b25b1a4750139a5ull},
    {1, 40, true, 0x090569b779a2cbe3ull, 0x4b929b6439399c28ull},
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
