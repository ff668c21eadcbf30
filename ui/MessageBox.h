#pragma once

#include "ui/Blink.h"
#include "ui/Picture.h"
#include "ui/TextLine.h"

#include <SDL.h>

#include <array>
#include <string>

// The story text panel: up to three word-wrapped lines of white text on
// "data/images/messageBox.png" with a blinking "data/images/arrowDown.png"
// in its lower right corner, drawn onto Engine::screen() with the shared
// font. Longer passages are shown as successive texts by the owner.
//
// The widget owns its images and rendered lines. Without its panel image it
// draws nothing; without the font its lines stay unrendered.
class MessageBox {
public:
    static constexpr int LineCount = 3;

    // x, y: the panel's top-left corner on the screen, in pixels.
    MessageBox(int x, int y, const std::string& text);

    // Splits text at '\n', keeps the first three lines and wraps each one to
    // the panel; what does not fit on the third line is dropped.
    void setText(const std::string& text);
    // Advances the arrow's blink (0.75 s on, 0.75 s off); dt in seconds.
    void update(float dt);
    void draw();

    // The wrapped text of line i (0..2) as shown; "" for an empty line.
    const std::string& lineText(int i) const { return lines[i]; }
    // Whether line i has a rendered surface (an empty line has none).
    bool isLineRendered(int i) const { return renderedLines[i].isRendered(); }
    bool isArrowVisible() const { return arrowBlink.visible; }
    // Panel size in pixels; 0 when the image is missing.
    int width() const { return panel.width(); }
    int height() const { return panel.height(); }
    // Lines are cut until they are narrower than this many pixels.
    int wrapWidth() const { return panel.width() - 29; }

private:
    void wrapLines();

    int x;
    int y;
    Picture panel{"data/images/messageBox.png"};
    Picture arrow{"data/images/arrowDown.png"};
    std::array<std::string, LineCount> lines;
    std::array<TextLine, LineCount> renderedLines;
    Blink arrowBlink{0.75f, 0.75f};
};
