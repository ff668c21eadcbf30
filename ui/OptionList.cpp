#include "ui/OptionList.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Text.h"

namespace {

constexpr const char* PanelImage = "data/images/messageBox.png";
constexpr const char* UpArrowImage = "data/images/arrowUp.png";
constexpr const char* DownArrowImage = "data/images/arrowDown.png";
constexpr const char* MarkerImage = "data/images/arrowLeft.png";
constexpr int TextColour = 0xFFFFFF;

}  // namespace

OptionList::OptionList() {
    background = loadImageOrWarn(PanelImage, panelWidth, panelHeight);
    int w = 0;
    int h = 0;
    upArrow = loadImageOrWarn(UpArrowImage, w, h);
    downArrow = loadImageOrWarn(DownArrowImage, w, h);
    marker = loadImageOrWarn(MarkerImage, w, h);
}

OptionList::~OptionList() {
    clear();
    freeSurface(background);
    freeSurface(upArrow);
    freeSurface(downArrow);
    freeSurface(marker);
}

void OptionList::addOption(const std::string& text) {
    SDL_Surface* surface = text.empty() ? nullptr : renderText(Engine::instance().font(), text.c_str(), TextColour);
    options.push_back({surface, text});
}

void OptionList::removeOption(const std::string& text) {
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i].text != text) continue;
        freeSurface(options[i].surface);
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
    for (Option& option : options) freeSurface(option.surface);
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
    if (!background || options.empty()) return;
    SDL_Surface* screen = Engine::instance().screen();
    const int first = firstVisibleIndex();

    blit(background, screen, x, y);
    if (showsUpArrow()) blit(upArrow, screen, x + panelWidth - 25, y + 10);
    if (showsDownArrow()) blit(downArrow, screen, x + panelWidth - 25, y + panelHeight - 20);

    static constexpr int MarkerTops[VisibleRows] = {14, 40, 65};
    for (int row = 0; row < VisibleRows && first + row < count(); ++row) {
        const Option& option = options[static_cast<size_t>(first + row)];
        blit(option.surface, screen, x + 30, y + 12 + 25 * row);
        if (static_cast<size_t>(first + row) == selected) blit(marker, screen, x + 15, y + MarkerTops[row]);
    }
}
