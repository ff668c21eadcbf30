#include "ui/MessageBox.h"

#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using MessageBoxTest = WidgetTest;

// Words "w0 w1 w2 ..." until the sentence is at least minWidth pixels wide.
std::vector<std::string> wordsWiderThan(int minWidth) {
    std::vector<std::string> words;
    for (std::string sentence; textWidth(sentence) < minWidth; sentence += (sentence.empty() ? "" : " ") + words.back())
        words.push_back("w" + std::to_string(words.size()));
    return words;
}

std::string join(const std::vector<std::string>& words, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to && i < words.size(); ++i) out += (i == from ? "" : " ") + words[i];
    return out;
}

// Checks that the line shows words[next...] in order, as many as fit, and
// returns the index of the first word left over; the texts have more words
// than the box can hold.
size_t expectFullLine(const MessageBox& box, int line, const std::vector<std::string>& words, size_t next) {
    SCOPED_TRACE("line " + std::to_string(line));
    std::istringstream stream(box.lineText(line));
    size_t shown = 0;
    for (std::string word; stream >> word;) ++shown;
    EXPECT_GT(shown, 0u);
    EXPECT_EQ(box.lineText(line), join(words, next, next + shown));
    EXPECT_LT(textWidth(box.lineText(line)), box.wrapWidth());
    next += shown;
    EXPECT_LT(next, words.size());
    if (next < words.size()) {
        EXPECT_GE(textWidth(box.lineText(line) + " " + words[next]), box.wrapWidth());
    }
    return next;
}

}  // namespace

TEST_F(MessageBoxTest, SplitsAtNewlinesKeepingTheFirstThreeLines) {
    const struct {
        const char *text, *lines[3];
    } cases[] = {{"And that is where this story shall end.\n\nAt least for now...",
                  {"And that is where this story shall end.", "", "At least for now..."}},
                 {"one\ntwo\nthree\nfour", {"one", "two", "three"}},
                 {"only\n", {"only", "", ""}}};
    for (const auto& c : cases) {
        MessageBox box(20, 360, c.text);
        for (int i = 0; i < MessageBox::LineCount; ++i) {
            EXPECT_EQ(box.lineText(i), c.lines[i]) << c.text;
            // An empty line has nothing SDL_ttf could render.
            EXPECT_EQ(box.isLineRendered(i), *c.lines[i] != 0) << c.text;
        }
    }
}

// An overlong line pushes its last words to the front of the next; past
// line two they are lost.
TEST_F(MessageBoxTest, OverflowCascadesToTheNextLineAndPastLineTwoIsLost) {
    MessageBox box(20, 360, "");
    ASSERT_GT(box.width(), 0);
    std::vector<std::string> words = wordsWiderThan(box.wrapWidth() * 4 / 3);
    box.setText(join(words, 0, words.size()) + "\nend");
    const size_t next = expectFullLine(box, 0, words, 0);
    EXPECT_EQ(box.lineText(1), join(words, next, words.size()) + " end");
    EXPECT_EQ(box.lineText(2), "");
    words = wordsWiderThan(box.wrapWidth() * 4);
    box.setText(join(words, 0, words.size()));
    for (size_t line = 0, at = 0; line < MessageBox::LineCount; ++line) at = expectFullLine(box, line, words, at);
}

TEST_F(MessageBoxTest, OverWideWordIsCutCharacterByCharacterAndContinuesBeforeTheNextLine) {
    MessageBox box(20, 360, "");
    const std::string word = lettersWiderThan(box.wrapWidth() * 3 / 2);
    box.setText(word + "\nnext");
    const std::string& cut = box.lineText(0);
    EXPECT_EQ(word.substr(0, cut.size()), cut);
    EXPECT_LT(textWidth(cut), box.wrapWidth());
    EXPECT_GE(textWidth(word.substr(0, cut.size() + 1)), box.wrapWidth());
    EXPECT_EQ(box.lineText(1), word.substr(cut.size()) + " next");
    EXPECT_EQ(box.lineText(2), "");
}
