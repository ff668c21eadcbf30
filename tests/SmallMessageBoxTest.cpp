#include "ui/SmallMessageBox.h"

#include "support/ScreenProbe.h"

#include <gtest/gtest.h>

#include <string>

using SmallMessageBoxTest = WidgetTest;

TEST_F(SmallMessageBoxTest, TextIsCentredOnThePanelAndAWiderOneStartsLeftOfIt) {
    SmallMessageBox label("");
    ASSERT_GT(label.width(), 0);
    std::string wide;
    while (textWidth(wide) <= label.width() + 20) wide += "Open the door ";
    for (const std::string& text : {std::string("Talk"), wide}) {
        label.setText(text);
        EXPECT_EQ(label.textOffset(), (label.width() - textWidth(text)) / 2) << text;
    }
    EXPECT_LT(label.textOffset(), 0);
}
