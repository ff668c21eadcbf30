#include "ui/TextEntryBox.h"

#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int Backspace = SDLK_BACKSPACE;

class TextEntryBoxTest : public WidgetTest {
protected:
    // "ab ab ... ab " filling line 0 so that "mmm" still fits after it but
    // a long word does not.
    static std::string fillerBefore(const TextEntryBox& box) {
        std::string filler;
        while (textWidth(filler + "ab mmm") <= box.lineWidthLimit()) filler += "ab ";
        return filler;
    }
};

}  // namespace

TEST_F(TextEntryBoxTest, WordTypedPastTheLineEndMovesDownWholeAndFlowsBackAsSoonAsBothLinesFit) {
    TextEntryBox box;
    ASSERT_GT(box.width(), 0);
    const std::string filler = fillerBefore(box);
    std::string typed = filler;
    type(box, filler);
    while (box.currentLine() == 0 && typed.size() < filler.size() + 100) {
        typed += 'm';
        type(box, "m");
    }
    ASSERT_GE(typed.size(), filler.size() + 4);
    EXPECT_EQ(box.lineText(0), filler);
    EXPECT_EQ(box.lineText(1), typed.substr(filler.size()));
    EXPECT_EQ(box.text(), typed);

    for (; typed.size() < filler.size() + 12; typed += 'm') type(box, "m");
    while (box.currentLine() == 1) {
        ASSERT_GT(textWidth(box.lineText(0) + box.lineText(1)), box.lineWidthLimit()) << "merged too late";
        box.keyDown(Backspace, '\b');
        typed.pop_back();
        ASSERT_EQ(box.text(), typed);
    }
    EXPECT_EQ(box.lineText(0), typed);
    EXPECT_EQ(box.lineText(1), "");
    EXPECT_GT(typed.size(), filler.size());
    // The caret moved up with the text.
    EXPECT_EQ(box.caretPosition().y, 360 + 12);
    EXPECT_EQ(box.caretPosition().x, 20 + textWidth(typed) + 20);
}

TEST_F(TextEntryBoxTest, OverflowingSpaceEndsLineZeroAndMakesLineOneCurrent) {
    TextEntryBox box;
    std::string typed = fillerBefore(box) + "mmm";
    while (textWidth(typed + "m") <= box.lineWidthLimit()) typed += 'm';
    type(box, typed);
    while (box.currentLine() == 0 && typed.size() < 200) {
        typed += ' ';
        type(box, " ");
    }
    EXPECT_EQ(box.lineText(0), typed);
    EXPECT_EQ(box.lineText(1), "");
    EXPECT_EQ(box.currentLine(), 1);
    // The caret waits at the start of the new line, not over line 0.
    EXPECT_EQ(box.caretPosition().y, 360 + 12 + 25);
}

TEST_F(TextEntryBoxTest, OnTheLastLineAnOverflowingCharacterIsRefused) {
    TextEntryBox box;
    type(box, std::string(400, 'w'));
    const std::string full = box.text();
    EXPECT_EQ(box.currentLine(), 2);
    EXPECT_LE(textWidth(box.lineText(2)), box.lineWidthLimit());
    type(box, "w");
    EXPECT_EQ(box.text(), full);
}

TEST_F(TextEntryBoxTest, RefusedCharactersAreNotTypedAndBackspaceHeldDeletesUntilReleased) {
    TextEntryBox box;
    box.keyDown(Backspace, '\b');
    EXPECT_EQ(box.currentLine(), 0);
    type(box, "a:;()%bcdefghij");
    EXPECT_EQ(box.text(), "abcdefghij");
    box.keyDown(Backspace, '\b');
    // Frames of 33 ms keep clear of the exact 0.5 s and 0.1 s marks: repeats
    // fall in frames 16 and 19.
    for (int frame = 0; frame < 20; ++frame) box.update(0.033f);
    EXPECT_EQ(box.text(), "abcdefg");
    box.releaseBackspace();
    for (int frame = 0; frame < 40; ++frame) box.update(0.025f);
    EXPECT_EQ(box.text(), "abcdefg");
}
