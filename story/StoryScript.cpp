#include "story/Story.h"

#include "engine/Engine.h"
#include "media/Sound.h"
#include "motion/Easing.h"
#include "states/PlayState.h"
#include "story/ActionNames.h"
#include "story/StoryIndices.h"
#include "story/StoryTexts.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>
#include <unordered_map>

namespace {

using namespace StoryIndex;
using Step = void (*)(PlayState&);

constexpr const char* END_TALK = "endTalk";

// The one way the script reaches into a level's lists: an index the level
// lacks is a fault of the level file, so it is logged and the step leaves
// the world alone instead of reading past the list.
template <typename T>
T* entry(std::vector<T>& list, uint32_t index, const char* what, const Level& level) {
    if (index < list.size()) return &list[index];
    Engine::log("Story: level \"%s\" has no %s %u (it has %zu)", level.name.c_str(), what, index, list.size());
    return nullptr;
}

Level* levelAt(PlayState& play, uint32_t n) {
    if (n < play.levels.size() && play.levels[n]) return play.levels[n].get();
    Engine::log("Story: there is no level number %u", n);
    return nullptr;
}

template <typename T>
bool setCell(Level& level, CellGrid<T>& grid, uint32_t x, uint32_t y, T value, const char* what) {
    if (grid.empty() || x >= grid.width() || y >= grid.height()) {
        Engine::log("Story: level \"%s\" has no %s cell (%u, %u)", level.name.c_str(), what, x, y);
        return false;
    }
    grid[x][y] = value;
    return true;
}

bool bloody(const PlayState& play) { return play.hands && play.hands->isKnifeBloody(); }
void makeBloody(PlayState& play) {
    if (play.hands) play.hands->setKnifeBloody();
}

void say(PlayState& play, const char* text, const char* next = END_TALK) {
    if (play.messageBox) play.messageBox->setText(text);
    play.pendingAction = next;
}

// A sprite that shows the next definition of its level's list, as the
// stabbed sheep and the emptied stump do. A definition past the list would
// be drawn from nothing, so that is refused too.
void advanceSprite(Level& level, uint32_t index) {
    Sprite* sprite = entry(level.sprites, index, "sprite", level);
    if (!sprite) return;
    if (sprite->definition + 1 >= level.spriteDefinitions.size()) {
        Engine::log("Story: sprite %u of level \"%s\" has no next definition", index, level.name.c_str());
        return;
    }
    sprite->definition += 1;
}

void setArmed(Level& level, uint32_t index, bool armed) {
    if (Action* action = entry(level.actions, index, "action", level)) action->timesTriggered = armed ? 0 : 1;
}

void walkTo(PlayState& play, Vec2 target, double seconds, const char* next) {
    play.turnToward(target);
    play.motion.animate(&play.position, target, Linear, seconds);
    play.mode = ScriptedMove;
    play.pendingAction = next;
}

void turnTo(PlayState& play, Vec2 target, const char* next) {
    play.turnToward(target);
    play.mode = ScriptedMove;
    play.pendingAction = next;
}

void gotoLevel(PlayState& play, uint32_t n, float rotation, bool setRotation) {
    Level* target = levelAt(play, n);
    if (!target) return;
    if (setRotation) target->rotation = rotation;
    play.changeLevel(n);
}

// --- areas -----------------------------------------------------------------

template <uint32_t N>
void enter(PlayState& play) { gotoLevel(play, N, 0.0f, false); }
template <uint32_t N, int Facing>
void enterFacing(PlayState& play) { gotoLevel(play, N, static_cast<float>(Facing), true); }

void endTalk(PlayState& play) {
    play.mode = Walking;
    play.checkActions();
}

void playCrying(PlayState& play) { playSound(play.cryingSound, 0); }

// --- the blind axe man -------------------------------------------------------

constexpr Vec2 BLIND_AXEMAN(17.4f, 21.3f);

void lookToAxeMan(PlayState& play) {
    play.turnToward(BLIND_AXEMAN);
    play.mode = Reading;
    say(play, StoryText::AXEMAN_CALLS, "moveToAxeMan");
    play.brotherMet = true;
}
void moveToAxeMan(PlayState& play) { walkTo(play, CAVE_BESIDE_AXEMAN, 1.8, "finishedMoving"); }
void finishedMoving(PlayState& play) {
    // Only this step continues the moment the turn ends, whatever the mode.
    play.awaitingTurn = true;
    play.turnToward(BLIND_AXEMAN);
    play.pendingAction = "finishedTurning";
}
void finishedTurning(PlayState& play) {
    play.mode = Reading;
    say(play, StoryText::AXEMAN_GREETS, "finishedMoving2");
}
void finishedMoving2(PlayState& play) { say(play, StoryText::AXEMAN_OFFERS_KNIFE, "giveKnife"); }

void giveKnife(PlayState& play) {
    if (play.hands) play.hands->setShowKnife();
    play.mode = Walking;
    Level* farm = levelAt(play, FARM);
    if (!farm) return;
    const std::string sheep = std::string(TALK_PREFIX) + "sheep";
    for (size_t i = 0; i < farm->actions.size(); ++i) {
        Action& action = farm->actions[i];
        if (action.name != sheep) continue;
        action.name = STAB_SHEEP_PREFIX + std::to_string(i);
        action.repeat = false;
        action.text = StoryText::STAB_SHEEP_LABEL;
        action.timesTriggered = 0;
    }
}

// --- the farmer who questions the player ---------------------------------

const char* const QUESTIONS[3] = {StoryText::QUESTION1, StoryText::QUESTION2, StoryText::QUESTION3};

template <uint32_t K>
void askQuestion(PlayState& play) {
    play.mode = Reading;
    say(play, QUESTIONS[K - 1], "answerQuestion");
    play.questionNumber = K;
    if (play.inputBox) play.inputBox->setPrompt(QUESTIONS[K - 1]);
}

void answerQuestion(PlayState& play) {
    play.mode = Typing;
    switch (play.questionNumber) {
    case 1: play.pendingAction = "askQuestion2"; break;
    case 2: play.pendingAction = "askQuestion3"; break;
    case 3: play.pendingAction = "talk_lastStatement"; break;
    default: break;
    }
}

void endGame(PlayState& play) {
    play.fade.fadeToBlack();
    play.mode = Ending;
    Engine::instance().stopSpeedRunTimer();
}

// --- the farmer whom the player questions ----------------------------------

void strangerQuestions(PlayState& play) {
    play.mode = Choosing;
    if (play.optionBox) {
        play.optionBox->clear();
        for (const char* option : {StoryText::QUESTION1, StoryText::QUESTION2, StoryText::QUESTION3,
                                   StoryText::LET_THEM_PASS, StoryText::ATTACK})
            play.optionBox->addOption(option);
    }
    play.pendingAction = "selectedOption";
}

void addBodyAction(PlayState& play) {
    makeBloody(play);
    Level* cave = levelAt(play, CAVE);
    if (!cave) return;
    setArmed(*cave, CAVE_STRANGER_ACTION, false);
    if (Sprite* stranger = entry(cave->sprites, CAVE_STRANGER_SPRITE, "sprite", *cave)) stranger->isVisible = false;
    setCell(*cave, cave->collisionGrid, CAVE_STRANGER_X, CAVE_STRANGER_Y, false, "collision");
    setCell(*cave, cave->floorGrid, CAVE_STRANGER_X, CAVE_STRANGER_Y, CAVE_BLOOD_FLOOR_WALL, "floor");
    if (Sprite* body = entry(cave->sprites, CAVE_BODY_SPRITE, "sprite", *cave)) body->isVisible = true;
    Action look;
    look.name = std::string(TALK_PREFIX) + "card";
    look.type = "manual";
    look.repeat = true;
    look.text = StoryText::LOOK_AT_BODY;
    look.position = Vec2(28.5f, 11.5f);
    look.lookAt = true;
    look.timesTriggered = 0;
    // The list may move in memory; nothing here holds on to its entries.
    cave->actions.push_back(std::move(look));
}

void selectedOption(PlayState& play) {
    play.pendingAction = "nextQuestion";
    const std::string chosen = play.optionBox ? play.optionBox->selectedText() : std::string();
    if (play.optionBox) play.optionBox->removeOption(chosen);
    if (chosen == StoryText::QUESTION1) {
        say(play, StoryText::ANSWER1, "nextQuestion");
    } else if (chosen == StoryText::QUESTION2) {
        say(play, StoryText::ANSWER2, "nextQuestion");
    } else if (chosen == StoryText::QUESTION3) {
        say(play, StoryText::ANSWER3, "nextQuestion");
    } else if (chosen == StoryText::LET_THEM_PASS) {
        say(play, StoryText::LET_GO, "endPreviousPlayer");
        if (play.optionBox) play.optionBox->clear();
    } else if (chosen == StoryText::ATTACK) {
        play.startStabFlash();
        say(play, StoryText::STAB);
        if (play.optionBox) play.optionBox->clear();
        addBodyAction(play);
    }
    play.mode = Reading;
}

void nextQuestion(PlayState& play) {
    play.mode = Choosing;
    play.pendingAction = "selectedOption";
}

void endPreviousPlayer(PlayState& play) {
    Level* cave = levelAt(play, CAVE);
    Sprite* stranger = cave ? entry(cave->sprites, CAVE_STRANGER_SPRITE, "sprite", *cave) : nullptr;
    if (cave) {
        setArmed(*cave, CAVE_STRANGER_ACTION, false);
        setCell(*cave, cave->collisionGrid, CAVE_STRANGER_X, CAVE_STRANGER_Y, false, "collision");
    }
    if (!stranger) {
        // Nobody to watch walk away: end the talk, or every Return would run
        // this step again under the same line and the player could never leave.
        endTalk(play);
        return;
    }
    // The story never adds sprites, so the tween's pointer stays good.
    play.motion.animate(&stranger->position, CAVE_FARMER_STEPS_ASIDE, Linear, 0.6);
    play.mode = Watching;
    play.pendingAction = "removeEnemy";
}

void removeEnemy(PlayState& play) {
    play.mode = Walking;
    Level* cave = levelAt(play, CAVE);
    if (!cave) return;
    if (Sprite* stranger = entry(cave->sprites, CAVE_STRANGER_SPRITE, "sprite", *cave)) stranger->isVisible = false;
}

// --- the village and the farm --------------------------------------------

void priest(PlayState& play) {
    if (bloody(play)) say(play, StoryText::PRIEST_BLOODY);
    else if (play.priestSpoken && play.widowHomeVisited) say(play, StoryText::PRIEST_FARM);
    else say(play, StoryText::PRIEST, "talk_priest2");
    play.priestSpoken = true;
}
void priest2(PlayState& play) {
    say(play, StoryText::PRIEST2, play.widowHomeVisited ? "talk_priest3" : END_TALK);
}
void priest3(PlayState& play) { say(play, StoryText::PRIEST3); }

void housewife(PlayState& play) {
    if (bloody(play)) say(play, StoryText::HOUSEWIFE_BLOODY);
    else say(play, StoryText::HOUSEWIFE, "talk_housewife2");
}
void housewife2(PlayState& play) { say(play, StoryText::HOUSEWIFE2); }
void boyRed(PlayState& play) { say(play, bloody(play) ? StoryText::BOY_RED_BLOODY : StoryText::BOY_RED); }
void girlOrange(PlayState& play) {
    say(play, bloody(play) ? StoryText::GIRL_ORANGE_BLOODY : StoryText::GIRL_ORANGE);
}
void girlPurple(PlayState& play) {
    say(play, bloody(play) ? StoryText::GIRL_PURPLE_BLOODY : StoryText::GIRL_PURPLE);
}
void boyGreen(PlayState& play) { say(play, bloody(play) ? StoryText::BOY_GREEN_BLOODY : StoryText::BOY_GREEN); }
void chef(PlayState& play) { say(play, bloody(play) ? StoryText::CHEF_BLOODY : StoryText::CHEF); }
void picture(PlayState& play) { say(play, StoryText::PICTURE); }
void book(PlayState& play) { say(play, StoryText::BOOK, "talk_bookNames1"); }
void bookNames1(PlayState& play) { say(play, StoryText::BOOK_NAMES); }
void barn(PlayState& play) {
    say(play, StoryText::BARN);
    playSound(play.lockedDoorSound, 0);
}
void signPostBarn(PlayState& play) { say(play, StoryText::SIGN_TO_FARM); }
void signPostAtBarn(PlayState& play) { say(play, StoryText::SIGN_AT_FARM); }
void signPostCave(PlayState& play) { say(play, StoryText::SIGN_TO_CAVE); }
void firstAxeman(PlayState& play) {
    if (bloody(play)) say(play, StoryText::FIRST_AXEMAN_BLOODY);
    else if (play.brotherMet) say(play, StoryText::FIRST_AXEMAN_BROTHER);
    else say(play, StoryText::FIRST_AXEMAN, "talk_firstAxeman2");
}
void firstAxeman2(PlayState& play) { say(play, StoryText::FIRST_AXEMAN2); }
void lantern(PlayState& play) {
    say(play, StoryText::LANTERN);
    if (play.hands) play.hands->setShowLantern();
    if (Level* here = play.level()) advanceSprite(*here, LANTERN_STUMP_SPRITE);
}
void axe(PlayState& play) { say(play, StoryText::AXE); }

// In the order of the sheep sounds, data/sfx/sheep1.wav to sheep4.wav.
const char* const BLEATS[] = {StoryText::BLEAT_LONG, StoryText::BLEAT_MEDIUM, StoryText::BLEAT_SHORT,
                              StoryText::BLEAT_STUTTERED};

void sheep(PlayState& play) {
    // One draw picks both, so the bleat shown is the bleat heard.
    const size_t i = static_cast<size_t>(std::rand()) % std::size(BLEATS);
    if (i < play.sheepSounds.size()) playSound(play.sheepSounds[i], 0);
    say(play, BLEATS[i]);
}

// --- the cave ------------------------------------------------------------

void holeInWall(PlayState& play) { say(play, StoryText::HOLE_IN_WALL); }
void bones(PlayState& play) { say(play, StoryText::BONES); }
void carvingTool(PlayState& play) { say(play, StoryText::CARVING_TOOL); }
void axeman(PlayState& play) {
    if (bloody(play)) say(play, StoryText::AXEMAN_BLOODY);
    else if (play.strangerMet) say(play, StoryText::AXEMAN_STRANGER);
    else say(play, StoryText::AXEMAN);
}

void deadLady(PlayState& play) {
    play.turnToward(CAVE_WOMAN);
    say(play, StoryText::DEAD_LADY, "talk_deadLady2");
    Level* cave = levelAt(play, CAVE);
    if (!cave) return;
    if (Sprite* farmer = entry(cave->sprites, CAVE_BLOCKING_FARMER_SPRITE, "sprite", *cave)) farmer->isVisible = true;
    setArmed(*cave, CAVE_NEXT_PLAYER_ACTION, true);
    setCell(*cave, cave->collisionGrid, CAVE_BLOCKED_X, CAVE_BLOCKED_Y, true, "collision");
}
void deadLady2(PlayState& play) { say(play, StoryText::DEAD_LADY2, "talk_deadLady3"); }
void deadLady3(PlayState& play) { say(play, StoryText::DEAD_LADY3, "talk_deadLady4"); }
void deadLady4(PlayState& play) { say(play, StoryText::DEAD_LADY4, "talk_deadLady5"); }
void deadLady5(PlayState& play) { say(play, StoryText::DEAD_LADY5, "talk_deadLady6"); }
void deadLady6(PlayState& play) { say(play, StoryText::DEAD_LADY6, "talk_deadLady7"); }
void deadLady7(PlayState& play) { say(play, StoryText::DEAD_LADY7, "talk_deadLady8"); }
void deadLady8(PlayState& play) { say(play, StoryText::DEAD_LADY8, "talk_deadLady9"); }
void deadLady9(PlayState& play) {
    say(play, bloody(play) ? StoryText::DEAD_LADY9_BLOODY : StoryText::DEAD_LADY9, "talk_deadLady10");
}
void deadLady10(PlayState& play) {
    if (play.optionBox) {
        play.optionBox->clear();
        play.optionBox->addOption(StoryText::CHOICE_YES);
        play.optionBox->addOption(StoryText::CHOICE_NO);
    }
    play.mode = Choosing;
    play.pendingAction = "talk_selectedOption2";
}
void selectedOption2(PlayState& play) {
    const std::string chosen = play.optionBox ? play.optionBox->selectedText() : std::string();
    if (chosen == StoryText::CHOICE_YES) say(play, StoryText::END_IT_QUICKLY, "talk_moveStab0");
    else say(play, StoryText::COWARD, bloody(play) ? END_TALK : "talk_endSpit");
    if (Level* cave = levelAt(play, CAVE))
        for (uint32_t i = CAVE_WOMAN_FIRST_ACTION; i <= CAVE_WOMAN_LAST_ACTION; ++i) setArmed(*cave, i, false);
}

void moveStab0(PlayState& play) { turnTo(play, CAVE_BESIDE_WOMAN, "talk_moveStab1"); }
void moveStab1(PlayState& play) {
    play.motion.animate(&play.position, CAVE_BESIDE_WOMAN, Linear, 1.9);
    play.mode = ScriptedMove;
    play.pendingAction = "talk_moveStab2";
}
void moveStab2(PlayState& play) { turnTo(play, CAVE_WOMAN, "talk_finalStab"); }
void finalStab(PlayState& play) {
    play.startStabFlash();
    say(play, StoryText::STAB, "talk_moveFinal");
    makeBloody(play);
}
void moveFinal(PlayState& play) {
    play.motion.animate(&play.position, CAVE_BACK_FROM_WOMAN, Linear, 1.2);
    play.mode = ScriptedMove;
    play.pendingAction = "talk_turnEnd";
}
void turnEnd(PlayState& play) { turnTo(play, Vec2(13.5f, 3.5f), END_TALK); }
void endSpit(PlayState& play) {
    say(play, StoryText::SPIT);
    play.startStabFlash();
    makeBloody(play);
}

void nextPlayer(PlayState& play) {
    say(play, StoryText::FARMER_APPROACHES, "askQuestion1");
    play.questionNumber = 1;
}
void lastStatement(PlayState& play) { say(play, StoryText::LAST_STATEMENT, "endGame"); }
void previousPlayer(PlayState& play) {
    say(play, StoryText::FARMER_APPROACHES, "strangerQuestions");
    play.strangerMet = true;
}
void card(PlayState& play) { say(play, StoryText::CARD); }

// --- the tables ------------------------------------------------------------

const std::unordered_map<std::string_view, Step>& exactSteps() {
    static const std::unordered_map<std::string_view, Step> steps = {
        {"gotoCave", enter<CAVE>},
        {"gotoCabin1", enter<CABIN1>},
        {"gotoCabin2", enter<CABIN2>},
        {"gotoCabin3", enter<CABIN3>},
        {"gotoCabin4", enter<CABIN4>},
        {"gotoTownFromCabin1", enterFacing<TOWN, TOWN_FROM_CABIN1_FACING>},
        {"gotoTownFromCabin2", enterFacing<TOWN, TOWN_FROM_CABIN2_FACING>},
        {"gotoTownFromCabin3", enterFacing<TOWN, TOWN_FROM_CABIN3_FACING>},
        {"gotoTownFromCabin4", enterFacing<TOWN, TOWN_FROM_CABIN4_FACING>},
        {"gotoTownFromBarn", enterFacing<TOWN, TOWN_FROM_FARM_FACING>},
        {"gotoBarnFromTown", enterFacing<FARM, FARM_FROM_TOWN_FACING>},
        {"gotoBarnFromCave", enterFacing<FARM, FARM_FROM_CAVE_FACING>},
        {"endTalk", endTalk},
        {"playCrying", playCrying},
        {"lookToAxeMan", lookToAxeMan},
        {"moveToAxeMan", moveToAxeMan},
        {"finishedMoving", finishedMoving},
        {"finishedTurning", finishedTurning},
        {"finishedMoving2", finishedMoving2},
        {"giveKnife", giveKnife},
        {"askQuestion1", askQuestion<1>},
        {"askQuestion2", askQuestion<2>},
        {"askQuestion3", askQuestion<3>},
        {"answerQuestion", answerQuestion},
        {"strangerQuestions", strangerQuestions},
        {"selectedOption", selectedOption},
        {"nextQuestion", nextQuestion},
        {"endPreviousPlayer", endPreviousPlayer},
        {"removeEnemy", removeEnemy},
        {"endGame", endGame},
    };
    return steps;
}

const std::unordered_map<std::string_view, Step>& talkSteps() {
    static const std::unordered_map<std::string_view, Step> steps = {
        {"priest", priest}, {"priest2", priest2}, {"priest3", priest3},
        {"housewife", housewife}, {"housewife2", housewife2},
        {"boyRed", boyRed}, {"girlOrange", girlOrange}, {"girlPurple", girlPurple}, {"boyGreen", boyGreen},
        {"signPostBarn", signPostBarn},
        {"chef", chef}, {"picture", picture}, {"book", book}, {"bookNames1", bookNames1},
        {"barn", barn}, {"signPostAtBarn", signPostAtBarn}, {"signPostCave", signPostCave},
        {"firstAxeman", firstAxeman}, {"firstAxeman2", firstAxeman2}, {"lantern", lantern}, {"axe", axe},
        {"sheep", sheep},
        {"holeInWall", holeInWall}, {"bones", bones}, {"carvingTool", carvingTool}, {"axeman", axeman},
        {"deadLady", deadLady}, {"deadLady2", deadLady2}, {"deadLady3", deadLady3}, {"deadLady4", deadLady4},
        {"deadLady5", deadLady5}, {"deadLady6", deadLady6}, {"deadLady7", deadLady7}, {"deadLady8", deadLady8},
        {"deadLady9", deadLady9}, {"deadLady10", deadLady10}, {"selectedOption2", selectedOption2},
        {"moveStab0", moveStab0}, {"moveStab1", moveStab1}, {"moveStab2", moveStab2},
        {"finalStab", finalStab}, {"moveFinal", moveFinal}, {"turnEnd", turnEnd}, {"endSpit", endSpit},
        {"nextPlayer", nextPlayer}, {"lastStatement", lastStatement}, {"previousPlayer", previousPlayer},
        {"card", card},
    };
    return steps;
}

void stabSheep(PlayState& play, std::string_view digits) {
    uint32_t n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    Level* here = play.level();
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !here) {
        Engine::log("Story: \"%s%.*s\" names no sheep", STAB_SHEEP_PREFIX, static_cast<int>(digits.size()),
                    digits.data());
        return;
    }
    if (n < FARM_SHEEP_ACTION_OFFSET) {
        Engine::log("Story: \"%s%u\" would stab sprite %d of level \"%s\"", STAB_SHEEP_PREFIX, n,
                    static_cast<int>(n) - static_cast<int>(FARM_SHEEP_ACTION_OFFSET), here->name.c_str());
        return;
    }
    if (!entry(here->sprites, n - FARM_SHEEP_ACTION_OFFSET, "sprite", *here)) return;
    play.startStabFlash();
    play.mode = Reading;
    say(play, StoryText::STAB);
    makeBloody(play);
    advanceSprite(*here, n - FARM_SHEEP_ACTION_OFFSET);
}

