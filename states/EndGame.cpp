#include "states/EndGame.h"

#include "engine/Engine.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"

#include <SDL.h>

namespace {

constexpr int ReturnKey = SDLK_RETURN;
constexpr int SpaceKey = SDLK_SPACE;
constexpr int PanelX = 20;
constexpr int PanelY = 360;

constexpr const char* ClosingLine = "And that is where this story shall end.\n\nAt least for now...";
constexpr const char* NextPlayerRemark =
    "It is up to the next player of this game to decide your fate, just as you decided the fate of the one "
    "before you.";
constexpr const char* NamePrompt = "Enter your first name:";
constexpr const char* AddressPrompt = "Enter your email address";
constexpr const char* ThanksWithAddress =
    "You will be emailed about your fate.\nThank you for playing.\nPress [Space] to submit your details";
constexpr const char* ThanksWithoutAddress = "Thank you for playing.\nPress [Space] to exit";

}  // namespace

bool isValidEmail(const std::string& text) {
    if (text.find(' ') != std::string::npos) return false;
    const size_t at = text.find('@');
    return at != std::string::npos && text.find('.', at) != std::string::npos;
}

EndGame::EndGame() = default;

EndGame::~EndGame() { cleanup(); }

bool EndGame::init() {
    messageBox = std::make_unique<MessageBox>(PanelX, PanelY, ClosingLine);
    inputBox = std::make_unique<InputBox>(PanelX, PanelY, NamePrompt);
    inputBox->showError = false;
    stage = 0;
    leaving = false;
    stopRequested = false;
    fade.setBlack();
    fade.fadeFromBlack();
    Engine::instance().fullscreenKeyEnabled = true;
    return true;
}

void EndGame::cleanup() {
    messageBox.reset();
    inputBox.reset();
}

void EndGame::update(float dt) {
    if (stage == 4 && leaving && fade.isBlack()) {
        // The loop ends after this frame; the log needs the stop only once
        // should frames be driven on.
        if (!stopRequested) Engine::instance().requestStop();
        stopRequested = true;
        return;
    }
    // Held keys repeat in the input box's update: behind the exit box a held
    // Backspace would go on deleting the name the player cannot see.
    if (Engine::instance().isExitBoxOpen()) return;
    fade.update(dt);
    if (messageBox) messageBox->update(dt);
    if (inputBox) inputBox->update(dt);
}

void EndGame::render() {
    if (stage == 2 || stage == 3) {
        if (inputBox) inputBox->draw();
    } else if (messageBox) {
        messageBox->draw();
    }
    fade.draw();
}

void EndGame::keyDown(int sym, char character) {
    if ((stage == 2 || stage == 3) && inputBox) inputBox->keyDown(sym, character);
}

void EndGame::keyUp(int sym, char character) {
    (void)character;
    if (!messageBox || !inputBox) return;
    inputBox->keyUp(sym);
    if (sym != ReturnKey && sym != SpaceKey) return;

    Engine& engine = Engine::instance();
    switch (stage) {
    case 0:
        stage = 1;
        messageBox->setText(NextPlayerRemark);
        break;
    case 1:
        stage = 2;
        inputBox->maxLength = NameLength;
        // F is a letter of a name or an address.
        engine.fullscreenKeyEnabled = false;
        break;
    case 2:
        // Space is typed into the name, not acted on.
        if (sym != ReturnKey) break;
        if (inputBox->text().empty()) {
            inputBox->showError = true;
            break;
        }
        stage = 3;
        inputBox->clear();
        inputBox->setPrompt(AddressPrompt);
        inputBox->showError = false;
        engine.fullscreenKeyEnabled = false;
        inputBox->maxLength = AddressLength;
        break;
    case 3: {
        if (sym != ReturnKey) break;
        const bool valid = isValidEmail(inputBox->text());
        stage = 4;
        inputBox->clear();
        messageBox->setText(valid ? ThanksWithAddress : ThanksWithoutAddress);
        engine.fullscreenKeyEnabled = true;
        break;
    }
    case 4:
        fade.fadeToBlack();
        leaving = true;
        break;
    default:
        break;
    }
}
