#include "engine/ExitBox.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"

namespace {
constexpr int White = 0xFFFFFF;
}

ExitBox::ExitBox(TTF_Font* font) {
    // Without its panel the box still shows its two lines.
    image = loadImageOrWarn("data/images/escapeBox.png", width, height);
    question = renderText(font, "Do you want to exit?", White);
    keys = renderText(font, "[Y] - Yes     [N] - No", White);
}

ExitBox::~ExitBox() {
    freeSurface(image);
    freeSurface(question);
    freeSurface(keys);
}

void ExitBox::handleKey(int sym, char character) {
    if (sym == SDLK_ESCAPE) {
        // Escape only ever opens: a second press must not dismiss the question.
        visible = true;
        return;
    }
    if (!visible) return;
    // Y is read from the typed character so Shift+Y counts; N from the key
    // symbol, which SDL reports lower-case whatever the modifiers.
    if (character == 'y' || character == 'Y') {
        Engine::instance().requestStop();
        consumed = true;
    } else if (sym == 'n' || sym == 'N') {
        visible = false;
        consumed = true;
    }
}

bool ExitBox::takeConsumed() {
    const bool was = consumed;
    consumed = false;
    return was;
}

void ExitBox::draw() const {
    if (!visible) return;
    Engine& engine = Engine::instance();
    SDL_Surface* screen = engine.screen();
    if (!screen) return;
    blit(image, screen, (engine.screenWidth() - width) / 2, (engine.screenHeight() - height) / 2);
    // The text positions are fixed for the 640x480 screen, not taken from the
    // panel, so the lines sit where the panel art expects them.
    blit(question, screen, 190, 210);
    blit(keys, screen, 187, 250);
}
