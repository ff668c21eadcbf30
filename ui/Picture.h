#pragma once

#include <SDL.h>

// One of a widget's pictures from data/images/: loaded on construction and
// freed with the widget. A picture that failed to load (one line is logged
// naming the file) has size 0 and draws nothing.
class Picture {
public:
    explicit Picture(const char* path);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool isLoaded() const { return surface != nullptr; }
    int width() const { return w; }
    int height() const { return h; }
    // Top-left corner at (x, y) on the screen.
    void draw(SDL_Surface* screen, int x, int y) const;

private:
    SDL_Surface* surface = nullptr;
    int w = 0;
    int h = 0;
};
