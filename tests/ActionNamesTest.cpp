#include "story/ActionNames.h"

#include <gtest/gtest.h>

#include <set>

// The names a level file may give its trigger points.

TEST(ActionNames, KnownAreExactNamesPrefixedTalkNamesAndIndexedSheepStabs) {
    const struct {
        const char* name;
        bool known;
    } cases[] = {
        {"talk_priest", true}, {"talk_deadLady10", true}, {"priest", false}, {"talk_Priest", false},
        {"talk_", false}, {"talk_priest ", false}, {"gotoCabin3", true}, {"lookToAxeMan", true},
        {"playCrying", true}, {"talk_gotoCabin3", false}, {"gotoCabin5", false}, {"", false},
        {"stabSheep2", true}, {"stabSheep12", true}, {"stabSheep", false}, {"stabSheep2a", false},
        {"stabSheep-1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isKnownActionName(c.name), c.known) << '"' << c.name << '"';
}

TEST(ActionNames, NoNameIsListedTwice) {
    for (const auto* names : {&exactActionNames(), &talkNames()})
        EXPECT_EQ(std::set<std::string>(names->begin(), names->end()).size(), names->size());
}
