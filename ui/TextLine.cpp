#include "ui/TextLine.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"

#include <utility>

TextLine::~TextLine() { clear(); }

TextLine::TextLine(TextLine&& other) noexcept
    : surface(std::exchange(other.surface, nullptr)), w(std::exchange(other.w, 0)) {}

TextLine& TextLine::operator=(TextLine&& other) noexcept {
    if (this != &other) {
        clear();
        surface = std::exchange(other.surface, nullptr);
        w = std::exchange(other.w, 0);
    }
    return *this;
}

void TextLine::set(const std::string& text, int colour) {
    clear();
    TTF_Font* font = Engine::instance().font();
    surface = renderText(font, text.c_str(), colour);
    w = measureText(font, text.c_str());
}

void TextLine::clear() {
    freeSurface(surface);
    surface = nullptr;
    w = 0;
}

void TextLine::draw(SDL_Surface* screen, int x, int y) const { blit(surface, screen, x, y); }
