#include "ui/InputBox.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"
#include "ui/TextInput.h"

namespace {

constexpr const char* PanelImage = "data/images/inputBox.png";
constexpr const char* BlinkerImage = "data/images/blinker.png";
constexpr const char* ErrorMessage = "Invalid Input!";
constexpr int TextColour = 0xFFFFFF;
constexpr int ErrorColour = 0xFF0000;
constexpr int BackspaceKey = SDLK_BACKSPACE;

}  // namespace

InputBox::InputBox(int x, int y, const std::string& promptText) : x(x), y(y) {
    background = loadImageOrWarn(PanelImage, panelWidth, panelHeight);
    int w = 0;
    int h = 0;
    blinker = loadImageOrWarn(BlinkerImage, w, h);
    setPrompt(promptText);
    errorText = renderText(Engine::instance().font(), ErrorMessage, ErrorColour);
}

InputBox::~InputBox() {
    freeSurface(background);
    freeSurface(blinker);
    freeSurface(prompt);
    freeSurface(errorText);
    freeSurface(textSurface);
}

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
    freeSurface(textSurface);
    textSurface = nullptr;
    visibleTail.clear();
    textWidth = 0;

    TTF_Font* font = Engine::instance().font();
    const int limit = panelWidth - 89;
    for (size_t start = 0; start < typed.size(); ++start) {
        const char* tail = typed.c_str() + start;
        const int tailWidth = measureText(font, tail);
        if (tailWidth < limit) {
            visibleTail.assign(tail);
            textWidth = tailWidth;
            textSurface = renderText(font, tail, TextColour);
            return;
        }
    }
}

void InputBox::setPrompt(const std::string& promptText) {
    freeSurface(prompt);
    prompt = promptText.empty() ? nullptr : renderText(Engine::instance().font(), promptText.c_str(), TextColour);
}

void InputBox::clear() {
    typed.clear();
    visibleTail.clear();
    freeSurface(textSurface);
    textSurface = nullptr;
    textWidth = 0;
}

void InputBox::draw() {
    if (!background) return;
    SDL_Surface* screen = Engine::instance().screen();
    blit(background, screen, x, y);
    if (caretBlink.visible) blit(blinker, screen, x + 50 + textWidth, y + 53);
    blit(prompt, screen, x + 15, y + 12);
    blit(textSurface, screen, x + 45, y + 53);
    if (showError) blit(errorText, screen, x + panelWidth - 200, y + 12);
}
