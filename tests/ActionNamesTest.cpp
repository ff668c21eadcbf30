#include "story/ActionNames.h"

#include <gtest/gtest.h>

#include <set>

// The names a level file may give its trigger points.

TEST(ActionNames, TalkNamesAreKnownOnlyWithTheirPrefixAndExactCase) {
    EXPECT_TRUE(isKnownActionName("talk_priest"));
    EXPECT_TRUE(isKnownActionName("talk_deadLady10"));
    EXPECT_FALSE(isKnownActionName("priest"));
    EXPECT_FALSE(isKnownActionName("talk_Priest"));
    EXPECT_FALSE(isKnownActionName("talk_"));
    EXPECT_FALSE(isKnownActionName("talk_priest "));
}

TEST(ActionNames, ExactNamesAreKnownWithoutAPrefix) {
    EXPECT_TRUE(isKnownActionName("gotoCabin3"));
    EXPECT_TRUE(isKnownActionName("lookToAxeMan"));
    EXPECT_TRUE(isKnownActionName("playCrying"));
    EXPECT_FALSE(isKnownActionName("talk_gotoCabin3"));
    EXPECT_FALSE(isKnownActionName("gotoCabin5"));
    EXPECT_FALSE(isKnownActionName(""));
}

TEST(ActionNames, StabbedSheepCarryADecimalIndex) {
    EXPECT_TRUE(isKnownActionName("stabSheep2"));
    EXPECT_TRUE(isKnownActionName("stabSheep12"));
    EXPECT_FALSE(isKnownActionName("stabSheep"));
    EXPECT_FALSE(isKnownActionName("stabSheep2a"));
    EXPECT_FALSE(isKnownActionName("stabSheep-1"));
}

TEST(ActionNames, NoNameIsListedTwice) {
    const std::set<std::string> exact(exactActionNames().begin(), exactActionNames().end());
    const std::set<std::string> talk(talkNames().begin(), talkNames().end());
    EXPECT_EQ(exact.size(), exactActionNames().size());
    EXPECT_EQ(talk.size(), talkNames().size());
}
