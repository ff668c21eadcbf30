#include "support/ScreenProbe.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"
#include "ui/OptionList.h"
#include "ui/SmallMessageBox.h"
#include "ui/TextEntryBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Each widget built as the game builds it, with or without text of its own,
// and used the way a player uses it.
template <class Widget> struct Sample;
template <> struct Sample<MessageBox> {
    static auto make(bool text) { return std::make_unique<MessageBox>(20, 360, text ? "Hello there" : ""); }
    // Without a panel nothing fits a line: wrapping must still end.
    static void use(MessageBox& box) { box.setText(std::string(300, 'x') + "\n\n" + std::string(300, 'y') + " word"); }
};
template <> struct Sample<OptionList> {
    static auto make(bool text) {
        auto list = std::make_unique<OptionList>();
        if (text) list->addOption("Yes, close your eyes.");
        return list;
    }
    static void use(OptionList& list) { list.selectNext(); }
};
template <> struct Sample<SmallMessageBox> {
    static auto make(bool text) { return std::make_unique<SmallMessageBox>(text ? "Enter the cabin" : ""); }
    static void use(SmallMessageBox&) {}
};
template <> struct Sample<InputBox> {
    static auto make(bool text) { return std::make_unique<InputBox>(20, 360, text ? "Enter your first name:" : ""); }
    static void use(InputBox& box) {
        type(box, "Somebody with a long name");
        box.keyDown(SDLK_BACKSPACE, '\b');
    }
};
template <> struct Sample<TextEntryBox> {
    static auto make(bool text) {
        auto box = std::make_unique<TextEntryBox>();
        if (text) box->setPrompt("What is your name?");
        return box;
    }
    static void use(TextEntryBox& box) {
        type(box, "a long answer that could never fit");
        for (int i = 0; i < 10; ++i) box.keyDown(SDLK_BACKSPACE, '\b');
    }
};

template <class Widget>
using WidgetDrawing = WidgetTest;
using Widgets = ::testing::Types<MessageBox, OptionList, SmallMessageBox, InputBox, TextEntryBox>;
TYPED_TEST_SUITE(WidgetDrawing, Widgets);

}  // namespace

// Its text shows over its panel; without its images a widget draws nothing
// at all (no text floating over the world) and using it still works.
TYPED_TEST(WidgetDrawing, ShowsItsTextAndDrawsNothingWithoutItsImages) {
    {
        auto bare = Sample<TypeParam>::make(false);
        auto full = Sample<TypeParam>::make(true);
        // The text is white; the panels are opaque.
        const int bareWhite = drawnPixels(*bare, 0, 0, 640, 480);
        ASSERT_GE(bareWhite, 0);
        EXPECT_GT(drawnPixels(*full, 0, 0, 640, 480), bareWhite);
    }
    InEmptyDirectory nowhere;
    auto widget = Sample<TypeParam>::make(true);
    Sample<TypeParam>::use(*widget);
    EXPECT_EQ(drawnLitPixels(*widget), 0);
}
