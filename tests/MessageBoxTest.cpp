#include "ui/MessageBox.h"

#include "support/EngineFixture.h"
#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Words "w0 w1 w2 ..." until the sentence is at least minWidth pixels wide.
std::vector<std::string> wordsWiderThan(int minWidth) {
    std::vector<std::string> words;
    std::string sentence;
    while (textWidth(sentence) < minWidth) {
        words.push_back("w" + std::to_string(words.size()));
        sentence += (sentence.empty() ? "" : " ") + words.back();
    }
    return words;
}

std::string join(const std::vector<std::string>& words, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to; ++i) out += (i == from ? "" : " ") + words[i];
    return out;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream stream(line);
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(Engine::instance().font(), nullptr);
    }
};

}  // namespace

TEST_F(MessageBoxTest, ClosingTextGivesThreeLinesWithAnEmptyUnrenderedMiddle) {
    MessageBox box(20, 360, "And that is where this story shall end.\n\nAt least for now...");
    EXPECT_EQ(box.lineText(0), "And that is where this story shall end.");
    EXPECT_EQ(box.lineText(1), "");
    EXPECT_EQ(box.lineText(2), "At least for now...");
    EXPECT_TRUE(box.isLineRendered(0));
    EXPECT_FALSE(box.isLineRendered(1));
    EXPECT_TRUE(box.isLineRendered(2));
}

TEST_F(MessageBoxTest, OnlyTheFirstThreeLinesAreKept) {
    MessageBox box(20, 360, "one\ntwo\nthree\nfour");
    EXPECT_EQ(box.lineText(0), "one");
    EXPECT_EQ(box.lineText(1), "two");
    EXPECT_EQ(box.lineText(2), "three");

    // A final newline makes no extra line; missing lines are empty.
    box.setText("only\n");
    EXPECT_EQ(box.lineText(0), "only");
    EXPECT_EQ(box.lineText(1), "");
    EXPECT_EQ(box.lineText(2), "");
}

TEST_F(MessageBoxTest, OverlongFirstLinePushesItsLastWordsToTheFrontOfLineOne) {
    MessageBox box(20, 360, "");
    ASSERT_GT(box.width(), 0);
    const std::vector<std::string> words = wordsWiderThan(box.wrapWidth() * 4 / 3);
    box.setText(join(words, 0, words.size()) + "\nend");

    const std::vector<std::string> first = split(box.lineText(0));
    ASSERT_FALSE(first.empty());
    EXPECT_LT(textWidth(box.lineText(0)), box.wrapWidth());
    // As many words as fit stay on line 0, the rest follow in order.
    EXPECT_GE(textWidth(box.lineText(0) + " " + words[first.size()]), box.wrapWidth());
    EXPECT_EQ(box.lineText(1), join(words, first.size(), words.size()) + " end");
    EXPECT_EQ(box.lineText(2), "");
}

TEST_F(MessageBoxTest, OverflowCascadesThroughLineTwoAndIsThenLost) {
    MessageBox box(20, 360, "");
    const std::vector<std::string> words = wordsWiderThan(box.wrapWidth() * 4);
    box.setText(join(words, 0, words.size()));

    size_t next = 0;
    for (int i = 0; i < MessageBox::LineCount; ++i) {
        const std::vector<std::string> shown = split(box.lineText(i));
        ASSERT_FALSE(shown.empty()) << "line " << i;
        EXPECT_EQ(box.lineText(i), join(words, next, next + shown.size())) << "line " << i;
        EXPECT_LT(textWidth(box.lineText(i)), box.wrapWidth()) << "line " << i;
        next += shown.size();
        // Each line holds as many words as fit; there are always more.
        ASSERT_LT(next, words.size()) << "line " << i;
        EXPECT_GE(textWidth(box.lineText(i) + " " + words[next]), box.wrapWidth()) << "line " << i;
    }
}

TEST_F(MessageBoxTest, OverWideWordIsCutCharacterByCharacterAndContinuesInOrder) {
    MessageBox box(20, 360, "");
    std::string word;
    for (int i = 0; textWidth(word) < box.wrapWidth() * 3 / 2; ++i) word += static_cast<char>('a' + i % 26);
    box.setText(word);

    EXPECT_EQ(box.lineText(0) + box.lineText(1), word);
    EXPECT_LT(textWidth(box.lineText(0)), box.wrapWidth());
    EXPECT_GE(textWidth(box.lineText(0) + box.lineText(1).substr(0, 1)), box.wrapWidth());
    EXPECT_EQ(box.lineText(2), "");
}

TEST_F(MessageBoxTest, CutWordDoesNotRunIntoTheNextLinesOwnText) {
    MessageBox box(20, 360, "");
    std::string word;
    for (int i = 0; textWidth(word) < box.wrapWidth() * 3 / 2; ++i) word += static_cast<char>('a' + i % 26);
    box.setText(word + "\nnext");

    const std::string tail = word.substr(box.lineText(0).size());
    EXPECT_EQ(box.lineText(1), tail + " next");
}

TEST_F(MessageBoxTest, DrawPutsTheTextInItsRowOnTheScreen) {
    MessageBox box(20, 360, "");
    clearScreen();
    box.draw();
    const int panelOnly = countPixels(35, 372, 500, 24, 255, 255, 255);
    ASSERT_GE(panelOnly, 0);
    EXPECT_GT(countLitPixels(), 0);

    box.setText("Hello there");
    clearScreen();
    box.draw();
    EXPECT_GT(countPixels(35, 372, 500, 24, 255, 255, 255), panelOnly);
}

TEST_F(MessageBoxTest, WithoutItsImagesTheBoxDrawsNothingAndStillWrapsInBoundedTime) {
    InEmptyDirectory nowhere;
    ASSERT_TRUE(nowhere.ok());
    std::string text;
    for (int i = 0; i < 200; ++i) text += "word ";
    text += std::string(300, 'x') + "\n\n" + std::string(300, 'y');
    MessageBox box(20, 360, text);
    EXPECT_EQ(box.width(), 0);

    clearScreen();
    box.draw();
    box.update(1.0f);
    box.draw();
    EXPECT_EQ(countLitPixels(), 0);
}
