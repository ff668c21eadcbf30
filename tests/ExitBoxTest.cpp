#include "engine/Engine.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/RecordingState.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A key press or release; sym Click is a left mouse click instead.
struct Key { bool down; int sym; char typed; };
constexpr int Click = -1;
constexpr Key Esc{true, SDLK_ESCAPE, 27};

}  // namespace

// Each case starts a fresh engine, runs the frame its keys arrive in and the
// next, and looks at what the state heard in each frame.
TEST(ExitBox, RoutesKeysAsTheKeyDownSequenceGivesThem) {
    const struct { const char* name; std::vector<Key> keys; bool open; size_t stops; const char *firstFrame, *secondFrame; } cases[] = {
        {"Escape twice keeps it open", {Esc, Esc}, true, 0, "", ""},
        {"y confirms once", {Esc, {true, SDLK_y, 'y'}}, true, 1, "", ""},
        {"Shift+Y confirms", {Esc, {true, SDLK_y, 'Y'}}, true, 1, "", ""},
        {"y with the box closed is the state's", {{true, SDLK_y, 'y'}}, false, 0, "keyDown 121 121", ""},
        {"n closes", {Esc, {true, SDLK_n, 'n'}}, false, 0, "", ""},
        {"N closes", {Esc, {true, SDLK_n, 'N'}}, false, 0, "", ""},
        {"events behind n wait a frame", {Esc, {true, SDLK_n, 'n'}, {true, SDLK_w, 'w'}}, false, 0, "",
         "keyDown 119 119"},
        {"a key held as it opens is released as it closes", {{true, SDLK_w, 'w'}, Esc, {false, SDLK_w, 0}, {true, SDLK_n, 'n'}},
         false, 0, "keyDown 119 119 keyUp 119 0", ""},
        {"other keys and releases are swallowed, clicks pass",
         {Esc, {false, SDLK_ESCAPE, 0}, {true, SDLK_w, 'w'}, {false, SDLK_w, 0}, {true, Click, 0}}, true, 0,
         "mouseButtonDown 1", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(startEngineWithFixtureData());
        Engine& engine = Engine::instance();
        auto journal = std::make_shared<Journal>();
        engine.changeState(std::make_unique<RecordingState>(journal));
        engine.frame(0.025f);
        journal->calls.clear();
        for (const Key& key : c.keys) key.sym == Click ? pushMouseButton(true, SDL_BUTTON_LEFT) : pushKey(key.down, key.sym, key.typed);
        std::string firstFrame, secondFrame;
        const std::string log = captureLog([&] {
            engine.frame(0.025f);
            engine.present();
            EXPECT_EQ(journal->count("update"), 1);
            EXPECT_EQ(journal->count("render"), 1);
            firstFrame = journal->takeInput();
            if (c.stops == 0) { EXPECT_EQ(engine.isExitBoxOpen(), c.open); }
            engine.frame(0.025f);
            secondFrame = journal->takeInput();
        });
        EXPECT_EQ(occurrences(log, "Requesting Stop Main Loop"), c.stops);
        EXPECT_EQ(firstFrame, c.firstFrame);
        EXPECT_EQ(secondFrame, c.secondFrame);
        engine.shutdown();
        returnToRepository();
    }
}

using ExitBoxDrawing = EngineWithState;

TEST_F(ExitBoxDrawing, PanelIsCentredOverTheState) {
    install();
    engine.frame(0.025f);
    engine.present();
    EXPECT_EQ(rgbAt(engine.screen(), 320, 200), 0u);
    pushKeyDown(SDLK_ESCAPE, 27);
    engine.frame(0.025f);
    engine.present();
    // The fixture panel is 200x100 mid grey: centred, it spans x 220..419.
    EXPECT_EQ(rgbAt(engine.screen(), 225, 195), 0x808080u);
    EXPECT_EQ(rgbAt(engine.screen(), 215, 195), 0u);
}
