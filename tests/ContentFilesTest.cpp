// The files below data/ that the game names: each exists, decodes with the
// game's own loaders and has the sizes, channels and see-through colours the
// drawing code relies on. The font is checked through SDL_ttf as the game
// opens it.
#include "media/Image.h"
#include "media/Text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <stb_image.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr uint32_t CYAN = 0xFF00FFFF;
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t BLACK = 0xFF000000;

// A dummy-driver screen, so that loadImage can convert to the display format.
class ContentFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
        TTF_Init();
    }
    static void TearDownTestSuite() {
        TTF_Quit();
        SDL_Quit();
    }

    struct Size {
        int w = 0, h = 0;
    };

    // Loads with the game's loader and frees the surface; fails the test if
    // the file does not decode.
    static Size loadedSize(const std::string& path) {
        Size size;
        SDL_Surface* surface = loadImage(path.c_str(), size.w, size.h);
        EXPECT_NE(surface, nullptr) << path << " does not load";
        freeSurface(surface);
        return size;
    }

    static PixelArray pixels(const std::string& path, Size& size) {
        PixelArray p(loadImagePixels(path.c_str(), size.w, size.h));
        EXPECT_NE(p, nullptr) << path << " does not decode";
        return p;
    }

    static int channels(const std::string& path) {
        int w = 0, h = 0, c = 0;
        FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) return 0;
        const int ok = stbi_info_from_file(file, &w, &h, &c);
        std::fclose(file);
        return ok ? c : 0;
    }

    static TTF_Font* font(int points) { return TTF_OpenFont(FONT_PATH, points); }

    static int textWidth(TTF_Font* f, const char* text) {
        int w = 0, h = 0;
        TTF_SizeText(f, text, &w, &h);
        return w;
    }
};

const char* const INTERFACE_IMAGES[] = {
    "data/images/black_layers.png", "data/images/escapeBox.png",
    "data/images/titleMessageBox.png", "data/images/messageBox.png",
    "data/images/smallMessageBox.png", "data/images/inputBox.png",
    "data/images/inputBoxTop.png", "data/images/arrowDown.png",
    "data/images/arrowUp.png", "data/images/arrowLeft.png",
    "data/images/blinker.png", "data/images/Lantern.png",
    "data/images/KnifeHand.png", "data/images/KnifeHandBlood.png",
    "data/images/fiveStrokes.png", "data/images/singleStroke.png",
};

}  // namespace

TEST_F(ContentFiles, EveryInterfaceImageLoadsInColour) {
    for (const char* path : INTERFACE_IMAGES) {
        SCOPED_TRACE(path);
        const int c = channels(path);
        // grey images (1 or 2 channels) cannot become surfaces
        EXPECT_TRUE(c == 3 || c == 4) << c << " channels";
        const Size size = loadedSize(path);
        EXPECT_GT(size.w, 0);
        EXPECT_GT(size.h, 0);
    }
}

TEST_F(ContentFiles, WindowIconIsA32PixelBitmap) {
    SDL_Surface* icon = SDL_LoadBMP("data/icon.bmp");
    ASSERT_NE(icon, nullptr) << SDL_GetError();
    EXPECT_EQ(icon->w, 32);
    EXPECT_EQ(icon->h, 32);
    SDL_FreeSurface(icon);
}

TEST_F(ContentFiles, FadeBandIsOpaqueBlackAndOneEighthOfTheScreen) {
    Size size;
    PixelArray band = pixels("data/images/black_layers.png", size);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(size.w, 640);
    EXPECT_EQ(size.h, 80);
    for (int i = 0; i < size.w * size.h; ++i) ASSERT_EQ(band[i], BLACK) << "pixel " << i;
}

