#include "ui/SmallMessageBox.h"

#include "support/EngineFixture.h"
#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SmallMessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(Engine::instance().font(), nullptr);
    }
};

}  // namespace

TEST_F(SmallMessageBoxTest, TextIsCentredOnThePanel) {
    SmallMessageBox label("Talk");
    ASSERT_GT(label.width(), 0);
    EXPECT_EQ(label.text(), "Talk");
    EXPECT_EQ(label.textOffset(), (label.width() - textWidth("Talk")) / 2);
}

TEST_F(SmallMessageBoxTest, TextWiderThanThePanelStartsLeftOfIt) {
    SmallMessageBox label("");
    std::string text;
    while (textWidth(text) <= label.width() + 20) text += "Open the door ";
    label.setText(text);
    EXPECT_LT(label.textOffset(), 0);
    EXPECT_EQ(label.textOffset(), (label.width() - textWidth(text)) / 2);
}

TEST_F(SmallMessageBoxTest, DrawShowsTheTextOverThePanel) {
    SmallMessageBox label("");
    clearScreen();
    label.draw();
    const int panelOnly = countPixels(160, 430, label.width(), 24, 255, 255, 255);
    ASSERT_GE(panelOnly, 0);

    label.setText("Enter the cabin");
    clearScreen();
    label.draw();
    EXPECT_GT(countPixels(160, 430, label.width(), 24, 255, 255, 255), panelOnly);
}

TEST_F(SmallMessageBoxTest, WithoutItsImageTheLabelDrawsNothing) {
    InEmptyDirectory nowhere;
    ASSERT_TRUE(nowhere.ok());
    SmallMessageBox label("Talk");
    clearScreen();
    label.draw();
    EXPECT_EQ(countLitPixels(), 0);
}
