#pragma once

#include "ui/Blink.h"
#include "ui/Picture.h"
#include "ui/TextLine.h"

#include <SDL.h>

#include <cstdint>
#include <string>

// A one-line text entry panel on "data/images/inputBox.png": a prompt line,
// the typed text below it with a blinking caret ("data/images/blinker.png")
// after it and, while showError is set, a red "Invalid Input!" at the top
// right. Only characters accepted by isTextInputChar are typed. A text wider
// than the panel shows its end.
//
// Owns its images and rendered texts. Without its panel image it draws
// nothing (typing still edits the text).
class InputBox {
public:
    // x, y: the panel's top-left corner on the screen, in pixels.
    InputBox(int x, int y, const std::string& prompt);

    // sym: SDL key symbol; character: the typed character. Backspace deletes
    // the last character and starts the repeat (not on an empty text); an
    // accepted character is appended while the text is shorter than
    // maxLength.
    void keyDown(int sym, char character);
    // Releasing Backspace ends the repeat.
    void keyUp(int sym);
    // Caret blink (1 s on, 1 s off) and Backspace repeat (after 0.5 s, then
    // every 0.1 s); dt in seconds.
    void update(float dt);
    void draw();

    // An empty prompt shows none.
    void setPrompt(const std::string& prompt);
    void clear();
    const std::string& text() const { return typed; }

    // The end of the text that is shown: the longest tail narrower than the
    // panel width less 89 pixels.
    const std::string& visibleText() const { return visibleTail; }
    int visibleWidth() const { return typedLine.width(); }
    bool isBackspaceHeld() const { return backspace.held; }
    bool isCaretVisible() const { return caretBlink.visible; }
    int width() const { return panel.width(); }
    int height() const { return panel.height(); }

    // Most characters the text may hold; the owner sets it.
    uint32_t maxLength = 500;
    // Draw the red "Invalid Input!"; the owner sets it.
    bool showError = false;

private:
    void deleteLast();
    void renderTyped();

    int x;
    int y;
    Picture panel{"data/images/inputBox.png"};
    Picture blinker{"data/images/blinker.png"};
    TextLine prompt;
    Blink caretBlink{1.0f, 1.0f};
    std::string typed;
    std::string visibleTail;
    TextLine typedLine;
    TextLine errorText{"Invalid Input!", 0xFF0000};
    BackspaceRepeat backspace;
};
