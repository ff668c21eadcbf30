#pragma once

#include "engine/Engine.h"
#include "media/Text.h"
#include "support/EngineFixture.h"
#include "support/FixtureData.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

// Helpers for widget tests that look at what landed on the screen surface.

// Widgets render with the engine's shared font, so every widget test needs both.
class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(Engine::instance().font(), nullptr);
    }
};

// Width in pixels of text in the shared font, as the widgets measure it.
inline int textWidth(const std::string& text) { return measureText(Engine::instance().font(), text.c_str()); }

// "abc...zab..." until it is at least minWidth pixels wide: one word with no
// place to break.
inline std::string lettersWiderThan(int minWidth) {
    std::string word;
    for (int i = 0; textWidth(word) < minWidth; ++i) word += static_cast<char>('a' + i % 26);
    return word;
}

// Each character as a key press carrying it, as SDL's Unicode mode delivers it.
template <class Box>
void type(Box& box, const std::string& text) {
    for (char c : text) box.keyDown(c, c);
}

// Pixels of colour (r, g, b) inside the rectangle (x, y, w, h), clipped to
// the screen; -1 unless the screen is a 32-bit surface.
inline int countPixels(int x, int y, int w, int h, Uint8 r = 255, Uint8 g = 255, Uint8 b = 255) {
    SDL_Surface* screen = Engine::instance().screen();
    if (!screen || screen->format->BytesPerPixel != 4) return -1;
    const Uint32 wanted = SDL_MapRGB(screen->format, r, g, b) & 0x00FFFFFFu;
    int count = 0;
    SDL_LockSurface(screen);
    for (int py = std::max(y, 0); py < std::min(y + h, screen->h); ++py)
        for (int px = std::max(x, 0); px < std::min(x + w, screen->w); ++px)
            count += (static_cast<const Uint32*>(screen->pixels)[py * screen->pitch / 4 + px] & 0x00FFFFFFu) == wanted;
    SDL_UnlockSurface(screen);
    return count;
}

// Draws the widget alone on a black screen and counts as countPixels does.
template <class Widget>
int drawnPixels(Widget& widget, int x, int y, int w, int h, Uint8 r = 255, Uint8 g = 255, Uint8 b = 255) {
    SDL_Surface* screen = Engine::instance().screen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    widget.draw();
    return countPixels(x, y, w, h, r, g, b);
}

// Draws the widget alone on a black screen: how many pixels are not black.
template <class Widget>
int drawnLitPixels(Widget& widget) {
    const int black = drawnPixels(widget, 0, 0, 640, 480, 0, 0, 0);
    return black < 0 ? -1 : 640 * 480 - black;
}

// For the rest of a scope, works from a fresh empty directory where no data/
// file can be found: widgets built there have no images. The engine (and with
// it the shared font) must be started before.
class InEmptyDirectory {
public:
    InEmptyDirectory() { std::filesystem::current_path(makeTempDir()); }
    ~InEmptyDirectory() { std::filesystem::current_path(previous); }

private:
    const std::filesystem::path previous = std::filesystem::current_path();
};
