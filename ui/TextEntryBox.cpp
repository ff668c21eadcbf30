#include "ui/TextEntryBox.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"
#include "ui/TextInput.h"

namespace {

constexpr const char* PanelImage = "data/images/messageBox.png";
constexpr const char* HeaderImage = "data/images/inputBoxTop.png";
constexpr int TextColour = 0xFFFFFF;
constexpr int BackspaceKey = SDLK_BACKSPACE;

}  // namespace

TextEntryBox::TextEntryBox() {
    background = loadImageOrWarn(PanelImage, panelWidth, panelHeight);
    int w = 0;
    int h = 0;
    header = loadImageOrWarn(HeaderImage, w, h);
    caret = renderText(Engine::instance().font(), "|", TextColour);
}

TextEntryBox::~TextEntryBox() {
    for (int i = 0; i < LineCount; ++i) freeLine(i);
    freeSurface(background);
    freeSurface(caret);
    freeSurface(header);
    freeSurface(prompt);
}

void TextEntryBox::freeLine(int i) {
    freeSurface(lineSurfaces[i]);
    lineSurfaces[i] = nullptr;
    lineWidths[i] = 0;
}

void TextEntryBox::renderLine(int i) {
    freeLine(i);
    if (lines[i].empty()) return;
    TTF_Font* font = Engine::instance().font();
    lineWidths[i] = measureText(font, lines[i].c_str());
    lineSurfaces[i] = renderText(font, lines[i].c_str(), TextColour);
}

void TextEntryBox::keyDown(int sym, char character) {
    if (sym == BackspaceKey) {
        deleteOne();
        backspace.press();
        reflow();
        return;
    }
    if (!isTextInputChar(character)) return;

    std::string& line = lines[current];
    line += character;
    if (measureText(Engine::instance().font(), line.c_str()) <= lineWidthLimit()) {
        renderLine(current);
        return;
    }
    if (current == LineCount - 1) {
        // The last line is full: the character is refused.
        line.pop_back();
        return;
    }
    // Wrap after the last space: the line keeps that space, so joining the
    // lines gives back the typed text, and the word being typed moves down
    // whole. A line without a space gives up just its last character. Every
    // line after the current one is empty, so the moved text starts the next
    // line.
    std::string moved;
    const size_t space = line.rfind(' ');
    if (space != std::string::npos) {
        moved = line.substr(space + 1);
        line.erase(space + 1);
    } else {
        moved.assign(1, line.back());
        line.pop_back();
    }
    renderLine(current);
    ++current;
    lines[current] += moved;
    renderLine(current);
}

void TextEntryBox::deleteOne() {
    if (!lines[current].empty()) {
        lines[current].pop_back();
    } else if (current > 0 && !lines[current - 1].empty()) {
        lines[current - 1].pop_back();
    }
}

// After a delete: a current line that fits behind the previous one joins it,
// so the text flows back up as soon as there is room; an emptied line hands
// the caret back to the line before it.
void TextEntryBox::reflow() {
    if (lines[current].empty()) {
        freeLine(current);
        if (current > 0) {
            --current;
            renderLine(current);
        }
        return;
    }
    if (current == 0) {
        renderLine(0);
        return;
    }
    const std::string joined = lines[current - 1] + lines[current];
    if (measureText(Engine::instance().font(), joined.c_str()) <= lineWidthLimit()) {
        lines[current - 1] = joined;
        lines[current].clear();
        freeLine(current);
        --current;
    }
    renderLine(current);
}

void TextEntryBox::update(float dt) {
    caretBlink.update(dt);
    if (backspace.update(dt)) {
        deleteOne();
        reflow();
    }
}

void TextEntryBox::setPrompt(const std::string& promptText) {
    freeSurface(prompt);
    prompt = promptText.empty() ? nullptr : renderText(Engine::instance().font(), promptText.c_str(), TextColour);
}

void TextEntryBox::clear() {
    for (int i = 0; i < LineCount; ++i) {
        lines[i].clear();
        freeLine(i);
    }
    current = 0;
}

SDL_Rect TextEntryBox::caretPosition() const {
    // An empty current line keeps its caret at the start of its own row: on
    // the top row it would sit over line 0's text after a wrap.
    SDL_Rect where{};
    const int left = lines[current].empty() ? x + 10 : x + lineWidths[current] + 20;
    where.x = static_cast<Sint16>(left);
    where.y = static_cast<Sint16>(y + 12 + 25 * current);
    return where;
}

void TextEntryBox::draw() {
    if (!background) return;
    SDL_Surface* screen = Engine::instance().screen();
    blit(background, screen, x, y);
    blit(header, screen, x, y - 55);
    blit(prompt, screen, x + 10, y - 42);
    for (int i = 0; i < LineCount; ++i) blit(lineSurfaces[i], screen, x + 15, y + 12 + 25 * i);
    if (caretBlink.visible) {
        const SDL_Rect where = caretPosition();
        blit(caret, screen, where.x, where.y);
    }
}
