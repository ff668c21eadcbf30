#pragma once

#include "engine/Engine.h"
#include "media/Text.h"

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Helpers for widget tests that look at what landed on the screen surface.

// Width in pixels of text in the shared font, as the widgets measure it.
inline int textWidth(const std::string& text) { return measureText(Engine::instance().font(), text.c_str()); }

inline void clearScreen() {
    SDL_Surface* screen = Engine::instance().screen();
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
}

// Pixels of colour (r, g, b) inside the rectangle (x, y, w, h), clipped to
// the screen; -1 unless the screen is a 32-bit surface.
inline int countPixels(int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* screen = Engine::instance().screen();
    if (!screen || screen->format->BytesPerPixel != 4) return -1;
    const Uint32 wanted = SDL_MapRGB(screen->format, r, g, b) & 0x00FFFFFFu;
    int count = 0;
    SDL_LockSurface(screen);
    for (int py = y < 0 ? 0 : y; py < y + h && py < screen->h; ++py) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(screen->pixels) + py * screen->pitch);
        for (int px = x < 0 ? 0 : x; px < x + w && px < screen->w; ++px) {
            if ((row[px] & 0x00FFFFFFu) == wanted) ++count;
        }
    }
    SDL_UnlockSurface(screen);
    return count;
}

// Pixels of the whole screen that are not black; -1 as above.
inline int countLitPixels() {
    SDL_Surface* screen = Engine::instance().screen();
    const int black = countPixels(0, 0, screen->w, screen->h, 0, 0, 0);
    return black < 0 ? -1 : screen->w * screen->h - black;
}

// Runs the rest of a scope from a fresh empty directory, where no data/ file
// can be found: widgets built there have no images. The engine (and with it
// the shared font) must be started before.
class InEmptyDirectory {
public:
    InEmptyDirectory() {
        char templ[] = "/tmp/ombrel-empty-XXXXXX";
        if (getcwd(previous, sizeof previous) && mkdtemp(templ)) {
            directory = templ;
            moved = chdir(templ) == 0;
        }
    }
    ~InEmptyDirectory() {
        if (moved && chdir(previous) != 0) std::abort();
        if (!directory.empty()) rmdir(directory.c_str());
    }
    bool ok() const { return moved; }

private:
    char previous[4096] = {};
    std::string directory;
    bool moved = false;
};
