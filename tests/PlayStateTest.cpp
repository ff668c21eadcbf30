#include "states/PlayState.h"

#include "motion/Movement.h"
#include "support/EngineFixture.h"
#include "support/Events.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float FRAME = 0.025f;

// A play state made current through the engine, as the title screen hands
// it over, with the town's map opened up into one walled room and its
// actions replaced by the test's own.
class PlayStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        auto state = std::make_unique<PlayState>();
        play = state.get();
        Engine::instance().changeState(std::move(state));
        Engine::instance().frame(0.0f);
        ASSERT_EQ(Engine::instance().currentState(), play);
        Level& town = *play->levels[0];
        town.collisionGrid = CellGrid<bool>(town.width, town.height);
        for (uint32_t x = 0; x < town.width; ++x)
            for (uint32_t y = 0; y < town.height; ++y)
                town.collisionGrid[x][y] = x == 0 || y == 0 || x + 1 == town.width || y + 1 == town.height;
        town.actions.clear();
        play->position = Vec2(10.5f, 10.5f);
        play->fade.clear();
    }
    void TearDown() override { Engine::instance().shutdown(); }

    Action& addAction(const std::string& type, Vec2 where, bool repeat = false) {
        Action action;
        action.name = "testAction";
        action.type = type;
        action.text = "Look";
        action.position = where;
        action.repeat = repeat;
        play->levels[0]->actions.push_back(action);
        return play->levels[0]->actions.back();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) Engine::instance().frame(FRAME);
    }

    PlayState* play = nullptr;
};

}  // namespace

TEST_F(PlayStateTest, InitKeepsAllAreasAndFocusesNothing) {
    EXPECT_EQ(play->levels.size(), 7u);
    EXPECT_EQ(play->levels[1]->name, "cave");
    EXPECT_EQ(play->mode, Walking);
    EXPECT_EQ(play->focusedAction, nullptr);
}

TEST_F(PlayStateTest, TurnsTakeTheirTimeAndEndExactly) {
    play->direction = Vec2(1.0f, 0.0f);
    play->cameraPlane = Vec2(0.0f, -0.66f);
    play->turnToward(play->position + Vec2(0.0f, 3.0f));
    ASSERT_NEAR(play->turnRemaining, 90.0f, 1e-3f);
    int turnFrames = 0;
    while (play->turnRemaining != 0.0f && turnFrames < 100) {
        frames(1);
        ++turnFrames;
    }
    EXPECT_EQ(turnFrames, 35);
    EXPECT_NEAR(play->direction.x, 0.0f, 1e-5f);
    EXPECT_NEAR(play->direction.y, 1.0f, 1e-5f);

    // Right turns are negative; a small angle, the player's own spot and
    // straight ahead are no turn at all, never NaN.
    play->turnToward(play->position + Vec2(2.0f, 0.0f));
    EXPECT_NEAR(play->turnRemaining, -90.0f, 1e-3f);
    const Vec2 cases[] = {Vec2(0.15f, 1.0f), Vec2(0.0f, 0.0f), Vec2(0.0f, 1e-7f), Vec2(1e-6f, 5.0f)};
    for (const Vec2& offset : cases) {
        play->turnRemaining = 33.0f;
        play->turnToward(play->position + offset);
        EXPECT_EQ(play->turnRemaining, 0.0f) << offset.x << "," << offset.y;
    }
}

TEST_F(PlayStateTest, ActionsWithinReach) {
    Action& near = addAction("manual", play->position + Vec2(0.99f, 0.0f));
    play->checkActions();
    EXPECT_EQ(play->focusedAction, &near);
    EXPECT_EQ(play->hintLabel->text(), "Look");
    near.position = play->position + Vec2(0.0f, 1.0f);
    play->checkActions();
    EXPECT_EQ(play->focusedAction, nullptr);
    EXPECT_EQ(play->hintLabel->text(), "");

    // Automatic actions: once without repeat, on every moving frame with it.
    play->levels[0]->actions.clear();
    addAction("auto", play->position + Vec2(0.3f, 0.0f));
    addAction("auto", play->position + Vec2(0.3f, 0.0f), true);
    pushKeyDown(SDLK_q);
    frames(5);
    EXPECT_EQ(play->levels[0]->actions[0].timesTriggered, 1);
    EXPECT_EQ(play->levels[0]->actions[1].timesTriggered, 5);
}

TEST_F(PlayStateTest, SpaceFiresTheFocusedActionOnce) {
    addAction("manual", play->position + Vec2(0.5f, 0.0f));
    play->checkActions();
    pushKeyDown(SDLK_SPACE, ' ');
    frames(1);
    EXPECT_EQ(play->levels[0]->actions[0].timesTriggered, 1);
    EXPECT_EQ(play->focusedAction, nullptr);
    EXPECT_EQ(play->hintLabel->text(), "");
    pushKeyDown(SDLK_SPACE, ' ');
    frames(1);
    EXPECT_EQ(play->levels[0]->actions[0].timesTriggered, 1);
}

