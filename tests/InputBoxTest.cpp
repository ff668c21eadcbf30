#include "ui/InputBox.h"

#include "support/ScreenProbe.h"
#include "ui/TextInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using InputBoxTest = WidgetTest;
constexpr int Backspace = SDLK_BACKSPACE;

// Runs n frames of 25 ms.
void frames(InputBox& box, int n) {
    for (int i = 0; i < n; ++i) box.update(0.025f);
}

}  // namespace

TEST(TextInputChar, AcceptsExactlyThePrintableSetTheGameAllows) {
    const std::string allowed =
        " !\"#$&'*+,-./0123456789=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ^_`abcdefghijklmnopqrstuvwxyz";
    for (int code = -128; code < 128; ++code) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(isTextInputChar(c), allowed.find(c) != std::string::npos) << "code " << code;
    }
}

// A leading space is typed; refused characters and one past the maximum
// change nothing until Backspace makes room.
TEST_F(InputBoxTest, RefusedCharactersAndMaxLengthUntilBackspaceMakesRoom) {
    InputBox box(20, 360, "Enter your first name:");
    box.maxLength = 24;
    type(box, "%: Ann" + std::string(20, 'a') + "b");
    EXPECT_EQ(box.text(), " Ann" + std::string(20, 'a'));
    box.keyDown(Backspace, '\b');
    type(box, "b");
    EXPECT_EQ(box.text(), " Ann" + std::string(19, 'a') + "b");
}

TEST_F(InputBoxTest, WideTextShowsItsEndAndItsBeginningReturnsOnDelete) {
    InputBox box(20, 360, "Enter your email address");
    ASSERT_GT(box.width(), 0);
    const int limit = box.width() - 89;
    const std::string typed = lettersWiderThan(limit * 2);
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
    // Not on an empty text: nothing to repeat.
    box.keyDown(Backspace, '\b');
    EXPECT_FALSE(box.isBackspaceHeld());
    type(box, std::string(20, 'x'));
    frames(box, 40);
    EXPECT_EQ(box.text().size(), 20u);

    box.keyDown(Backspace, '\b');
    EXPECT_EQ(box.text().size(), 19u);
    frames(box, 18);  // 0.45 s
    EXPECT_EQ(box.text().size(), 19u);
    frames(box, 4);  // 0.55 s
    EXPECT_EQ(box.text().size(), 18u);
    frames(box, 18);  // 1.0 s
    // Then one every 0.1 s; frame timing may shift the last one.
    const int deleted = 20 - static_cast<int>(box.text().size());
    EXPECT_GE(deleted, 6);
    EXPECT_LE(deleted, 8);

    box.keyUp(Backspace);
    const size_t left = box.text().size();
    frames(box, 40);
    EXPECT_EQ(box.text().size(), left);
}

TEST_F(InputBoxTest, ErrorLineIsDrawnInRedOnlyWhenAsked) {
    InputBox box(20, 360, "Enter your first name:");
    const int redWithout = drawnPixels(box, 0, 0, 640, 480, 255, 0, 0);
    ASSERT_GE(redWithout, 0);
    box.showError = true;
    EXPECT_GT(drawnPixels(box, 20 + box.width() - 200, 372, 200, 24, 255, 0, 0), 0);
    EXPECT_GT(countPixels(0, 0, 640, 480, 255, 0, 0), redWithout);
}
