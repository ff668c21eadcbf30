#include "ui/OptionList.h"

#include "support/EngineFixture.h"
#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

namespace {

class OptionListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(Engine::instance().font(), nullptr);
    }

    static void addFive(OptionList& list) {
        for (const char* text : {"Zero", "One", "Two", "Three", "Four"}) list.addOption(text);
    }
};

}  // namespace

TEST_F(OptionListTest, LastOfFiveSelectedShowsTheLastThreeWithOnlyTheUpArrow) {
    OptionList list;
    addFive(list);
    for (int i = 0; i < 4; ++i) list.selectNext();
    ASSERT_EQ(list.selectedText(), "Four");
    EXPECT_EQ(list.firstVisibleIndex(), 2);
    EXPECT_TRUE(list.showsUpArrow());
    EXPECT_FALSE(list.showsDownArrow());
}

TEST_F(OptionListTest, FirstOfFiveSelectedShowsTheFirstThreeWithOnlyTheDownArrow) {
    OptionList list;
    addFive(list);
    EXPECT_EQ(list.selectedText(), "Zero");
    EXPECT_EQ(list.firstVisibleIndex(), 0);
    EXPECT_FALSE(list.showsUpArrow());
    EXPECT_TRUE(list.showsDownArrow());
}

TEST_F(OptionListTest, SelectionStopsAtBothEnds) {
    OptionList list;
    addFive(list);
    list.selectPrevious();
    EXPECT_EQ(list.selectedText(), "Zero");
    for (int i = 0; i < 10; ++i) list.selectNext();
    EXPECT_EQ(list.selectedText(), "Four");
}

TEST_F(OptionListTest, RemovingTheSelectedOptionSelectsTheOneAbove) {
    OptionList list;
    for (const char* text : {"A", "B", "C"}) list.addOption(text);
    list.selectNext();
    list.selectNext();
    list.removeOption("C");
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.selectedText(), "B");
}

TEST_F(OptionListTest, RemovingTheSelectedFirstOptionKeepsTheFirstSelected) {
    OptionList list;
    for (const char* text : {"A", "B", "C"}) list.addOption(text);
    list.removeOption("A");
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_EQ(list.selectedText(), "B");
}

TEST_F(OptionListTest, RemovingAnOptionAboveTheSelectionKeepsTheSameOptionSelected) {
    OptionList list;
    for (const char* text : {"A", "B", "C"}) list.addOption(text);
    list.selectNext();
    list.selectNext();
    list.removeOption("A");
    EXPECT_EQ(list.selectedText(), "C");
    list.removeOption("not offered");
    EXPECT_EQ(list.count(), 2);
}

TEST_F(OptionListTest, EmptyListHasNoSelectedTextAndDrawsNothing) {
    OptionList list;
    EXPECT_EQ(list.selectedText(), "");
    list.selectNext();
    list.addOption("Only");
    list.removeOption("Only");
    EXPECT_EQ(list.selectedText(), "");
    clearScreen();
    list.draw();
    EXPECT_EQ(countLitPixels(), 0);
}

TEST_F(OptionListTest, DrawShowsOptionTextsInTheirRows) {
    OptionList list;
    list.addOption("Yes, close your eyes.");
    clearScreen();
    list.draw();
    const int oneRow = countPixels(50, 397, 400, 24, 255, 255, 255);
    ASSERT_GE(oneRow, 0);

    list.addOption("No, I'm going to get help.");
    clearScreen();
    list.draw();
    EXPECT_GT(countPixels(50, 372, 400, 24, 255, 255, 255), 0);
    EXPECT_GT(countPixels(50, 397, 400, 24, 255, 255, 255), oneRow);
}

TEST_F(OptionListTest, WithoutItsImagesTheListDrawsNothing) {
    InEmptyDirectory nowhere;
    ASSERT_TRUE(nowhere.ok());
    OptionList list;
    addFive(list);
    list.selectNext();
    clearScreen();
    list.draw();
    EXPECT_EQ(countLitPixels(), 0);
    EXPECT_EQ(list.selectedText(), "One");
}
