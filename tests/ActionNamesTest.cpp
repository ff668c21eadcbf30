#include "story/ActionNames.h"

#include <gtest/gtest.h>

// The names a level file may give its trigger points: those the script's
// tables run, the talk names only behind their prefix, and the sheep stabs
// only with digits after theirs.
TEST(ActionNames, KnownAreTheScriptsExactAndTalkStepsAndIndexedSheepStabs) {
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
