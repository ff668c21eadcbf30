#include "ui/OptionList.h"

#include "engine/Engine.h"

void OptionList::addOption(const std::string& text) { options.push_back({TextLine(text), text}); }

void OptionList::removeOption(const std::string& text) {
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i].text != text) continue;
        options.erase(options.begin() + static_cast<std::ptrdiff_t>(i));
        // Removing the selected option selects the one above it. Removing one
        // above the selection shifts the list up under it; follow the same
        // option, or the index could end up past the end of the list.
        if (selected > 0 && i <= selected) --selected;
        return;
    }
}

void OptionList::selectNext() {
    if (!options.empty() && selected + 1 < options.size()) ++selected;
}

void OptionList::selectPrevious() {
    if (selected > 0) --selected;
}

std::string OptionList::selectedText() const {
    return selected < options.size() ? options[selected].text : std::string();
}

void OptionList::clear() {
    options.clear();
    selected = 0;
}

int OptionList::firstVisibleIndex() const {
    const int sel = static_cast<int>(selected);
    if (sel == 0) return 0;
    const int first = sel + VisibleRows < count() ? sel - 1 : sel - 2;
    return first < 0 ? 0 : first;
}

void OptionList::draw() {
    if (!panel.isLoaded() || options.empty()) return;
    SDL_Surface* screen = Engine::instance().screen();
    const int first = firstVisibleIndex();

    panel.draw(screen, x, y);
    if (showsUpArrow()) upArrow.draw(screen, x + panel.width() - 25, y + 10);
    if (showsDownArrow()) downArrow.draw(screen, x + panel.width() - 25, y + panel.height() - 20);

    static constexpr int MarkerTops[VisibleRows] = {14, 40, 65};
    for (int row = 0; row < VisibleRows && first + row < count(); ++row) {
        const Option& option = options[static_cast<size_t>(first + row)];
        option.line.draw(screen, x + 30, y + 12 + 25 * row);
        if (static_cast<size_t>(first + row) == selected) marker.draw(screen, x + 15, y + MarkerTops[row]);
    }
}
