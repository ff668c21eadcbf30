#pragma once

#include "ui/Picture.h"
#include "ui/TextLine.h"

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

    void setText(const std::string& text);
    const std::string& text() const { return shownText; }
    void draw();

    // Left edge of the text relative to the panel, in pixels.
    int textOffset() const { return offset; }
    int width() const { return panel.width(); }
    int height() const { return panel.height(); }

private:
    int x = 160;
    int y = 420;
    Picture panel{"data/images/smallMessageBox.png"};
    TextLine line;
    int offset = 0;
    std::string shownText;
};
