#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

using Text = EngineTest;

TEST_F(Text, RendersColourKeyedTextInTheGivenColourWithMinusOneMeaningWhite) {
    for (int colour : {0xFF0000, -1}) {
        const Uint32 wanted = colour == -1 ? 0xFFFFFF : colour;
        SDL_Surface* s = renderText(engine.font(), "Hello", colour);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->format->BitsPerPixel, 8);
        EXPECT_TRUE(s->flags & SDL_SRCCOLORKEY);
        EXPECT_EQ(s->w, measureText(engine.font(), "Hello"));
        bool sawColour = false;
        for (int i = 0; i < s->format->palette->ncolors; ++i) {
            const SDL_Color c = s->format->palette->colors[i];
            sawColour |= static_cast<Uint32>(c.r << 16 | c.g << 8 | c.b) == wanted;
        }
        EXPECT_TRUE(sawColour) << colour;
        freeSurface(s);
    }
}
