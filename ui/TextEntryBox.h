#pragma once

#include "ui/Blink.h"

#include <SDL.h>

#include <array>
#include <string>

// The answer entry panel at (20, 360): "data/images/messageBox.png" with the
// header "data/images/inputBoxTop.png" above it holding the question, and up
// to three lines of typed text that wrap at the last space while typing and
// flow back up as characters are deleted. A "|" caret blinks after the end
// of the current line. Only characters accepted by isTextInputChar are
// typed.
//
// A wrapped line keeps its trailing space, so text() gives back exactly what
// was typed. Owns its images and rendered texts. Without its panel image it
// draws nothing.
class TextEntryBox {
public:
    static constexpr int LineCount = 3;

    TextEntryBox();
    ~TextEntryBox();
    TextEntryBox(const TextEntryBox&) = delete;
    TextEntryBox& operator=(const TextEntryBox&) = delete;

    // sym: SDL key symbol; character: the typed character. Backspace deletes
    // one character and starts the repeat; a character that would overflow
    // the last line is refused.
    void keyDown(int sym, char character);
    // The owner calls this when Backspace is released; it ends the repeat.
    void releaseBackspace() { backspace.release(); }
    // Caret blink (0.75 s on, 0.75 s off) and Backspace repeat (after 0.5 s,
    // then every 0.1 s); dt in seconds.
    void update(float dt);
    void draw();

    void setPrompt(const std::string& prompt);
    // The typed text: the three lines joined as they are.
    std::string text() const { return lines[0] + lines[1] + lines[2]; }
    void clear();

    const std::string& lineText(int i) const { return lines[i]; }
    int currentLine() const { return current; }
    bool isCaretVisible() const { return caretBlink.visible; }
    bool isBackspaceHeld() const { return backspace.held; }
    // Top-left of the caret on the screen, in pixels.
    SDL_Rect caretPosition() const;
    // A line may be this many pixels wide.
    int lineWidthLimit() const { return panelWidth - 50; }
    int width() const { return panelWidth; }
    int height() const { return panelHeight; }

private:
    void renderLine(int i);
    void freeLine(int i);
    void deleteOne();
    void reflow();

    std::array<std::string, LineCount> lines;
    int current = 0;
    int x = 20;
    int y = 360;
    int panelWidth = 0;
    int panelHeight = 0;
    SDL_Surface* background = nullptr;
    SDL_Surface* caret = nullptr;
    SDL_Surface* header = nullptr;
    SDL_Surface* prompt = nullptr;
    Blink caretBlink{0.75f, 0.75f};
    std::array<SDL_Surface*, LineCount> lineSurfaces{};
    std::array<int, LineCount> lineWidths{};
    BackspaceRepeat backspace;
};