TEST_F(ContentFiles, MessageBoxHoldsThreeLinesAndItsArrows) {
    TTF_Font* f = font(24);
    ASSERT_NE(f, nullptr);
    const Size box = loadedSize("data/images/messageBox.png");
    const Size down = loadedSize("data/images/arrowDown.png");
    const Size up = loadedSize("data/images/arrowUp.png");
    const Size marker = loadedSize("data/images/arrowLeft.png");
    // lines at +12, +37, +62 end inside the panel
    EXPECT_LE(62 + TTF_FontHeight(f), box.h);
    // arrow at (w - 25, h - 20) and the up arrow at (w - 25, +10) stay inside
    EXPECT_LE(box.w - 25 + down.w, box.w);
    EXPECT_LE(box.h - 20 + down.h, box.h);
    EXPECT_LE(10 + up.h, box.h - 20);
    // the option marker at +15 stays left of the option text at +30
    EXPECT_LE(15 + marker.w, 30);
    TTF_CloseFont(f);
}

// Pixels of an opaque marker drawn at (x, y) on a panel that are neither the
// panel's own colour there nor a light mark colour: they would show as a box.
int strayPixels(const uint32_t* marker, int mw, int mh, const uint32_t* panel, int pw, int x, int y) {
    int stray = 0;
    for (int j = 0; j < mh; ++j)
        for (int i = 0; i < mw; ++i) {
            const uint32_t p = marker[j * mw + i];
            const int light = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
            if (p != panel[(y + j) * pw + x + i] && light < 3 * 150) ++stray;
        }
    return stray;
}

TEST_F(ContentFiles, ArrowsBlendIntoThePanelTheyAreDrawnOn) {
    // The game blits the markers opaque, with no colour key.
    Size box, down, up, left;
    PixelArray panel = pixels("data/images/messageBox.png", box);
    PixelArray downArrow = pixels("data/images/arrowDown.png", down);
    PixelArray upArrow = pixels("data/images/arrowUp.png", up);
    PixelArray marker = pixels("data/images/arrowLeft.png", left);
    ASSERT_TRUE(panel && downArrow && upArrow && marker);
    const uint32_t* p = panel.get();
    EXPECT_EQ(strayPixels(downArrow.get(), down.w, down.h, p, box.w, box.w - 25, box.h - 20), 0);
    EXPECT_EQ(strayPixels(upArrow.get(), up.w, up.h, p, box.w, box.w - 25, 10), 0);
    for (int row : {14, 40, 65})
        EXPECT_EQ(strayPixels(marker.get(), left.w, left.h, p, box.w, 15, row), 0) << "row " << row;
}

TEST_F(ContentFiles, CaretBlendsIntoTheTypingLine) {
    // The caret stands at (+50 + text width, +53) on the input box, opaque;
    // the text shown is always narrower than the box less 89 pixels.
    Size box, caret;
    PixelArray panel = pixels("data/images/inputBox.png", box);
    PixelArray bar = pixels("data/images/blinker.png", caret);
    ASSERT_TRUE(panel && bar);
    for (int x : {50, 300, 50 + box.w - 90})
        EXPECT_EQ(strayPixels(bar.get(), caret.w, caret.h, panel.get(), box.w, x, 53), 0) << "caret at +" << x;
}

TEST_F(ContentFiles, TitleLinesFitOnTheTitlePanel) {
    TTF_Font* f = font(24);
    ASSERT_NE(f, nullptr);
    const Size panel = loadedSize("data/images/titleMessageBox.png");
    const int panelX = 20, panelY = 325;
    struct Line {
        const char* text;
        int x, y;
    } lines[] = {{"-- SPEED RUNNING VERSION --", 135, 341},
                 {"Ombrel is no longer playable.", 145, 372},
                 {"This build is just for speed runners.", 85, 397},
                 {"[ Press Space to Start ]", 160, 432}};
    for (const Line& line : lines) {
        SCOPED_TRACE(line.text);
        EXPECT_GT(line.x, panelX);
        EXPECT_LT(line.x + textWidth(f, line.text), panelX + panel.w);
        EXPECT_LE(line.y + TTF_FontHeight(f), panelY + panel.h);
    }
    TTF_CloseFont(f);
}