bool startsWith(std::string_view text, const char* prefix) {
    return text.substr(0, std::strlen(prefix)) == prefix;
}

Step findStep(const std::unordered_map<std::string_view, Step>& steps, std::string_view name) {
    const auto step = steps.find(name);
    return step == steps.end() ? nullptr : step->second;
}

}  // namespace

bool isKnownActionName(const std::string& name) {
    const std::string_view view(name);
    if (startsWith(view, STAB_SHEEP_PREFIX)) {
        const std::string_view digits = view.substr(std::strlen(STAB_SHEEP_PREFIX));
        return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    }
    if (findStep(exactSteps(), view)) return true;
    return startsWith(view, TALK_PREFIX) && findStep(talkSteps(), view.substr(std::strlen(TALK_PREFIX)));
}

void runStoryAction(PlayState& play, const std::string& requested) {
    // A copy: the caller often passes pendingAction itself, which the step
    // rewrites while it runs.
    const std::string name = requested;
    const std::string_view view(name);
    if (startsWith(view, STAB_SHEEP_PREFIX)) {
        stabSheep(play, view.substr(std::strlen(STAB_SHEEP_PREFIX)));
        return;
    }
    if (const Step step = findStep(exactSteps(), view)) {
        step(play);
        return;
    }
    if (startsWith(view, TALK_PREFIX)) {
        play.mode = Reading;
        if (const Step step = findStep(talkSteps(), view.substr(std::strlen(TALK_PREFIX)))) step(play);
    }
}
