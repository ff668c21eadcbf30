#include "engine/Engine.h"
#include "motion/Movement.h"
#include "states/EndGame.h"
#include "states/PlayState.h"
#include "states/TitleScreen.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/LogTap.h"
#include "ui/InputBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <unistd.h>

namespace {

struct Key { int sym; char typed; };
// Every key a screen listens to, and letters and signs for the entries.
const Key Keys[] = {
    {SDLK_SPACE, ' '}, {SDLK_RETURN, '\r'}, {SDLK_BACKSPACE, '\b'}, {SDLK_UP, 0}, {SDLK_DOWN, 0},
    {SDLK_LEFT, 0},    {SDLK_RIGHT, 0},     {SDLK_w, 'w'},          {SDLK_s, 's'}, {SDLK_a, 'a'},
    {SDLK_d, 'd'},     {SDLK_q, 'q'},       {SDLK_e, 'e'},          {SDLK_k, 'k'},
    {'@', '@'},        {'.', '.'},          {SDLK_ESCAPE, 27},      {SDLK_y, 'y'}, {SDLK_n, 'n'},
};
constexpr int Frames = 100000;
// One frame in this many is drawn: enough to cover every screen's drawing
// without paying for 100,000 raycast frames.
constexpr int PresentEvery = 97;
// Frames the game may spend in a mode that waits for an animation or a fade
// (with the exit box closed) before it counts as stuck: 10 s.
constexpr int StuckFrames = 400;
// Frames in the play state before the monkey, which cannot be expected to
// finish the story, is handed the end screen the story would lead to.
constexpr int PlayFrames = 16000;

bool waitsForAnimation(uint32_t mode) { return mode == Changing || mode == ScriptedMove || mode == Watching || mode == Ending; }

// What the current state shows that a swallowed key must not change.
struct Seen {
    GameState* state = nullptr;
    uint32_t mode = 0, stage = 0;
    Vec2 position;
    std::string typed;
    bool titleFading = false;

    static Seen of(Engine& engine) {
        Seen s;
        s.state = engine.currentState();
        if (auto* play = dynamic_cast<PlayState*>(s.state))
            s.mode = play->mode, s.position = play->position, s.typed = play->inputBox ? play->inputBox->text() : "";
        else if (auto* end = dynamic_cast<EndGame*>(s.state))
            s.stage = end->getStage(), s.typed = end->getInputBox() ? end->getInputBox()->text() : "";
        else if (auto* title = dynamic_cast<TitleScreen*>(s.state))
            s.titleFading = title->screenFade().isFading();
        return s;
    }
};

// Starts the program afresh: a stop ends it, as the entry point would.
void startProgram(Engine& engine) {
    if (engine.isInitialised()) engine.shutdown();
    ASSERT_TRUE(ensureEngineStarted());
    engine.enableSpeedRunTimer();
    engine.changeState(std::make_unique<TitleScreen>());
}

}  // namespace