TEST_F(ContentFiles, ExitBoxLinesFitInsideTheCentredPanel) {
    TTF_Font* f = font(24);
    ASSERT_NE(f, nullptr);
    const Size box = loadedSize("data/images/escapeBox.png");
    const int left = (640 - box.w) / 2, top = (480 - box.h) / 2;
    EXPECT_GT(190, left);
    EXPECT_LT(190 + textWidth(f, "Do you want to exit?"), left + box.w);
    EXPECT_GT(210, top);
    EXPECT_LT(187 + textWidth(f, "[Y] - Yes     [N] - No"), left + box.w);
    EXPECT_LE(250 + TTF_FontHeight(f), top + box.h);
    TTF_CloseFont(f);
}

TEST_F(ContentFiles, InputPanelsHoldPromptTextAndError) {
    TTF_Font* f = font(24);
    ASSERT_NE(f, nullptr);
    const Size input = loadedSize("data/images/inputBox.png");
    const Size top = loadedSize("data/images/inputBoxTop.png");
    const Size small = loadedSize("data/images/smallMessageBox.png");
    const Size caret = loadedSize("data/images/blinker.png");
    EXPECT_LE(53 + TTF_FontHeight(f), input.h);
    EXPECT_LE(53 + caret.h, input.h);
    EXPECT_LT(input.w - 200 + textWidth(f, "Invalid Input!"), input.w);
    // the header sits 55 pixels above the message box, question at +13
    EXPECT_EQ(top.h, 55);
    EXPECT_LE(13 + TTF_FontHeight(f), top.h);
    EXPECT_LE(10 + TTF_FontHeight(f), small.h);
    TTF_CloseFont(f);
}

TEST_F(ContentFiles, HandsStandOnTheBottomEdgeWithCyanAround) {
    for (const char* path : {"data/images/Lantern.png", "data/images/KnifeHand.png",
                             "data/images/KnifeHandBlood.png"}) {
        SCOPED_TRACE(path);
        Size size;
        PixelArray hand = pixels(path, size);
        ASSERT_NE(hand, nullptr);
        EXPECT_GE(size.h, 160);
        EXPECT_LE(size.h, 220);
        EXPECT_LE(size.w, 300);  // 150 px off the centre line must stay on screen
        EXPECT_EQ(hand[0], CYAN);
        EXPECT_EQ(hand[size.w - 1], CYAN);
        int drawnOnBottomRow = 0;
        for (int x = 0; x < size.w; ++x)
            drawnOnBottomRow += hand[(size.h - 1) * size.w + x] != CYAN;
        EXPECT_GT(drawnOnBottomRow, 0) << "the hand floats above the screen edge";
    }
}

TEST_F(ContentFiles, BloodyKnifeIsTheCleanKnifeWithBlood) {
    Size clean, bloody;
    PixelArray a = pixels("data/images/KnifeHand.png", clean);
    PixelArray b = pixels("data/images/KnifeHandBlood.png", bloody);
    ASSERT_TRUE(a && b);
    ASSERT_EQ(clean.w, bloody.w);
    ASSERT_EQ(clean.h, bloody.h);
    int changed = 0;
    for (int i = 0; i < clean.w * clean.h; ++i) {
        if (a[i] == b[i]) continue;
        ++changed;
        const uint32_t red = (b[i] >> 16) & 0xFF, green = (b[i] >> 8) & 0xFF;
        EXPECT_GT(red, 2 * green) << "pixel " << i << " changed to a colour that is not blood";
    }
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, clean.w * clean.h / 10);
}

