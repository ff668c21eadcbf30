#include "ui/MessageBox.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"

#include <sstream>

namespace {

constexpr const char* PanelImage = "data/images/messageBox.png";
constexpr const char* ArrowImage = "data/images/arrowDown.png";
constexpr int TextColour = 0xFFFFFF;

}  // namespace

MessageBox::MessageBox(int x, int y, const std::string& text) : x(x), y(y) {
    background = loadImageOrWarn(PanelImage, panelWidth, panelHeight);
    int arrowWidth = 0;
    int arrowHeight = 0;
    arrow = loadImageOrWarn(ArrowImage, arrowWidth, arrowHeight);
    setText(text);
}

MessageBox::~MessageBox() {
    freeLines();
    freeSurface(background);
    freeSurface(arrow);
}

void MessageBox::freeLines() {
    for (SDL_Surface*& surface : lineSurfaces) {
        freeSurface(surface);
        surface = nullptr;
    }
}

void MessageBox::setText(const std::string& text) {
    freeLines();

    // Line-by-line reading: a final '\n' does not make an extra empty line.
    std::istringstream stream(text);
    std::string line;
    int count = 0;
    while (count < LineCount && std::getline(stream, line)) lines[count++] = line;
    for (int i = count; i < LineCount; ++i) lines[i].clear();

    wrapLines();

    TTF_Font* font = Engine::instance().font();
    for (int i = 0; i < LineCount; ++i) {
        if (!lines[i].empty()) lineSurfaces[i] = renderText(font, lines[i].c_str(), TextColour);
    }
}

// Cuts each line from its end until it is narrower than the panel allows and
// pushes what was cut to the front of the next line, where that line's own
// turn wraps it again; the third line's overflow is lost. Every pass removes
// at least one character from the line, so the loop ends even when nothing
// fits (a missing panel gives a negative limit).
void MessageBox::wrapLines() {
    TTF_Font* font = Engine::instance().font();
    const int limit = wrapWidth();
    for (int i = 0; i < LineCount; ++i) {
        std::string& line = lines[i];
        std::string* next = i + 1 < LineCount ? &lines[i + 1] : nullptr;
        // Set once the first character of an over-wide word has moved down;
        // the rest of that word joins it without a space.
        bool splittingWord = false;
        while (!line.empty() && measureText(font, line.c_str()) >= limit) {
            const size_t space = line.rfind(' ');
            if (space != std::string::npos) {
                const std::string word = line.substr(space + 1);
                line.erase(space);
                // Words go down one at a time from the end, so prepending
                // keeps their order.
                if (next && !word.empty()) *next = next->empty() ? word : word + " " + *next;
            } else {
                const char last = line.back();
                line.pop_back();
                if (next) {
                    // The cut characters go on one word, so they join each
                    // other without a space; a space still parts them from
                    // text the next line already had, or two words would
                    // run together.
                    const bool separate = !splittingWord && !next->empty();
                    *next = std::string(1, last) + (separate ? " " : "") + *next;
                    splittingWord = true;
                }
            }
        }
    }
}

void MessageBox::update(float dt) {
    arrowBlink.update(dt);
}

void MessageBox::draw() {
    if (!background) return;
    SDL_Surface* screen = Engine::instance().screen();
    blit(background, screen, x, y);
    if (arrowBlink.visible) blit(arrow, screen, x + panelWidth - 25, y + panelHeight - 20);
    for (int i = 0; i < LineCount; ++i) blit(lineSurfaces[i], screen, x + 15, y + 12 + 25 * i);
}
