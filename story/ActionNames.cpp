#include "story/ActionNames.h"

#include <algorithm>
#include <cstring>

const std::vector<std::string>& exactActionNames() {
    static const std::vector<std::string> names = {
        // moving between areas
        "gotoCave", "gotoCabin1", "gotoCabin2", "gotoCabin3", "gotoCabin4",
        "gotoTownFromCabin1", "gotoTownFromCabin2", "gotoTownFromCabin3", "gotoTownFromCabin4",
        "gotoTownFromBarn", "gotoBarnFromTown", "gotoBarnFromCave",
        // conversation and sound
        "endTalk", "playCrying",
        // the blind axe man
        "lookToAxeMan", "moveToAxeMan", "finishedMoving", "finishedTurning", "finishedMoving2",
        "giveKnife",
        // the farmer who questions the player
        "askQuestion1", "askQuestion2", "askQuestion3", "answerQuestion",
        // the farmer whom the player questions
        "strangerQuestions", "showStrangerQuestion", "selectedOption", "nextQuestion",
        "endPreviousPlayer", "removeEnemy",
        "endGame",
    };
    return names;
}

const std::vector<std::string>& talkNames() {
    static const std::vector<std::string> names = {
        // the village
        "priest", "priest2", "priest3", "housewife", "housewife2", "boyRed", "girlOrange",
        "girlPurple", "boyGreen", "signPostBarn",
        // the cabins
        "chef", "picture", "book", "bookNames1",
        // the farm
        "barn", "signPostAtBarn", "signPostCave", "firstAxeman", "firstAxeman2", "lantern", "axe",
        "sheep",
        // the cave
        "holeInWall", "bones", "carvingTool", "axeman",
        "deadLady", "deadLady2", "deadLady3", "deadLady4", "deadLady5", "deadLady6", "deadLady7",
        "deadLady8", "deadLady9", "deadLady10", "selectedOption2",
        "moveStab0", "moveStab1", "moveStab2", "finalStab", "moveFinal", "turnEnd", "endSpit",
        "nextPlayer", "lastStatement", "previousPlayer", "card",
    };
    return names;
}

namespace {

bool startsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool isKnownActionName(const std::string& name) {
    if (startsWith(name, STAB_SHEEP_PREFIX)) {
        const std::string digits = name.substr(std::strlen(STAB_SHEEP_PREFIX));
        return !digits.empty() &&
               std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    }
    if (contains(exactActionNames(), name)) return true;
    return startsWith(name, TALK_PREFIX) &&
           contains(talkNames(), name.substr(std::strlen(TALK_PREFIX)));
}
