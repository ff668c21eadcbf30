#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

namespace {

class Text : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startEngineWithFixtureData());
    }
    void TearDown() override { Engine::instance().shutdown(); }
};

}  // namespace

TEST_F(Text, RendersColourKeyedTextInTheGivenColour) {
    SDL_Surface* s = renderText(Engine::instance().font(), "Hello", 0xFF0000);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->format->BitsPerPixel, 8);
    EXPECT_TRUE(s->flags & SDL_SRCCOLORKEY);
    bool sawRed = false;
    for (int i = 0; i < s->format->palette->ncolors; ++i) {
        const SDL_Color c = s->format->palette->colors[i];
        sawRed |= c.r == 0xFF && c.g == 0 && c.b == 0;
    }
    EXPECT_TRUE(sawRed);
    EXPECT_EQ(s->w, measureText(Engine::instance().font(), "Hello"));
    freeSurface(s);
}

TEST_F(Text, MinusOneMeansWhite) {
    SDL_Surface* s = renderText(Engine::instance().font(), "A", -1);
    ASSERT_NE(s, nullptr);
    const SDL_Color c = s->format->palette->colors[1];
    EXPECT_EQ(c.r + c.g + c.b, 3 * 255);
    freeSurface(s);
}

TEST_F(Text, EmptyTextAndNullFontGiveNothingToDraw) {
    EXPECT_EQ(renderText(Engine::instance().font(), "", 0xFFFFFF), nullptr);
    EXPECT_EQ(renderText(nullptr, "Hello", 0xFFFFFF), nullptr);
    EXPECT_EQ(measureText(nullptr, "Hello"), 0);
    EXPECT_EQ(measureText(Engine::instance().font(), ""), 0);
}

TEST_F(Text, MissingFontFileGivesNull) {
    EXPECT_EQ(openFont("data/font/absent.ttf", 24), nullptr);
    closeFont(nullptr);
}

TEST(TextWithoutLibrary, OpeningAFontBeforeStartUpGivesNull) {
    EXPECT_EQ(openFont(FONT_PATH, 24), nullptr);
}
