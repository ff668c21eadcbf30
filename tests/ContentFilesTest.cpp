// The files below data/ that the game names: each exists, decodes with the
// game's own loaders and has the sizes, channels and see-through colours the
// drawing code relies on. The font is checked through SDL_ttf as the game
// opens it.
#include "media/Image.h"
#include "media/Text.h"
#include "support/EngineFixture.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

namespace {

constexpr uint32_t CYAN = 0xFF00FFFF;
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t BLACK = 0xFF000000;

// An image of data/images/ as the game decodes it; empty (and a failed
// test) if it does not decode.
struct Picture {
    explicit Picture(const std::string& name)
        : pixels(loadImagePixels(("data/images/" + name).c_str(), w, h)) {
        EXPECT_NE(pixels, nullptr) << name << " does not decode";
    }
    int w = 0, h = 0;
    PixelArray pixels;
};

// Pixels of an opaque marker drawn at (x, y) on a panel that are neither the
// panel's own colour there nor a light mark colour: they would show as a box.
// The marker must lie inside the panel.
int strayPixels(const Picture& marker, const Picture& panel, int x, int y) {
    int stray = 0;
    for (int j = 0; j < marker.h; ++j)
        for (int i = 0; i < marker.w; ++i) {
            const uint32_t p = marker.pixels[j * marker.w + i];
            const int light = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
            stray += p != panel.pixels[(y + j) * panel.w + x + i] && light < 3 * 150;
        }
    return stray;
}

// The engine's dummy-driver screen, so that loadImage can convert to the
// display format, and the font at the three sizes the game uses.
class ContentFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (ensureEngineStarted())
            for (int points : {16, 24, 64}) fonts[points] = TTF_OpenFont(FONT_PATH, points);
    }
    static void TearDownTestSuite() {
        for (auto& [points, font] : fonts) TTF_CloseFont(font);
        fonts.clear();
    }
    void SetUp() override {
        ASSERT_EQ(fonts.size(), 3u) << "the engine did not start";
        for (auto& [points, font] : fonts) ASSERT_NE(font, nullptr) << FONT_PATH << " at " << points;
    }

    static int textWidth(const char* text, int points = 24) {
        int w = 0, h = 0;
        TTF_SizeText(fonts[points], text, &w, &h);
        return w;
    }
    static int lineHeight() { return TTF_FontHeight(fonts[24]); }

    static inline std::map<int, TTF_Font*> fonts;
};

}  // namespace

TEST_F(ContentFiles, EveryInterfaceImageLoadsAsASurface) {
    // The surface loader also refuses grey images, which SDL cannot convert.
    for (const char* name : {"black_layers", "escapeBox", "titleMessageBox", "messageBox", "smallMessageBox",
                             "inputBox", "inputBoxTop", "arrowDown", "arrowUp", "arrowLeft", "blinker", "Lantern",
                             "KnifeHand", "KnifeHandBlood", "fiveStrokes", "singleStroke"}) {
        int w = 0, h = 0;
        SDL_Surface* surface = loadImage((std::string("data/images/") + name + ".png").c_str(), w, h);
        EXPECT_TRUE(surface && w > 0 && h > 0) << name;
        freeSurface(surface);
    }
}

TEST_F(ContentFiles, WindowIconIsA32PixelBitmap) {
    SDL_Surface* icon = SDL_LoadBMP("data/icon.bmp");
    ASSERT_NE(icon, nullptr) << SDL_GetError();
    EXPECT_TRUE(icon->w == 32 && icon->h == 32);
    SDL_FreeSurface(icon);
}

TEST_F(ContentFiles, FadeBandIsOpaqueBlackAndOneEighthOfTheScreen) {
    const Picture band("black_layers.png");
    ASSERT_TRUE(band.pixels && band.w == 640 && band.h == 80);
    for (int i = 0; i < band.w * band.h; ++i) ASSERT_EQ(band.pixels[i], BLACK) << "pixel " << i;
}