TEST_F(ContentFiles, TallyStampsAreWhiteBackedAndFitACaveTexture) {
    Size five, single;
    PixelArray group = pixels("data/images/fiveStrokes.png", five);
    PixelArray stroke = pixels("data/images/singleStroke.png", single);
    ASSERT_TRUE(group && stroke);
    // several groups of five per 64-pixel texture row, several rows
    EXPECT_GE(64 / (five.w + 1), 3);
    EXPECT_GE(64 / (five.h + 1), 3);
    EXPECT_EQ(single.h, five.h);
    for (const auto& [p, s] : {std::pair{group.get(), five}, std::pair{stroke.get(), single}}) {
        EXPECT_EQ(p[0], WHITE);
        int carved = 0;
        for (int i = 0; i < s.w * s.h; ++i) carved += p[i] != WHITE;
        EXPECT_GT(carved, 0);
    }
}

TEST_F(ContentFiles, FontRendersEveryPrintableCharacterAtItsThreeSizes) {
    for (int points : {16, 24, 64}) {
        TTF_Font* f = font(points);
        ASSERT_NE(f, nullptr) << points;
        for (int c = 32; c <= 126; ++c) {
            EXPECT_TRUE(TTF_GlyphIsProvided(f, static_cast<Uint16>(c))) << c;
            const char text[2] = {static_cast<char>(c), 0};
            SDL_Surface* s = TTF_RenderText_Solid(f, text, SDL_Color{255, 255, 255, 0});
            EXPECT_NE(s, nullptr) << "character " << c << " at " << points;
            if (s) SDL_FreeSurface(s);
        }
        TTF_CloseFont(f);
    }
}

TEST_F(ContentFiles, FontCoversTheLatin1Letters) {
    TTF_Font* f = font(24);
    ASSERT_NE(f, nullptr);
    for (int c = 0xC0; c <= 0xFF; ++c) EXPECT_TRUE(TTF_GlyphIsProvided(f, static_cast<Uint16>(c))) << c;
    TTF_CloseFont(f);
}

TEST_F(ContentFiles, FontPixelsLandOnWholeScreenPixels) {
    // 8 font pixels per em: at 16, 24 and 64 points every font pixel must be
    // a solid 2x2, 3x3 or 8x8 block, or the text comes out blurred and uneven.
    std::string all;
    for (int c = 33; c <= 126; ++c) all += static_cast<char>(c);
    for (int points : {16, 24, 64}) {
        SCOPED_TRACE(points);
        const int block = points / 8;
        TTF_Font* f = font(points);
        ASSERT_NE(f, nullptr);
        SDL_Surface* s = TTF_RenderText_Solid(f, all.c_str(), SDL_Color{255, 255, 255, 0});
        ASSERT_NE(s, nullptr);
        const auto* p = static_cast<const Uint8*>(s->pixels);
        int mixed = 0;
        for (int by = 0; by + block <= s->h; by += block)
            for (int bx = 0; bx + block <= s->w; bx += block) {
                const Uint8 first = p[by * s->pitch + bx];
                for (int y = by; y < by + block; ++y)
                    for (int x = bx; x < bx + block; ++x) mixed += p[y * s->pitch + x] != first;
            }
        EXPECT_EQ(mixed, 0);
        SDL_FreeSurface(s);
        TTF_CloseFont(f);
    }
}

TEST_F(ContentFiles, TitleLinesSpanWhatTheirPositionsCentre) {
    // Each title line is placed so that it stands centred on the screen.
    struct Span {
        int points;
        const char* text;
        int expected;
    } spans[] = {{24, "[ Press Space to Start ]", 320},
                 {24, "-- SPEED RUNNING VERSION --", 370},
                 {64, "Ombrel", 170}};
    for (const Span& span : spans) {
        TTF_Font* f = font(span.points);
        ASSERT_NE(f, nullptr);
        const int w = textWidth(f, span.text);
        EXPECT_NEAR(w, span.expected, span.expected / 10) << span.text;
        TTF_CloseFont(f);
    }
}

TEST_F(ContentFiles, FontLineFitsTheMessageBoxSpacing) {
    TTF_Font* f = font(24);
    ASSERT_NE(f, nullptr);
    EXPECT_LE(TTF_FontLineSkip(f), 25);
    EXPECT_LE(TTF_FontHeight(f), 25);
    TTF_CloseFont(f);
}