// Seeded random presses and releases, frame after frame, over the title, the
// play and the end screen; each stop (Y in the exit box, the end screen's
// last key) starts the program again.
TEST(Monkey, RandomKeysNeverBreakTheGame) {
    Engine& engine = Engine::instance();
    std::mt19937 random(20261207);
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random) < p; };
    LogTap log;
    startProgram(engine);

    std::set<int> held;
    int titleFrames = 0, playFrames = 0, endFrames = 0, stops = 0, waiting = 0, inThisPlay = 0;
    for (int frame = 0; frame < Frames && !HasFatalFailure(); ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const bool boxWasOpen = engine.isExitBoxOpen();
        const Seen before = Seen::of(engine);
        int answer = 0;  // 'y' or 'n' given to the open box
        if (boxWasOpen) {
            // One event a frame, so each one's effect can be told apart; Y
            // is rare, for each one ends the program.
            Key key = Keys[random() % std::size(Keys)];
            if (key.sym == SDLK_y || chance(0.2)) key = chance(0.015) ? Key{SDLK_y, 'y'} : Key{SDLK_n, 'n'};
            if (key.sym == SDLK_n || key.sym == SDLK_y) answer = key.sym;
            pushKey(true, key.sym, key.typed);
        } else if (chance(0.2)) {
            const Key key = Keys[random() % std::size(Keys)];
            // Escape is one key of twenty: rarer, or the box would be open
            // most of the run.
            if (key.sym != SDLK_ESCAPE || chance(0.2)) {
                const bool down = !held.count(key.sym) || chance(0.3);
                pushKey(down, key.sym, down ? key.typed : 0);
                if (down) held.insert(key.sym);
                else held.erase(key.sym);
            }
        }
        // Each fullscreen switch sets a new video mode, which takes tens of
        // milliseconds: a few dozen of them, not one in twenty keys.
        if (chance(0.0002)) pushKey(true, SDLK_f, 'f');
        if (chance(0.0005)) pushFocus(false);
        if (chance(0.002)) pushFocus(true);

        alarm(20);  // a frame that never returns kills the run
        const float dt = chance(0.03) ? std::uniform_real_distribution<float>(0.0f, 0.25f)(random) : 0.025f;
        engine.frame(dt);
        if (frame % PresentEvery == 0) engine.present();
        alarm(0);

        const std::string logged = log.take();
        const bool stopped = logged.find("Requesting Stop Main Loop") != std::string::npos;
        ASSERT_TRUE(answer != SDLK_y || stopped) << "Y in the exit box did not stop the game";
        EXPECT_TRUE(answer != SDLK_n || !engine.isExitBoxOpen()) << "N left the exit box open";
        const Seen after = Seen::of(engine);
        if (boxWasOpen && !answer && after.state == before.state) {
            // The box holds every other key: nothing the screen shows moves
            // except what was already under way (a fade, a level change).
            EXPECT_TRUE(engine.isExitBoxOpen());
            EXPECT_EQ(after.typed, before.typed);
            EXPECT_EQ(after.stage, before.stage);
            if (!waitsForAnimation(before.mode)) {
                EXPECT_EQ(after.mode, before.mode);
                EXPECT_EQ(after.position, before.position);
            }
            EXPECT_TRUE(before.titleFading || !after.titleFading) << "Space reached the title";
        }

        GameState* state = engine.currentState();
        ASSERT_NE(state, nullptr);
        if (auto* play = dynamic_cast<PlayState*>(state)) {
            ++playFrames;
            ASSERT_LE(play->mode, static_cast<uint32_t>(Ending)) << "mode " << play->mode;
            const Level* here = play->level();
            ASSERT_NE(here, nullptr);
            ASSERT_FALSE(isBlocked(*here, play->position.x, play->position.y))
                << here->name << " at " << play->position.x << ", " << play->position.y;
            waiting = waitsForAnimation(play->mode) && !engine.isExitBoxOpen() && !engine.isPaused() ? waiting + 1 : 0;
            ASSERT_LT(waiting, StuckFrames) << "stuck in mode " << play->mode;
            if (++inThisPlay == PlayFrames && !engine.pendingState()) engine.changeState(std::make_unique<EndGame>());
        } else if (auto* end = dynamic_cast<EndGame*>(state)) {
            ++endFrames, inThisPlay = 0;
            ASSERT_LE(end->getStage(), 4u);
        } else {
            ASSERT_NE(dynamic_cast<TitleScreen*>(state), nullptr);
            ++titleFrames, inThisPlay = 0;
        }

        if (stopped) ++stops, held.clear(), startProgram(engine);
    }
    engine.shutdown();
    EXPECT_TRUE(titleFrames > 300 && playFrames > 1000 && endFrames > 1000) << titleFrames << " " << playFrames << " " << endFrames;
    EXPECT_GT(stops, 2);
}