TEST_F(ContentFiles, MessageBoxHoldsThreeLinesAndItsArrowsBlendIn) {
    const Picture box("messageBox.png"), down("arrowDown.png"), up("arrowUp.png"), marker("arrowLeft.png");
    ASSERT_TRUE(box.pixels && down.pixels && up.pixels && marker.pixels);
    // lines 25 pixels apart at +12, +37, +62 end inside the panel
    EXPECT_LE(TTF_FontLineSkip(fonts[24]), 25);
    EXPECT_LE(lineHeight(), 25);
    EXPECT_LE(62 + lineHeight(), box.h);
    // arrows at (w - 25, h - 20) and (w - 25, +10), the option marker at +15
    // left of the option text at +30; the game blits them opaque
    ASSERT_LE(down.w, 25);
    ASSERT_LE(down.h, 20);
    ASSERT_LE(10 + up.h, box.h - 20);
    ASSERT_LE(15 + marker.w, 30);
    ASSERT_LE(65 + marker.h, box.h);
    EXPECT_EQ(strayPixels(down, box, box.w - 25, box.h - 20), 0);
    EXPECT_EQ(strayPixels(up, box, box.w - 25, 10), 0);
    for (int row : {14, 40, 65}) EXPECT_EQ(strayPixels(marker, box, 15, row), 0) << "row " << row;
}

TEST_F(ContentFiles, InputPanelsHoldPromptTextCaretAndError) {
    const Picture input("inputBox.png"), top("inputBoxTop.png"), small("smallMessageBox.png"), caret("blinker.png");
    ASSERT_TRUE(input.pixels && top.pixels && small.pixels && caret.pixels);
    EXPECT_LE(53 + lineHeight(), input.h);
    EXPECT_LT(input.w - 200 + textWidth("Invalid Input!"), input.w);
    // the header sits 55 pixels above the message box, question at +13
    EXPECT_EQ(top.h, 55);
    EXPECT_LE(13 + lineHeight(), top.h);
    EXPECT_LE(10 + lineHeight(), small.h);
    // The caret stands opaque at (+50 + text width, +53); the text shown is
    // always narrower than the box less 89 pixels.
    ASSERT_LE(53 + caret.h, input.h);
    ASSERT_LE(caret.w, 40);
    for (int x : {50, 300, 50 + input.w - 90})
        EXPECT_EQ(strayPixels(caret, input, x, 53), 0) << "caret at +" << x;
}

TEST_F(ContentFiles, TitleLinesStandCentredAndFitOnTheTitlePanel) {
    const Picture panel("titleMessageBox.png");
    const int panelX = 20, panelY = 325;
    const struct {
        const char* text;
        int x, y;
    } lines[] = {{"-- SPEED RUNNING VERSION --", 135, 341},
                 {"Ombrel is no longer playable.", 145, 372},
                 {"This build is just for speed runners.", 85, 397},
                 {"[ Press Space to Start ]", 160, 432}};
    for (const auto& line : lines) {
        SCOPED_TRACE(line.text);
        EXPECT_GT(line.x, panelX);
        EXPECT_LT(line.x + textWidth(line.text), panelX + panel.w);
        EXPECT_LE(line.y + lineHeight(), panelY + panel.h);
    }
    // Their positions centre them on the screen only at these widths.
    const struct {
        int points;
        const char* text;
        int span;
    } spans[] = {{24, "[ Press Space to Start ]", 320}, {24, "-- SPEED RUNNING VERSION --", 370}, {64, "Ombrel", 170}};
    for (const auto& s : spans) EXPECT_NEAR(textWidth(s.text, s.points), s.span, s.span / 10) << s.text;
}

TEST_F(ContentFiles, ExitBoxLinesFitInsideTheCentredPanel) {
    const Picture box("escapeBox.png");
    const int left = (640 - box.w) / 2, top = (480 - box.h) / 2;
    EXPECT_GT(190, left);
    EXPECT_GT(210, top);
    EXPECT_LT(190 + textWidth("Do you want to exit?"), left + box.w);
    EXPECT_LT(187 + textWidth("[Y] - Yes     [N] - No"), left + box.w);
    EXPECT_LE(250 + lineHeight(), top + box.h);
}

