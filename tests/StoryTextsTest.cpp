#include "story/StoryTexts.h"
#include "ui/MessageBox.h"

#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string words(const std::string& text) {
    std::istringstream stream(text);
    std::string all;
    for (std::string word; stream >> word;) all += (all.empty() ? "" : " ") + word;
    return all;
}

}  // namespace

using StoryTexts = WidgetTest;

// The box drops whatever does not fit its three lines without a word, so a
// line written a little too long would lose its end in the game unseen.
TEST_F(StoryTexts, EveryLineFitsTheMessageBoxWhole) {
    MessageBox box(20, 360, "");
    ASSERT_GT(box.wrapWidth(), 0) << "no panel image";
    for (const char* text : allStoryTexts()) {
        box.setText(text);
        std::string shown;
        for (int i = 0; i < MessageBox::LineCount; ++i) shown += box.lineText(i) + "\n";
        EXPECT_EQ(words(shown), words(text)) << "cut short in the box:\n" << text;
    }
}
