#include "ui/SmallMessageBox.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"

namespace {

constexpr const char* PanelImage = "data/images/smallMessageBox.png";
constexpr int TextColour = 0xFFFFFF;

}  // namespace

SmallMessageBox::SmallMessageBox(const std::string& text) {
    background = loadImageOrWarn(PanelImage, panelWidth, panelHeight);
    setText(text);
}

SmallMessageBox::~SmallMessageBox() {
    freeSurface(textSurface);
    freeSurface(background);
}

void SmallMessageBox::setText(const std::string& text) {
    shownText = text;
    freeSurface(textSurface);
    textSurface = nullptr;
    TTF_Font* font = Engine::instance().font();
    if (!text.empty()) textSurface = renderText(font, text.c_str(), TextColour);
    // Integer division of a possibly negative difference truncates toward
    // zero, as intended: the text is centred to within a pixel either way.
    offset = (panelWidth - measureText(font, text.c_str())) / 2;
}

void SmallMessageBox::draw() {
    if (!background) return;
    SDL_Surface* screen = Engine::instance().screen();
    blit(background, screen, x, y);
    blit(textSurface, screen, x + offset, y + 10);
}
