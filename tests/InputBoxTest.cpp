#include "ui/InputBox.h"

#include "support/EngineFixture.h"
#include "support/ScreenProbe.h"
#include "ui/TextInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int Backspace = SDLK_BACKSPACE;

void type(InputBox& box, const std::string& text) {
    for (char c : text) box.keyDown(c, c);
}

class InputBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(Engine::instance().font(), nullptr);
    }
};

}  // namespace

TEST(TextInputChar, AcceptsExactlyThePrintableSetTheGameAllows) {
    const std::string allowed =
        " !\"#$&'*+,-./0123456789=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ^_`abcdefghijklmnopqrstuvwxyz";
    for (int code = -128; code < 128; ++code) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(isTextInputChar(c), allowed.find(c) != std::string::npos) << "code " << code;
    }
}

TEST_F(InputBoxTest, MaxLengthRefusesOneMoreUntilBackspaceMakesRoom) {
    InputBox box(20, 360, "Enter your first name:");
    box.maxLength = 24;
    type(box, std::string(24, 'a'));
    box.keyDown('b', 'b');
    EXPECT_EQ(box.text(), std::string(24, 'a'));

    box.keyDown(Backspace, '\b');
    box.keyDown('b', 'b');
    EXPECT_EQ(box.text(), std::string(23, 'a') + "b");
}

TEST_F(InputBoxTest, RefusedCharactersChangeNothingAndALeadingSpaceIsTyped) {
    InputBox box(20, 360, "Enter your first name:");
    type(box, "%:");
    EXPECT_EQ(box.text(), "");
    type(box, " Ann");
    EXPECT_EQ(box.text(), " Ann");
}

TEST_F(InputBoxTest, WideTextShowsItsEndAndItsBeginningReturnsOnDelete) {
    InputBox box(20, 360, "Enter your email address");
    ASSERT_GT(box.width(), 0);
    const int limit = box.width() - 89;
    std::string typed;
    for (int i = 0; textWidth(typed) < limit * 2; ++i) typed += static_cast<char>('a' + i % 26);
    type(box, typed);

    const std::string& tail = box.visibleText();
    ASSERT_FALSE(tail.empty());
    EXPECT_EQ(typed.substr(typed.size() - tail.size()), tail);
    EXPECT_LT(textWidth(tail), limit);
    EXPECT_GE(textWidth(typed.substr(typed.size() - tail.size() - 1)), limit);

    while (textWidth(box.text()) >= limit) box.keyDown(Backspace, '\b');
    EXPECT_EQ(box.visibleText(), box.text());
    EXPECT_EQ(box.visibleText().substr(0, 3), "abc");
}

TEST_F(InputBoxTest, BackspaceHeldForOneSecondDeletesOnePlusOnePlusFive) {
    InputBox box(20, 360, "");
    type(box, std::string(20, 'x'));
    box.keyDown(Backspace, '\b');
    EXPECT_EQ(box.text().size(), 19u);
    for (int frame = 0; frame < 18; ++frame) box.update(0.025f);  // 0.45 s
    EXPECT_EQ(box.text().size(), 19u);
    for (int frame = 0; frame < 4; ++frame) box.update(0.025f);  // 0.55 s
    EXPECT_EQ(box.text().size(), 18u);
    for (int frame = 0; frame < 18; ++frame) box.update(0.025f);  // 1.0 s
    // Then one every 0.1 s; frame timing may shift the last one.
    const int deleted = 20 - static_cast<int>(box.text().size());
    EXPECT_GE(deleted, 6);
    EXPECT_LE(deleted, 8);

    box.keyUp(Backspace);
    const size_t left = box.text().size();
    for (int frame = 0; frame < 40; ++frame) box.update(0.025f);
    EXPECT_EQ(box.text().size(), left);
}

TEST_F(InputBoxTest, BackspaceOnAnEmptyTextDoesNotStartTheRepeat) {
    InputBox box(20, 360, "");
    box.keyDown(Backspace, '\b');
    EXPECT_FALSE(box.isBackspaceHeld());
    type(box, "ab");
    for (int frame = 0; frame < 40; ++frame) box.update(0.025f);
    EXPECT_EQ(box.text(), "ab");
}

TEST_F(InputBoxTest, ErrorLineIsDrawnInRedOnlyWhenAsked) {
    InputBox box(20, 360, "Enter your first name:");
    clearScreen();
    box.draw();
    const int redWithout = countPixels(0, 0, 640, 480, 255, 0, 0);
    ASSERT_GE(redWithout, 0);

    box.showError = true;
    clearScreen();
    box.draw();
    const int errorLeft = 20 + box.width() - 200;
    EXPECT_GT(countPixels(errorLeft, 372, 200, 24, 255, 0, 0), 0);
    EXPECT_GT(countPixels(0, 0, 640, 480, 255, 0, 0), redWithout);
}

TEST_F(InputBoxTest, WithoutItsImagesTheBoxDrawsNothingAndTypingStillEnds) {
    InEmptyDirectory nowhere;
    ASSERT_TRUE(nowhere.ok());
    InputBox box(20, 360, "Enter your first name:");
    box.showError = true;
    type(box, "Somebody with a long name");
    EXPECT_EQ(box.text(), "Somebody with a long name");
    EXPECT_EQ(box.visibleText(), "");
    clearScreen();
    box.draw();
    EXPECT_EQ(countLitPixels(), 0);
}
