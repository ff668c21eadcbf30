#pragma once

#include "ui/Blink.h"
#include "ui/Picture.h"
#include "ui/TextLine.h"

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
    int lineWidthLimit() const { return panel.width() - 50; }
    int width() const { return panel.width(); }
    int height() const { return panel.height(); }

private:
    void renderLine(int i) { renderedLines[i].set(lines[i]); }
    void deleteOne();
    void reflow();

    std::array<std::string, LineCount> lines;
    int current = 0;
    int x = 20;
    int y = 360;
    Picture panel{"data/images/messageBox.png"};
    Picture header{"data/images/inputBoxTop.png"};
    TextLine caret{"|"};
    TextLine prompt;
    Blink caretBlink{0.75f, 0.75f};
    std::array<TextLine, LineCount> renderedLines;
    BackspaceRepeat backspace;
};
