#include "story/StoryTexts.h"

const std::vector<const char*>& allStoryTexts() {
#define OMBREL_STORY_TEXT_ENTRY(name, text) StoryText::name,
    static const std::vector<const char*> texts = {OMBREL_STORY_TEXTS(OMBREL_STORY_TEXT_ENTRY)};
#undef OMBREL_STORY_TEXT_ENTRY
    return texts;
}