TEST_F(ContentFiles, HandsStandOnTheBottomEdgeWithCyanAround) {
    for (const char* name : {"Lantern.png", "KnifeHand.png", "KnifeHandBlood.png"}) {
        SCOPED_TRACE(name);
        const Picture hand(name);
        ASSERT_NE(hand.pixels, nullptr);
        EXPECT_TRUE(hand.h >= 160 && hand.h <= 220) << hand.h;
        EXPECT_LE(hand.w, 300);  // 150 px off the centre line must stay on screen
        EXPECT_EQ(hand.pixels[0], CYAN);
        EXPECT_EQ(hand.pixels[hand.w - 1], CYAN);
        int drawnOnBottomRow = 0;
        for (int x = 0; x < hand.w; ++x) drawnOnBottomRow += hand.pixels[(hand.h - 1) * hand.w + x] != CYAN;
        EXPECT_GT(drawnOnBottomRow, 0) << "the hand floats above the screen edge";
    }
}

TEST_F(ContentFiles, BloodyKnifeIsTheCleanKnifeWithBlood) {
    const Picture clean("KnifeHand.png"), bloody("KnifeHandBlood.png");
    ASSERT_TRUE(clean.pixels && bloody.pixels && clean.w == bloody.w && clean.h == bloody.h);
    int changed = 0;
    for (int i = 0; i < clean.w * clean.h; ++i) {
        const uint32_t b = bloody.pixels[i];
        if (b == clean.pixels[i]) continue;
        ++changed;
        EXPECT_GT((b >> 16) & 0xFF, 2 * ((b >> 8) & 0xFF)) << "pixel " << i << " changed to a colour that is not blood";
    }
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, clean.w * clean.h / 10);
}

TEST_F(ContentFiles, TallyStampsAreWhiteBackedAndFitACaveTexture) {
    const Picture five("fiveStrokes.png"), single("singleStroke.png");
    ASSERT_TRUE(five.pixels && single.pixels);
    // several groups of five per 64-pixel texture row, several rows
    EXPECT_GE(64 / (five.w + 1), 3);
    EXPECT_GE(64 / (five.h + 1), 3);
    EXPECT_EQ(single.h, five.h);
    for (const Picture* stamp : {&five, &single}) {
        EXPECT_EQ(stamp->pixels[0], WHITE);
        int carved = 0;
        for (int i = 0; i < stamp->w * stamp->h; ++i) carved += stamp->pixels[i] != WHITE;
        EXPECT_GT(carved, 0);
    }
}

TEST_F(ContentFiles, FontRendersPrintableAsciiAtItsThreeSizesAndCoversLatin1) {
    for (auto& [points, font] : fonts)
        for (int c = 32; c <= 126; ++c) {
            EXPECT_TRUE(TTF_GlyphIsProvided(font, static_cast<Uint16>(c))) << c;
            const char text[2] = {static_cast<char>(c), 0};
            SDL_Surface* s = TTF_RenderText_Solid(font, text, SDL_Color{255, 255, 255, 0});
            EXPECT_NE(s, nullptr) << "character " << c << " at " << points;
            SDL_FreeSurface(s);
        }
    for (int c = 0xC0; c <= 0xFF; ++c) EXPECT_TRUE(TTF_GlyphIsProvided(fonts[24], static_cast<Uint16>(c))) << c;
}

TEST_F(ContentFiles, FontPixelsLandOnWholeScreenPixels) {
    // 8 font pixels per em: at 16, 24 and 64 points every font pixel must be
    // a solid 2x2, 3x3 or 8x8 block, or the text comes out blurred and uneven.
    std::string all;
    for (int c = 33; c <= 126; ++c) all += static_cast<char>(c);
    for (auto& [points, font] : fonts) {
        const int block = points / 8;
        SDL_Surface* s = TTF_RenderText_Solid(font, all.c_str(), SDL_Color{255, 255, 255, 0});
        ASSERT_NE(s, nullptr) << points;
        const auto* p = static_cast<const Uint8*>(s->pixels);
        int mixed = 0;
        for (int by = 0; by + block <= s->h; by += block)
            for (int bx = 0; bx + block <= s->w; bx += block)
                for (int y = by; y < by + block; ++y)
                    for (int x = bx; x < bx + block; ++x) mixed += p[y * s->pitch + x] != p[by * s->pitch + bx];
        EXPECT_EQ(mixed, 0) << points;
        SDL_FreeSurface(s);
    }
}
