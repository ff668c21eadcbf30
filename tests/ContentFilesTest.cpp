// What the code relies on in the files below data/ that it names, as two
// tables: every picture decodes as the game decodes it, with the size and the
// see-through or background colour the drawing code assumes; every text the
// game draws at a fixed position fits the panel behind it in the game's font.
// How the pictures look is judged by eye, not here.
#include "media/Image.h"
#include "media/Text.h"
#include "support/EngineFixture.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr uint32_t CYAN = 0xFF00FFFF;   // the hands' colour key
constexpr uint32_t WHITE = 0xFFFFFFFF;  // the tally stamps' background: left uncarved
constexpr uint32_t BLACK = 0xFF000000;
constexpr uint32_t ANY = 0;

struct PictureNeed {
    const char* file;  // below data/
    int minW, maxW, minH, maxH;
    uint32_t corner;   // the top-left pixel, or ANY
    const char* why;
};

const PictureNeed PICTURES[] = {
    {"images/black_layers.png", 640, 640, 80, 80, BLACK, "the fade's band: an eighth of the screen"},
    {"images/escapeBox.png", 300, 640, 110, 480, ANY, "the exit box, centred"},
    {"images/titleMessageBox.png", 600, 600, 145, 155, ANY, "the title panel at (20, 325)"},
    {"images/messageBox.png", 600, 600, 87, 120, ANY, "three lines 25 apart from +12"},
    {"images/smallMessageBox.png", 100, 640, 35, 60, ANY, "one notice line at +10"},
    {"images/inputBox.png", 600, 600, 78, 120, ANY, "prompt, text at +53, caret"},
    {"images/inputBoxTop.png", 600, 600, 55, 55, ANY, "the header 55 above the answer panel"},
    {"images/arrowDown.png", 1, 25, 1, 20, ANY, "at (w - 25, h - 20) of the message box"},
    {"images/arrowUp.png", 1, 25, 1, 20, ANY, "at (w - 25, 10) of the option list"},
    {"images/arrowLeft.png", 1, 15, 1, 20, ANY, "the option marker, 15 left of the text"},
    {"images/blinker.png", 1, 40, 1, 25, ANY, "the caret at +53"},
    {"images/Lantern.png", 1, 300, 160, 220, CYAN, "150 left of the centre, on the bottom edge"},
    {"images/KnifeHand.png", 1, 300, 160, 220, CYAN, "150 right of the centre, on the bottom edge"},
    {"images/KnifeHandBlood.png", 1, 300, 160, 220, CYAN, "drawn in place of the clean knife"},
    {"images/fiveStrokes.png", 1, 20, 1, 20, WHITE, "three or more per row of a cave texture"},
    {"images/singleStroke.png", 1, 20, 12, 12, WHITE, "as tall as the five strokes"},
};

void PrintTo(const PictureNeed& need, std::ostream* out) { *out << need.file; }

struct ContentPicture : ::testing::TestWithParam<PictureNeed> {
    void SetUp() override { ASSERT_TRUE(ensureEngineStarted()); }
};

}  // namespace

TEST_P(ContentPicture, DecodesWithTheSizeAndColourTheCodeAssumes) {
    const PictureNeed& need = GetParam();
    const std::string path = std::string("data/") + need.file;
    int w = 0, h = 0;
    // The surface loader is the game's; it also refuses grey pictures.
    SDL_Surface* surface = loadImage(path.c_str(), w, h);
    EXPECT_NE(surface, nullptr);
    freeSurface(surface);
    const PixelArray pixels(loadImagePixels(path.c_str(), w, h));
    ASSERT_NE(pixels, nullptr);
    if (need.corner != ANY) { EXPECT_EQ(pixels[0], need.corner) << need.why; }
    EXPECT_TRUE(w >= need.minW && w <= need.maxW && h >= need.minH && h <= need.maxH)
        << w << "x" << h << ": " << need.why;
}

INSTANTIATE_TEST_SUITE_P(Data, ContentPicture, ::testing::ValuesIn(PICTURES),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             name = name.substr(name.find('/') + 1);
                             return name.substr(0, name.find('.'));
                         });

namespace {

// A text drawn at (x, y) must end left of right and its line above bottom,
// all in screen pixels; span, when set, is the width its position centres.
struct TextNeed {
    const char* text;
    int points, x, y, right, bottom, span;
};

const TextNeed TEXTS[] = {
    // the title panel, 600 x 145 at (20, 325); the lines centre at these widths
    {"-- SPEED RUNNING VERSION --", 24, 135, 341, 620, 470, 370},
    {"Ombrel is no longer playable.", 24, 145, 372, 620, 470, 0},
    {"This build is just for speed runners.", 24, 85, 397, 620, 470, 0},
    {"[ Press Space to Start ]", 24, 160, 432, 620, 470, 320},
    {"Ombrel", 64, 235, 45, 640, 325, 170},
    // the exit box, 340 x 110 centred: (150, 185) to (490, 295)
    {"Do you want to exit?", 24, 190, 210, 490, 295, 0},
    {"[Y] - Yes     [N] - No", 24, 187, 250, 490, 295, 0},
    // panel-relative: the message box's third line, the input box's error
    {"Mg", 24, 12, 62, 600, 105, 0},
    {"Invalid Input!", 24, 400, 53, 600, 100, 0},
};

using Font = std::unique_ptr<TTF_Font, decltype(&TTF_CloseFont)>;

}  // namespace

TEST(ContentText, FixedTextsFitTheirPanelsAndEveryTypedCharacterHasAGlyph) {
    ASSERT_TRUE(ensureEngineStarted());
    const Font small(TTF_OpenFont(FONT_PATH, 24), TTF_CloseFont), large(TTF_OpenFont(FONT_PATH, 64), TTF_CloseFont);
    ASSERT_TRUE(small && large) << FONT_PATH;
    // Lines of the message box stand 25 pixels apart.
    EXPECT_LE(TTF_FontLineSkip(small.get()), 25);
    for (const TextNeed& need : TEXTS) {
        TTF_Font* font = need.points == 24 ? small.get() : large.get();
        int w = 0, h = 0;
        TTF_SizeText(font, need.text, &w, &h);
        EXPECT_LT(need.x + w, need.right) << need.text;
        EXPECT_LE(need.y + TTF_FontHeight(font), need.bottom) << need.text;
        if (need.span) { EXPECT_NEAR(w, need.span, need.span / 10) << need.text; }
    }
    for (int c = 32; c <= 126; ++c) EXPECT_TRUE(TTF_GlyphIsProvided(small.get(), static_cast<Uint16>(c))) << c;
}
