#include "ui/InputBox.h"

#include "engine/Engine.h"
#include "media/Text.h"
#include "ui/TextInput.h"

namespace {

constexpr int BackspaceKey = SDLK_BACKSPACE;

}  // namespace

InputBox::InputBox(int x, int y, const std::string& promptText) : x(x), y(y) { setPrompt(promptText); }

void InputBox::keyDown(int sym, char character) {
    if (sym == BackspaceKey) {
        // Nothing to delete: no repeat either.
        if (typed.empty()) return;
        backspace.press();
        deleteLast();
        return;
    }
    if (typed.size() < maxLength && isTextInputChar(character)) {
        typed += character;
        renderTyped();
    }
}

void InputBox::keyUp(int sym) {
    if (sym == BackspaceKey) backspace.release();
}

void InputBox::update(float dt) {
    caretBlink.update(dt);
    if (backspace.update(dt) && !typed.empty()) deleteLast();
}

void InputBox::deleteLast() {
    typed.pop_back();
    renderTyped();
}

// Shows the longest tail of the text that is narrower than the panel less
// 89 pixels, so the caret after it stays inside. Tails are measured before
// one is rendered, and there are only as many candidates as characters, so
// the search ends even when no tail fits (a missing panel): then nothing is
// shown.
void InputBox::renderTyped() {
    visibleTail.clear();
    typedLine.clear();
    TTF_Font* font = Engine::instance().font();
    const int limit = panel.width() - 89;
    for (size_t start = 0; start < typed.size(); ++start) {
        const char* tail = typed.c_str() + start;
        if (measureText(font, tail) < limit) {
            visibleTail.assign(tail);
            typedLine.set(visibleTail);
            return;
        }
    }
}

void InputBox::setPrompt(const std::string& promptText) { prompt.set(promptText); }

void InputBox::clear() {
    typed.clear();
    visibleTail.clear();
    typedLine.clear();
}

void InputBox::draw() {
    if (!panel.isLoaded()) return;
    SDL_Surface* screen = Engine::instance().screen();
    panel.draw(screen, x, y);
    if (caretBlink.visible) blinker.draw(screen, x + 50 + typedLine.width(), y + 53);
    prompt.draw(screen, x + 15, y + 12);
    typedLine.draw(screen, x + 45, y + 53);
    if (showError) errorText.draw(screen, x + panel.width() - 200, y + 12);
}
