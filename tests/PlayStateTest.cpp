#include "states/PlayState.h"

#include "media/Sound.h"
#include "motion/Movement.h"
#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "support/ScreenProbe.h"

#include <gtest/gtest.h>


namespace {

constexpr float FRAME = 0.025f;

// A play state made current through the engine, as the title screen hands
// it over, with the town's map opened up into one walled room and its
// actions replaced by the test's own.
class PlayStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        ASSERT_NE(play = makeCurrent<PlayState>(), nullptr);
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
        return play->levels[0]->actions.emplace_back(Action{"testAction", type, repeat, "Look", where});
    }

    PlayState* play = nullptr;
};

}  // namespace

TEST_F(PlayStateTest, TurnsTakeTheirTimeAndEndExactly) {
    play->direction = Vec2(1.0f, 0.0f);
    play->cameraPlane = Vec2(0.0f, -0.66f);
    play->turnToward(play->position + Vec2(0.0f, 3.0f));
    ASSERT_NEAR(play->turnRemaining, 90.0f, 1e-3f);
    int turnFrames = 0;
    for (; play->turnRemaining != 0.0f && turnFrames < 100; ++turnFrames) runFrames(1);
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

TEST_F(PlayStateTest, ActionsWithinReachAndSpaceFiringThem) {
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
    runFrames(5);
    EXPECT_EQ(play->levels[0]->actions[0].timesTriggered, 1);
    EXPECT_EQ(play->levels[0]->actions[1].timesTriggered, 5);

    // Space fires the focused manual action once.
    pushKey(false, SDLK_q);
    play->levels[0]->actions.clear();
    addAction("manual", play->position + Vec2(0.5f, 0.0f));
    play->checkActions();
    pushKeyDown(SDLK_SPACE, ' ');
    runFrames(1);
    EXPECT_EQ(play->levels[0]->actions[0].timesTriggered, 1);
    EXPECT_EQ(play->focusedAction, nullptr);
    EXPECT_EQ(play->hintLabel->text(), "");
    pushKeyDown(SDLK_SPACE, ' ');
    runFrames(1);
    EXPECT_EQ(play->levels[0]->actions[0].timesTriggered, 1);
}

// Which chunk a footstep started, told apart by identity: one second of
// silence each, so they are still playing when looked at.
TEST_F(PlayStateTest, FootstepsSoundOfTheGround) {
    static Uint8 silence[5][88200] = {};
    std::vector<Mix_Chunk*> chunks;
    for (auto& buffer : silence) chunks.push_back(Mix_QuickLoad_RAW(buffer, sizeof buffer));
    for (auto& [ground, sounds] : play->footstepSounds)
        for (Mix_Chunk* chunk : sounds) freeSound(chunk);
    play->footstepSounds = {{"grass", {chunks[0]}}, {"stone", {chunks[1], chunks[2], chunks[3], chunks[4]}}};

    for (uint32_t n : {0u, PlayState::CAVE, PlayState::FARM}) {
        play->enterLevel(n);
        Level& here = *play->levels[n];
        here.collisionGrid = CellGrid<bool>(here.width, here.height);
        play->keyHeld[KeyW] = true;
        Mix_HaltChannel(-1);
        play->footstepCountdown = 0.01f;
        play->updateMovement(FRAME);
        Mix_Chunk* heard = nullptr;
        for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel)
            if (Mix_Playing(channel)) heard = Mix_GetChunk(channel);
        ASSERT_NE(heard, nullptr) << here.name;
        EXPECT_EQ(heard == chunks[0], here.name != "cave") << here.name;
    }
    Mix_HaltChannel(-1);
}

// What lies over what: during the farm's flash the red covers the world but
// not the hands; outside the farm an unlit level never shows the overlay; the
// title's backdrop draws no hands.
TEST_F(PlayStateTest, FrameCompositionOrder) {
    HandsOverlay& hands = *play->hands;
    ASSERT_NE(hands.knife, nullptr);
    hands.setShowKnife();
    play->hintLabel->setText("");
    SDL_Surface* screen = Engine::instance().screen();
    const auto redOverKnife = [&] { return countPixels(hands.knifeX, hands.knifeY, hands.knife->w, hands.knife->h, 255, 0, 0); };

    SDL_FillRect(play->overlay, nullptr, 0xFFFF0000u);
    play->render();
    EXPECT_NE(rgbAt(screen, 320, 50), 0xFF0000u) << "the town's overlay was drawn";

    play->enterLevel(PlayState::FARM);
    play->startStabFlash();
    play->render();
    EXPECT_EQ(rgbAt(screen, 320, 50), 0xFF0000u);
    const int flashed = redOverKnife();
    play->backgroundMode = true;
    play->render();
    EXPECT_LT(flashed, redOverKnife()) << "the knife under the flash, or drawn over the title's backdrop";
}

