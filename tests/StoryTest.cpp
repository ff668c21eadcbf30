#include "states/PlayState.h"

#include "story/StoryIndices.h"
#include "story/StoryTexts.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/LogTap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace StoryIndex;
namespace T = StoryText;

// One beat of a conversation: a key, then the mode it leaves and
// the text shown: the message in Reading, the selected entry in Choosing.
struct Beat { int key; uint32_t mode; const char* text = nullptr; };

// The real game in the engine, on the real areas, with no title before it.
class StoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(play = makeCurrent<PlayState>(), nullptr);
        play->fade.clear();
    }
    void TearDown() override { Engine::instance().shutdown(); }
    void press(int sym) { pushKeyDown(sym), pushKey(false, sym), runFrames(1); }
    // Stands the player at a spot, facing along +x, and looks round as a
    // step of walking would.
    void standAt(uint32_t levelNumber, Vec2 where) {
        if (play->currentLevel != levelNumber) play->enterLevel(levelNumber);
        play->position = where;
        play->direction = Vec2(1.0f, 0.0f);
        play->cameraPlane = Vec2(0.0f, -0.66f);
        play->checkActions();
    }
    // The message box as shown, and as the same box would show text.
    static std::string lines(const MessageBox& box) { return box.lineText(0) + "|" + box.lineText(1) + "|" + box.lineText(2); }
    std::string shown() const { return lines(*play->messageBox); }
    static std::string wrapped(const char* text) { return lines(MessageBox(20, 360, text)); }
    void run(const std::vector<Beat>& beats, const char* thread) {
        for (size_t i = 0; i < beats.size(); ++i) {
            const Beat& beat = beats[i];
            SCOPED_TRACE(std::string(thread) + ", beat " + std::to_string(i));
            press(beat.key);
            ASSERT_EQ(play->mode, beat.mode);
            if (beat.text && beat.mode == Reading) { EXPECT_EQ(shown(), wrapped(beat.text)); }
            if (beat.text && beat.mode == Choosing) { EXPECT_EQ(play->optionBox->selectedText(), beat.text); }
        }
    }
    bool bloody() const { return play->hands->isKnifeBloody(); }
    Level& cave() { return *play->levels[CAVE]; }
    Level& farm() { return *play->levels[FARM]; }

    PlayState* play = nullptr;
};

const Beat R(const char* text) { return {SDLK_RETURN, Reading, text}; }
const Beat END{SDLK_RETURN, Walking};

}  // namespace

// Faults: the priest's flags tested in the wrong order or not set; "priest2"
// never leading on to "priest3"; bloody hands not overriding the others.
TEST_F(StoryTest, PriestFollowsTheWidowsHouseAndTheBlood) {
    const Vec2 priest(12.5f, 7.3f);
    play->priestSpoken = true;  // the first talk, which the villagers' route walks
    play->runAction("gotoCabin2");
    for (int i = 0; i < 800 && play->mode != Walking; ++i) runFrames(1);
    ASSERT_EQ(play->currentLevel, CABIN2);
    EXPECT_TRUE(play->widowHomeVisited);
    standAt(TOWN, priest);
    run({{SDLK_SPACE, Reading, T::PRIEST_FARM}, END}, "after the house");

    play->priestSpoken = false;  // as if the house came before any talk
    standAt(TOWN, priest);
    run({{SDLK_SPACE, Reading, T::PRIEST}, R(T::PRIEST2), R(T::PRIEST3), END}, "house first");

    play->hands->setKnifeBloody();
    play->priestSpoken = false;
    standAt(TOWN, priest);
    run({{SDLK_SPACE, Reading, T::PRIEST_BLOODY}, END}, "bloody before any talk");
}

// Faults: "giveKnife" missing a sheep, numbering by sheep instead of by list
// index, or renaming twice; the stab advancing the wrong sprite or firing
// again. The barn, the lantern and the knife itself are the routes'.
TEST_F(StoryTest, TheKnifeGivenTwiceMakesEachSheepStabbableOnce) {
    standAt(FARM, Vec2(15.0f, 3.0f));
    play->runAction("giveKnife");
    play->runAction("giveKnife");
    int sheep = 0;
    for (size_t i = 0; i < farm().actions.size(); ++i)
        if (farm().actions[i].name.starts_with("stabSheep")) {
            EXPECT_EQ(farm().actions[i].name, "stabSheep" + std::to_string(i));
            ++sheep;
        }
    EXPECT_EQ(sheep, 4);
    const uint32_t first = farm().sprites[0].definition;
    standAt(FARM, Vec2(21.5f, 21.2f));
    run({{SDLK_SPACE, Reading, T::STAB}, END}, "sheep");
    EXPECT_EQ(farm().sprites[0].definition, first + 1);
    standAt(FARM, Vec2(21.5f, 21.2f));
    EXPECT_EQ(play->focusedAction, nullptr);
}

// Faults: a stab number read past the level's sprites or below zero (N < 2),
// a non-number taken as 0, a broken name still flashing and bloodying; a
// cave without the stranger's sprite holding the player in his last line.
TEST_F(StoryTest, IndicesTheLevelLacksChangeNothing) {
    LogTap log;
    standAt(FARM, Vec2(15.0f, 3.0f));
    const auto looks = [&] {
        std::vector<uint32_t> out;
        for (const Sprite& sprite : farm().sprites) out.push_back(sprite.definition);
        return out;
    };
    std::vector<uint32_t> definitions = looks();
    for (const char* name :
         {"stabSheep1", "stabSheep0", "stabSheep21", "stabSheep", "stabSheepx", "stabSheep4294967298"}) {
        log.take();
        play->runAction(name);
        EXPECT_NE(log.take().find("Story:"), std::string::npos) << name;
        EXPECT_EQ(play->mode, Walking) << name;
        EXPECT_FALSE(bloody()) << name;
        EXPECT_EQ(looks(), definitions) << name;
    }
    // The prefix wins over every exact name: sprite 10 is a haystack.
    play->runAction("stabSheep12");
    EXPECT_EQ(play->mode, Reading);
    EXPECT_EQ(shown(), wrapped(T::STAB));
    EXPECT_TRUE(bloody());
    ++definitions[10];
    EXPECT_EQ(looks(), definitions);
    press(SDLK_RETURN);

    play->hands->setShowLantern();
    cave().sprites.resize(CAVE_STRANGER_SPRITE);
    standAt(CAVE, Vec2(27.6f, 11.5f));
    log.take();
    run({{SDLK_SPACE, Reading, T::FARMER_APPROACHES}, {SDLK_RETURN, Choosing}, {SDLK_DOWN, Choosing},
         {SDLK_DOWN, Choosing}, {SDLK_DOWN, Choosing, T::LET_THEM_PASS}, R(T::LET_GO), END},
        "no stranger");
    EXPECT_NE(log.take().find("has no sprite 1"), std::string::npos);
    EXPECT_EQ(cave().actions[CAVE_STRANGER_ACTION].timesTriggered, 1);
}
