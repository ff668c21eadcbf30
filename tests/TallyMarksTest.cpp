#include "media/Image.h"
#include "states/PlayState.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace StoryIndex;

// The cave as the game starts it, against the same level loaded afresh.
// Faults: strokes not carved, not centred or at the wrong height; a texture
// shared with other walls carved through them all; any other texture touched.
TEST(TallyMarks, OnlyInWallSix) {
    ASSERT_TRUE(ensureEngineStarted());
    PlayState play;
    ASSERT_TRUE(play.init());
    const Level* cave = play.levels[CAVE].get();
    const std::unique_ptr<Level> fresh = loadLevel("cave");
    ASSERT_NE(fresh, nullptr);
    int fw = 0, fh = 0, sw = 0, sh = 0;
    const PixelArray five(loadImagePixels("data/images/fiveStrokes.png", fw, fh));
    const PixelArray one(loadImagePixels("data/images/singleStroke.png", sw, sh));
    ASSERT_TRUE(five && one);
    const uint32_t carved = CAVE_TALLY_FIRST_WALL - 1;
    TexelImage& expected = *fresh->walls[carved].writableImage();
    const int x0 = (64 - 3 * (sw + 1)) / 2, y0 = (64 - (fh + 1)) / 2;
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < sh; ++j)
            for (int i = 0; i < sw; ++i)
                if (one[j * sw + i] != 0xFFFFFFFFu)
                    expected.pixels[(y0 + j) * 64 + x0 + k * (sw + 1) + i] = one[j * sw + i];

    ASSERT_EQ(cave->walls.size(), fresh->walls.size());
    for (size_t w = 0; w < fresh->walls.size(); ++w) {
        const TexelImage* got = cave->walls[w].image.get();
        const TexelImage* want = fresh->walls[w].image.get();
        ASSERT_EQ(!got, !want) << w;
        if (!got) continue;
        ASSERT_EQ(got->width * got->height, want->width * want->height) << w;
        EXPECT_TRUE(std::equal(got->pixels.get(), got->pixels.get() + got->width * got->height, want->pixels.get()))
            << "wall number " << w + 1;
    }
}
