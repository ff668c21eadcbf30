#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

// The "Do you want to exit?" panel the Engine draws over every screen.
// Escape opens it; while open, Y stops the main loop and N closes it. The box
// owns its image and its two text surfaces; any of them may be null (missing
// file or font), and then that part is simply not drawn.
class ExitBox {
public:
    // Loads "data/images/escapeBox.png" and renders the two lines with font
    // (not owned; may be null). Needs the screen to exist.
    explicit ExitBox(TTF_Font* font);
    ~ExitBox();
    ExitBox(const ExitBox&) = delete;
    ExitBox& operator=(const ExitBox&) = delete;

    // Sees every key-down before anyone else. sym: SDL key symbol;
    // character: the typed character (0 if none).
    void handleKey(int sym, char character);
    bool isOpen() const { return visible; }
    // True once after the box took a key-down; reading it clears it. The event
    // poll then stops for this frame.
    bool takeConsumed();
    // Draws onto the Engine's screen, only while open.
    void draw() const;

private:
    bool consumed = false;
    bool visible = false;
    SDL_Surface* image = nullptr;
    SDL_Surface* question = nullptr;
    SDL_Surface* keys = nullptr;
    int width = 0;
    int height = 0;
};
