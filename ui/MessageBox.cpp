#include "ui/MessageBox.h"

#include "engine/Engine.h"
#include "media/Text.h"

#include <sstream>

MessageBox::MessageBox(int x, int y, const std::string& text) : x(x), y(y) { setText(text); }

void MessageBox::setText(const std::string& text) {
    // Line-by-line reading: a final '\n' does not make an extra empty line.
    std::istringstream stream(text);
    std::string line;
    int count = 0;
    while (count < LineCount && std::getline(stream, line)) lines[count++] = line;
    for (int i = count; i < LineCount; ++i) lines[i].clear();

    wrapLines();
    for (int i = 0; i < LineCount; ++i) renderedLines[i].set(lines[i]);
}

// Cuts each line from its end until it is narrower than the panel allows and
// pushes what was cut to the front of the next line, where that line's own
// turn wraps it again; the third line's overflow is lost. Every pass removes
// at least one character from the line, so the loop ends even when nothing
// fits (a missing panel gives a negative limit).
void MessageBox::wrapLines() {
    TTF_Font* font = Engine::instance().font();
    const int limit = wrapWidth();
    for (int i = 0; i < LineCount; ++i) {
        std::string& line = lines[i];
        std::string* next = i + 1 < LineCount ? &lines[i + 1] : nullptr;
        // Set once the first character of an over-wide word has moved down;
        // the rest of that word joins it without a space.
        bool splittingWord = false;
        while (!line.empty() && measureText(font, line.c_str()) >= limit) {
            const size_t space = line.rfind(' ');
            if (space != std::string::npos) {
                const std::string word = line.substr(space + 1);
                line.erase(space);
                // Words go down one at a time from the end, so prepending
                // keeps their order.
                if (next && !word.empty()) *next = next->empty() ? word : word + " " + *next;
            } else {
                const char last = line.back();
                line.pop_back();
                if (next) {
                    // The cut characters go on one word, so they join each
                    // other without a space; a space still parts them from
                    // text the next line already had, or two words would
                    // run together.
                    const bool separate = !splittingWord && !next->empty();
                    *next = std::string(1, last) + (separate ? " " : "") + *next;
                    splittingWord = true;
                }
            }
        }
    }
}

void MessageBox::update(float dt) {
    arrowBlink.update(dt);
}

void MessageBox::draw() {
    if (!panel.isLoaded()) return;
    SDL_Surface* screen = Engine::instance().screen();
    panel.draw(screen, x, y);
    if (arrowBlink.visible) arrow.draw(screen, x + panel.width() - 25, y + panel.height() - 20);
    for (int i = 0; i < LineCount; ++i) renderedLines[i].draw(screen, x + 15, y + 12 + 25 * i);
}