TEST_F(PlayStateTest, FootstepsFollowTheWalkedDistancePerAxis) {
    struct Case {
        float degrees;
        float interval;
    } cases[] = {{0.0f, 0.78f}, {45.0f, 0.55f}};
    for (const Case& c : cases) {
        const Level& town = *play->levels[0];
        ASSERT_GT(town.width, 20u);
        ASSERT_GT(town.height, 20u);
        play->position = Vec2(town.width - 1.5f, town.height - 1.5f);
        play->direction = Vec2(-1.0f, 0.0f);
        play->cameraPlane = Vec2(0.0f, 0.66f);
        play->rotateView(c.degrees);
        play->footstepCountdown = 2.5f;
        play->keyHeld.fill(false);
        play->keyHeld[KeyW] = true;
        int steps = 0, first = -1, last = -1;
        for (int i = 0; i < 220; ++i) {
            const float before = play->footstepCountdown;
            play->updateMovement(FRAME);
            if (play->footstepCountdown > before) {
                ++steps;
                last = i;
                if (first < 0) first = i;
            }
        }
        ASSERT_GT(steps, 2);
        EXPECT_NEAR((last - first) * FRAME / (steps - 1), c.interval, 0.03f) << c.degrees;
    }
}

TEST_F(PlayStateTest, KeysByMode) {
    const Vec2 start = play->position;
    play->mode = Watching;
    pushKeyDown(SDLK_UP);
    frames(2);
    EXPECT_EQ(play->position, start);
    EXPECT_TRUE(play->keyHeld[KeyUp]);
    play->mode = Walking;
    frames(2);
    EXPECT_LT(play->position.x, start.x);

    // While the exit box is open, held keys are forgotten.
    pushKeyDown(SDLK_ESCAPE, 27);
    frames(1);
    ASSERT_TRUE(Engine::instance().isExitBoxOpen());
    EXPECT_FALSE(play->keyHeld[KeyUp]);
    pushKeyDown(SDLK_n, 'n');
    frames(1);
    ASSERT_FALSE(Engine::instance().isExitBoxOpen());

    // Typing: an empty or one-space entry is not submitted.
    play->mode = Typing;
    pushKeyDown(SDLK_SPACE, ' ');
    pushKeyDown(SDLK_RETURN, '\r');
    frames(1);
    EXPECT_EQ(play->inputBox->text(), " ");
    EXPECT_FALSE(Engine::instance().fullscreenKeyEnabled);
    pushKeyDown(SDLK_a, 'a');
    pushKeyDown(SDLK_RETURN, '\r');
    frames(1);
    EXPECT_EQ(play->inputBox->text(), "");
}

TEST_F(PlayStateTest, HandsSwayOnlyForWalking) {
    play->keyHeld[KeyQ] = true;
    for (int i = 0; i < 20; ++i) {
        play->update(FRAME);
        ASSERT_EQ(play->hands->bobOffset.x, 0);
    }
    play->keyHeld[KeyQ] = false;
    play->motion.animate(&play->position, play->position + Vec2(1.0f, 0.0f), Linear, 1.0);
    play->mode = ScriptedMove;
    int swayed = 0;
    for (int i = 0; i < 20; ++i) {
        play->update(FRAME);
        if (play->hands->bobOffset.x != 0) ++swayed;
    }
    EXPECT_GT(swayed, 10);
}

TEST_F(PlayStateTest, BloodyKnifeOnlyWithTheKnife) {
    HandsOverlay& hands = *play->hands;
    ASSERT_NE(hands.bloodyKnife, nullptr);
    SDL_Surface* screen = Engine::instance().screen();
    auto drawnPixels = [&] {
        fillRect(screen, 0, 0, screen->w, screen->h, 0);
        hands.draw();
        int count = 0;
        SDL_LockSurface(screen);
        for (int y = 0; y < screen->h; ++y)
            for (int x = 0; x < screen->w; ++x)
                if (static_cast<uint32_t*>(screen->pixels)[y * screen->pitch / 4 + x] & 0xFFFFFF) ++count;
        SDL_UnlockSurface(screen);
        return count;
    };
    hands.setKnifeBloody();
    EXPECT_EQ(drawnPixels(), 0);
    hands.setShowKnife();
    const int bloody = drawnPixels();
    EXPECT_GT(bloody, 0);
    hands.knifeBloody = false;
    EXPECT_GT(drawnPixels(), 0);
    // The cyan key keeps the image's background off the screen.
    EXPECT_LT(bloody, hands.bloodyKnife->w * hands.bloodyKnife->h);
}
