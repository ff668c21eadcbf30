#pragma once

#include "engine/GameState.h"
#include "media/Fade.h"
#include "motion/Tweener.h"
#include "render/FrameBuffer.h"
#include "render/HandsOverlay.h"
#include "render/Raycaster.h"
#include "render/Vec2.h"
#include "story/StoryIndices.h"
#include "ui/MessageBox.h"
#include "ui/OptionList.h"
#include "ui/SmallMessageBox.h"
#include "ui/TextEntryBox.h"
#include "world/Level.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// What input means and what is drawn over the world.
enum PlayMode : uint32_t {
    Changing = 0,
    Walking = 1,
    Choosing = 2,
    Reading = 3,
    Typing = 4,
    ScriptedMove = 5,
    Watching = 6,
    Ending = 7,
};

// The movement keys, in the order of keyHeld.
enum MoveKey : int { KeyUp, KeyDown, KeyLeft, KeyRight, KeyW, KeyS, KeyA, KeyD, KeyQ, KeyE, MoveKeyCount };

// The state in which the game is played: the seven areas, the camera, the
// widgets over the world, the hands, the area music and the story sounds.
//
// The play state is the story's world state: the script in story/ reads and
// changes these members directly, so they are public. Levels, widgets and
// hands exist between init() and cleanup() only; sounds and music are null
// when their files are missing. Positions in cells, angles in degrees, times
// in seconds.
class PlayState : public GameState {
public:
    PlayState();
    ~PlayState() override;

    // Loads all seven levels and keeps them for the game. A level that is
    // refused (the loader logs which file and why) makes init fail, so the
    // program ends instead of playing in a broken world.
    bool init() override;
    void cleanup() override;
    void update(float dt) override;
    void render() override;
    void keyDown(int sym, char character) override;
    void keyUp(int sym, char character) override;

    // Switches to level n at once; an n without a level is ignored.
    void enterLevel(uint32_t n);
    // Fades out, then enters level n and fades back in.
    void changeLevel(uint32_t n);
    // Refreshes the focused manual action and fires automatic ones in reach.
    void checkActions();
    // Sets turnRemaining to the signed angle toward point; 0 below 10 degrees
    // and when no direction toward the point exists.
    void turnToward(const Vec2& point);
    void startStabFlash();
    // Runs the story step named name.
    void runAction(const std::string& name);
    // Turns the camera; positive turns toward the left of the screen.
    void rotateView(double degrees);
    // Walking, strafing, turning, footsteps; only in Walking mode.
    void updateMovement(float dt);

    // The level being played; null before init.
    Level* level() const { return currentLevel < levels.size() ? levels[currentLevel].get() : nullptr; }

    bool backgroundMode = false;
    Fade fade;
    FrameBuffer frameBuffer;
    SDL_Surface* overlay = nullptr;
    uint32_t mode = Walking;
    std::unique_ptr<MessageBox> messageBox;
    std::unique_ptr<SmallMessageBox> hintLabel;
    std::unique_ptr<OptionList> optionBox;
    std::unique_ptr<TextEntryBox> inputBox;
    std::vector<std::unique_ptr<Level>> levels;
    uint32_t currentLevel = 0;
    Raycaster raycaster;
    Mix_Music* music = nullptr;
    Vec2 position;
    Vec2 direction;
    Vec2 cameraPlane;
    std::array<bool, MoveKeyCount> keyHeld{};
    Action* focusedAction = nullptr;
    std::string pendingAction;
    float footstepCountdown = 2.5f;
    std::map<std::string, std::vector<Mix_Chunk*>> footstepSounds;
    Mix_Chunk* cryingSound = nullptr;
    Mix_Chunk* stabSound = nullptr;
    Mix_Chunk* lockedDoorSound = nullptr;
    std::vector<Mix_Chunk*> sheepSounds;
    Tweener motion;
    float turnRemaining = 0.0f;
    uint32_t nextLevel = 0;
    std::unique_ptr<HandsOverlay> hands;
    uint32_t questionNumber = 0;
    float flashAlpha = 0.0f;
    bool flashOn = false;
    bool awaitingTurn = false;
    bool priestSpoken = false;
    bool brotherMet = false;
    bool widowHomeVisited = false;
    bool caveTooDark = false;
    bool strangerMet = false;

    // The seven areas by level number, the numbers the story addresses them by.
    static constexpr const char* LEVEL_NAMES[7] = {"town", "cave", "room1", "room2", "room3", "room4", "farm"};
    static constexpr uint32_t CAVE = StoryIndex::CAVE;
    static constexpr uint32_t FARM = StoryIndex::FARM;

private:
    void drawOverlays();
};
