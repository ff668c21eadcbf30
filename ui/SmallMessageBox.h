#pragma once

#include <SDL.h>

#include <string>

// The one-line notice at (160, 420): white text centred on
// "data/images/smallMessageBox.png". The play state shows the label of the
// action within reach in it.
//
// Owns its image and rendered text. A text wider than the panel gets a
// negative offset and starts left of the panel. Without its panel image it
// draws nothing; an empty text draws only the panel.
class SmallMessageBox {
public:
    explicit SmallMessageBox(const std::string& text);
    ~SmallMessageBox();
    SmallMessageBox(const SmallMessageBox&) = delete;
    SmallMessageBox& operator=(const SmallMessageBox&) = delete;

    void setText(const std::string& text);
    const std::string& text() const { return shownText; }
    void draw();

    // Left edge of the text relative to the panel, in pixels.
    int textOffset() const { return offset; }
    int width() const { return panelWidth; }
    int height() const { return panelHeight; }

private:
    int x = 160;
    int y = 420;
    int panelWidth = 0;
    int panelHeight = 0;
    SDL_Surface* background = nullptr;
    SDL_Surface* textSurface = nullptr;
    int offset = 0;
    std::string shownText;
};
