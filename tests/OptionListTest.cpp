#include "ui/OptionList.h"

#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

namespace {

using OptionListTest = WidgetTest;

void addFive(OptionList& list) {
    for (const char* text : {"Zero", "One", "Two", "Three", "Four"}) list.addOption(text);
}

}  // namespace

TEST_F(OptionListTest, WindowOfThreeFollowsTheSelectionWhichStopsAtBothEnds) {
    OptionList list;
    addFive(list);
    list.selectPrevious();
    // The selection stays in the middle row while three options follow it.
    const struct {
        const char* selected;
        int first;
        bool up, down;
    } steps[] = {{"Zero", 0, false, true},  {"One", 0, false, true}, {"Two", 0, false, true},
                 {"Three", 1, true, true}, {"Four", 2, true, false}, {"Four", 2, true, false}};
    for (const auto& step : steps) {
        EXPECT_EQ(list.selectedText(), step.selected);
        EXPECT_EQ(list.firstVisibleIndex(), step.first) << step.selected;
        EXPECT_EQ(list.showsUpArrow(), step.up) << step.selected;
        EXPECT_EQ(list.showsDownArrow(), step.down) << step.selected;
        list.selectNext();
    }
}

TEST_F(OptionListTest, RemovingKeepsASensibleSelection) {
    const struct {
        int selected;
        const char *removed, *nowSelected;
        int index, count;
    } cases[] = {
        {2, "C", "B", 1, 2},            // the selected one: the one above takes over
        {0, "A", "B", 0, 2},            // the selected first one: the new first
        {2, "A", "C", 1, 2},            // one above: the same option stays selected
        {2, "not offered", "C", 2, 3},  // unknown text: nothing changes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.removed);
        OptionList list;
        for (const char* text : {"A", "B", "C"}) list.addOption(text);
        for (int i = 0; i < c.selected; ++i) list.selectNext();
        list.removeOption(c.removed);
        EXPECT_EQ(list.count(), c.count);
        EXPECT_EQ(list.selectedText(), c.nowSelected);
        EXPECT_EQ(list.selectedIndex(), c.index);
    }
}

TEST_F(OptionListTest, EmptyListHasNoSelectedTextAndDrawsNothing) {
    OptionList list;
    EXPECT_EQ(list.selectedText(), "");
    list.selectNext();
    list.addOption("Only");
    list.removeOption("Only");
    EXPECT_EQ(list.selectedText(), "");
    EXPECT_EQ(drawnLitPixels(list), 0);
}
