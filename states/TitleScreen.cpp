#include "states/TitleScreen.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"
#include "motion/Easing.h"
#include "states/PlayState.h"

namespace {

constexpr int White = 0xFFFFFF;
constexpr int TitleFontSize = 64;
constexpr float SwingDegrees = -90.0f;
constexpr double SwingSeconds = 12.0;
constexpr int SpaceKey = SDLK_SPACE;

}  // namespace

TitleScreen::TitleScreen() = default;

TitleScreen::~TitleScreen() { cleanup(); }

bool TitleScreen::init() {
    backdrop = std::make_unique<PlayState>();
    backdrop->backgroundMode = true;
    if (!backdrop->init()) {
        // The loader has named the refused file. A title over half a world
        // would only lead into a game that cannot be played.
        backdrop.reset();
        return false;
    }
    swingAngle = 90.0f;
    backdrop->rotateView(swingAngle);

    titleFont = openFont(FONT_PATH, TitleFontSize);
    titleText = renderText(titleFont, "Ombrel", White);
    panel = loadImageOrWarn("data/images/titleMessageBox.png", panelWidth, panelHeight);
    TTF_Font* font = Engine::instance().font();
    versionText = renderText(font, "-- SPEED RUNNING VERSION --", White);
    notPlayableText = renderText(font, "Ombrel is no longer playable.", White);
    speedRunnersText = renderText(font, "This build is just for speed runners.", White);
    pressSpaceText = renderText(font, "[ Press Space to Start ]", White);

    // The 90 degrees above become the swing's far end: the view starts
    // turned away and swings back toward the level's own heading.
    swingAngle = 0.0f;
    tweener.animate(&swingAngle, SwingDegrees, Linear, SwingSeconds);

    fade.setBlack();
    fade.fadeFromBlack();
    return true;
}

void TitleScreen::cleanup() {
    if (backdrop) {
        backdrop->cleanup();
        backdrop.reset();
    }
    freeTexts();
    closeFont(titleFont);
    titleFont = nullptr;
    freeSurface(panel);
    panel = nullptr;
}

void TitleScreen::freeTexts() {
    for (SDL_Surface** text : {&titleText, &versionText, &notPlayableText, &speedRunnersText, &pressSpaceText}) {
        freeSurface(*text);
        *text = nullptr;
    }
}

void TitleScreen::update(float dt) {
    if (!backdrop) return;
    Engine& engine = Engine::instance();
    fade.update(dt);
    backdrop->update(dt);

    const float previous = swingAngle;
    // The swing holds while the player is asked whether to quit.
    if (!engine.isExitBoxOpen()) tweener.update(dt);
    backdrop->rotateView(static_cast<double>(swingAngle - previous));
    if (!tweener.isAnimating(&swingAngle))
        tweener.animate(&swingAngle, swingAngle == SwingDegrees ? 0.0f : SwingDegrees, Linear, SwingSeconds);

    if (fade.isFading() || !fade.isBlack() || handedOver) return;
    handedOver = true;
    engine.startSpeedRunTimer();
    engine.changeState(std::make_unique<PlayState>());
}

void TitleScreen::render() {
    if (!backdrop) return;
    SDL_Surface* screen = Engine::instance().screen();
    backdrop->render();
    blit(titleText, screen, 235, 45);
    blit(panel, screen, 20, 325);
    blit(versionText, screen, 135, 341);
    blit(notPlayableText, screen, 145, 372);
    blit(speedRunnersText, screen, 85, 397);
    blit(pressSpaceText, screen, 160, 432);
    fade.draw();
}

void TitleScreen::keyDown(int sym, char character) {
    (void)character;
    // Space during the opening fade is ignored too: the title is not yet up.
    if (sym == SpaceKey && backdrop && !fade.isFading()) fade.fadeToBlack();
}