// An area change waits for black, enters the area, then fades back in; the
// area left keeps the spot the player left it from.
TEST_F(PlayStateTest, ChangeLevelBehindTheFade) {
    const Vec2 leftFrom = play->position;
    play->changeLevel(2);
    EXPECT_EQ(play->mode, Changing);
    int framesToBlack = 0;
    for (; play->currentLevel == 0 && framesToBlack < 400; ++framesToBlack) runFrames(1);
    EXPECT_GT(framesToBlack, 1);
    EXPECT_EQ(play->currentLevel, 2u);
    EXPECT_EQ(play->mode, Walking);
    EXPECT_EQ(play->position, play->levels[2]->start);
    EXPECT_EQ(play->levels[0]->start, leftFrom);
    runFrames(framesToBlack);
    EXPECT_FALSE(play->fade.isBlack());
}

TEST_F(PlayStateTest, KeysByMode) {
    const Vec2 start = play->position;
    play->mode = Watching;
    pushKeyDown(SDLK_UP);
    runFrames(2);
    EXPECT_EQ(play->position, start);
    EXPECT_TRUE(play->keyHeld[KeyUp]);
    play->mode = Walking;
    runFrames(2);
    EXPECT_LT(play->position.x, start.x);

    // While the exit box is open, held keys are forgotten.
    pushKeyDown(SDLK_ESCAPE, 27);
    runFrames(1);
    ASSERT_TRUE(Engine::instance().isExitBoxOpen());
    EXPECT_FALSE(play->keyHeld[KeyUp]);
    pushKeyDown(SDLK_n, 'n');
    runFrames(1);
    ASSERT_FALSE(Engine::instance().isExitBoxOpen());

    // Typing: an empty or one-space entry is not submitted.
    play->mode = Typing;
    pushKeyDown(SDLK_RETURN, '\r');
    pushKeyDown(SDLK_SPACE, ' ');
    pushKeyDown(SDLK_RETURN, '\r');
    runFrames(1);
    EXPECT_EQ(play->inputBox->text(), " ");
    EXPECT_FALSE(Engine::instance().fullscreenKeyEnabled);
    pushKeyDown(SDLK_a, 'a');
    pushKeyDown(SDLK_RETURN, '\r');
    runFrames(1);
    EXPECT_EQ(play->inputBox->text(), "");
    // A Backspace held into the exit box deletes nothing behind it.
    for (int key : {SDLK_a, SDLK_b, SDLK_BACKSPACE, SDLK_ESCAPE}) pushKeyDown(key, static_cast<char>(key)), runFrames(1);
    runFrames(20);
    pushKeyDown(SDLK_n, 'n');
    runFrames(1);
    EXPECT_EQ(play->inputBox->text(), "a");
}

TEST_F(PlayStateTest, HandsSwayOnlyForWalkingAndShowTheBloodyKnifeOnlyWithTheKnife) {
    const auto swayingFrames = [&] {
        int swayed = 0;
        for (int i = 0; i < 20; ++i) play->update(FRAME), swayed += play->hands->bobOffset.x != 0;
        return swayed;
    };
    play->keyHeld[KeyQ] = true;
    EXPECT_EQ(swayingFrames(), 0);
    play->keyHeld[KeyQ] = false;
    play->motion.animate(&play->position, play->position + Vec2(1.0f, 0.0f), Linear, 1.0);
    play->mode = ScriptedMove;
    EXPECT_GT(swayingFrames(), 10);

    HandsOverlay& hands = *play->hands;
    ASSERT_NE(hands.bloodyKnife, nullptr);
    hands.setKnifeBloody();
    EXPECT_EQ(drawnLitPixels(hands), 0);
    hands.setShowKnife();
    const int bloody = drawnLitPixels(hands);
    EXPECT_GT(bloody, 0);
    hands.knifeBloody = false;
    EXPECT_GT(drawnLitPixels(hands), 0);
    // The cyan key keeps the image's background off the screen.
    EXPECT_LT(bloody, hands.bloodyKnife->w * hands.bloodyKnife->h);
}
