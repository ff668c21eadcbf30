#pragma once

#include "ui/Picture.h"
#include "ui/TextLine.h"

#include <string>
#include <vector>

// The dialogue choice panel at (20, 360): up to three options in white on
// "data/images/messageBox.png", a marker ("data/images/arrowLeft.png") at the
// selected one, and up and down arrows when more options lie above or below.
// The list reads no keys; its owner moves the selection.
//
// The list owns its images and the rendered option texts. Without its panel
// image it draws nothing.
class OptionList {
public:
    static constexpr int VisibleRows = 3;

    // Appends an option; option texts double as identifiers for the story.
    void addOption(const std::string& text);
    // Removes the first option equal to text, if any. Removing the selected
    // option selects the one before it (or keeps the first); removing an
    // option above the selection keeps the same option selected.
    void removeOption(const std::string& text);
    // Move the selection by one; neither wraps around.
    void selectNext();
    void selectPrevious();
    // The selected option's text; "" when the list is empty.
    std::string selectedText() const;
    int count() const { return static_cast<int>(options.size()); }
    void clear();
    // Draws the panel with the rows around the selection; nothing when the
    // list is empty.
    void draw();

    int selectedIndex() const { return static_cast<int>(selected); }
    // Index of the option in the top row: the selection sits in the middle
    // row while at least three options follow it, else in the bottom row.
    int firstVisibleIndex() const;
    bool showsUpArrow() const { return firstVisibleIndex() > 0; }
    bool showsDownArrow() const { return count() > firstVisibleIndex() + VisibleRows; }
    int width() const { return panel.width(); }
    int height() const { return panel.height(); }

private:
    struct Option {
        TextLine line;
        std::string text;
    };

    int x = 20;
    int y = 360;
    Picture panel{"data/images/messageBox.png"};
    Picture upArrow{"data/images/arrowUp.png"};
    Picture downArrow{"data/images/arrowDown.png"};
    Picture marker{"data/images/arrowLeft.png"};
    std::vector<Option> options;
    size_t selected = 0;
};
