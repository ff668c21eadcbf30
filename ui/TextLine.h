#pragma once

#include <SDL.h>

#include <string>

// One line of text rendered in the shared font, as the widgets draw their
// texts: it owns its surface, which each set replaces. An empty text, or
// one without the font, has no surface and width 0 and draws nothing.
class TextLine {
public:
    static constexpr int White = 0xFFFFFF;

    TextLine() = default;
    explicit TextLine(const std::string& text, int colour = White) { set(text, colour); }
    ~TextLine();
    TextLine(TextLine&& other) noexcept;
    TextLine& operator=(TextLine&& other) noexcept;
    TextLine(const TextLine&) = delete;
    TextLine& operator=(const TextLine&) = delete;

    // colour is 0xRRGGBB.
    void set(const std::string& text, int colour = White);
    void clear();
    bool isRendered() const { return surface != nullptr; }
    // In pixels, as the font measures the text.
    int width() const { return w; }
    // Top-left corner at (x, y) on the screen.
    void draw(SDL_Surface* screen, int x, int y) const;

private:
    SDL_Surface* surface = nullptr;
    int w = 0;
};
