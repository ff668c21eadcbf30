#include "ui/TextEntryBox.h"

#include "engine/Engine.h"
#include "media/Text.h"
#include "ui/TextInput.h"

namespace {

constexpr int BackspaceKey = SDLK_BACKSPACE;

}  // namespace

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
        renderedLines[current].clear();
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
        renderedLines[current].clear();
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

void TextEntryBox::setPrompt(const std::string& promptText) { prompt.set(promptText); }

void TextEntryBox::clear() {
    for (int i = 0; i < LineCount; ++i) {
        lines[i].clear();
        renderedLines[i].clear();
    }
    current = 0;
}

SDL_Rect TextEntryBox::caretPosition() const {
    // An empty current line keeps its caret at the start of its own row: on
    // the top row it would sit over line 0's text after a wrap.
    SDL_Rect where{};
    const int left = lines[current].empty() ? x + 10 : x + renderedLines[current].width() + 20;
    where.x = static_cast<Sint16>(left);
    where.y = static_cast<Sint16>(y + 12 + 25 * current);
    return where;
}

void TextEntryBox::draw() {
    if (!panel.isLoaded()) return;
    SDL_Surface* screen = Engine::instance().screen();
    panel.draw(screen, x, y);
    header.draw(screen, x, y - 55);
    prompt.draw(screen, x + 10, y - 42);
    for (int i = 0; i < LineCount; ++i) renderedLines[i].draw(screen, x + 15, y + 12 + 25 * i);
    if (caretBlink.visible) {
        const SDL_Rect where = caretPosition();
        caret.draw(screen, where.x, where.y);
    }
}
