#include "ui/SmallMessageBox.h"

#include "engine/Engine.h"

SmallMessageBox::SmallMessageBox(const std::string& text) { setText(text); }

void SmallMessageBox::setText(const std::string& text) {
    shownText = text;
    line.set(text);
    // Integer division of a possibly negative difference truncates toward
    // zero, as intended: the text is centred to within a pixel either way.
    offset = (panel.width() - line.width()) / 2;
}

void SmallMessageBox::draw() {
    if (!panel.isLoaded()) return;
    SDL_Surface* screen = Engine::instance().screen();
    panel.draw(screen, x, y);
    line.draw(screen, x + offset, y + 10);
}
