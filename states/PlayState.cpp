#include "states/PlayState.h"

#include "engine/Engine.h"
#include "media/Image.h"
#include "media/Sound.h"
#include "motion/Movement.h"
#include "render/Camera.h"
#include "render/OverlayBlend.h"
#include "states/EndGame.h"
#include "story/Story.h"
#include "story/StoryTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr float TURN_THRESHOLD_DEGREES = 10.0f;
constexpr float TURN_MATCH = 0.0005f;

int moveKeyIndex(int sym) {
    switch (sym) {
    case SDLK_UP: return KeyUp;
    case SDLK_DOWN: return KeyDown;
    case SDLK_LEFT: return KeyLeft;
    case SDLK_RIGHT: return KeyRight;
    case SDLK_w: return KeyW;
    case SDLK_s: return KeyS;
    case SDLK_a: return KeyA;
    case SDLK_d: return KeyD;
    case SDLK_q: return KeyQ;
    case SDLK_e: return KeyE;
    default: return -1;
    }
}

}  // namespace

PlayState::PlayState()
    : frameBuffer(Engine::instance().screenWidth(), Engine::instance().screenHeight()),
      raycaster(64, 64, Engine::instance().screenWidth(), Engine::instance().screenHeight()) {}

PlayState::~PlayState() { cleanup(); }

bool PlayState::init() {
    frameBuffer.fill(0xFFFFFF);
    music = nullptr;
    for (int i = 1; i <= 4; ++i)
        sheepSounds.push_back(loadSound(("data/sfx/sheep" + std::to_string(i) + ".wav").c_str()));
    footstepSounds["grass"] = {loadSound("data/sfx/footstep_grass_3.wav")};
    for (int i = 1; i <= 4; ++i)
        footstepSounds["stone"].push_back(loadSound(("data/sfx/footstep_stone_" + std::to_string(i) + ".wav").c_str()));

    messageBox = std::make_unique<MessageBox>(20, 360, "Message");
    hintLabel = std::make_unique<SmallMessageBox>("");
    optionBox = std::make_unique<OptionList>();
    inputBox = std::make_unique<TextEntryBox>();
    Engine& engine = Engine::instance();
    if (SDL_Surface* blank = createSurface(engine.screenWidth(), engine.screenHeight(), 4)) {
        overlay = engine.screen() ? SDL_DisplayFormatAlpha(blank) : nullptr;
        freeSurface(blank);
    }
    hands = std::make_unique<HandsOverlay>();

    currentLevel = 0;
    for (const char* name : LEVEL_NAMES) {
        std::unique_ptr<Level> loaded = loadLevel(name);
        if (!loaded) {
            // The loader has named the file and the fault; a world with an
            // area missing would break the story's level numbers.
            Engine::log("PlayState: cannot start without level \"%s\"", name);
            return false;
        }
        levels.push_back(std::move(loaded));
    }
    if (backgroundMode) levels[0]->start = Vec2(12.5f, 12.5f);

    enterLevel(0);
    carveTallyMarks(*levels[CAVE]);
    keyHeld.fill(false);
    checkActions();
    footstepCountdown = FOOTSTEP_SPACING;
    turnRemaining = 0.0f;
    mode = Walking;
    // Nothing is in focus until the player first moves; the label goes too,
    // or it would offer an action that Space cannot fire.
    focusedAction = nullptr;
    if (hintLabel) hintLabel->setText("");

    cryingSound = loadSound("data/sfx/crying1.wav");
    stabSound = loadSound("data/sfx/stab_pierce.wav");
    lockedDoorSound = loadSound("data/sfx/door_locked.wav");

    fade.setBlack();
    fade.fadeFromBlack();

    nextLevel = 0;
    questionNumber = 0;
    flashAlpha = 0.0f;
    flashOn = true;
    awaitingTurn = priestSpoken = brotherMet = widowHomeVisited = caveTooDark = strangerMet = false;
    return true;
}

void PlayState::cleanup() {
    freeSurface(overlay);
    overlay = nullptr;
    // The backdrop's music goes on playing under the game that adopts it.
    if (!backgroundMode) freeMusic(music);
    music = nullptr;
    for (Mix_Chunk** chunk : {&cryingSound, &stabSound, &lockedDoorSound}) {
        freeSound(*chunk);
        *chunk = nullptr;
    }
    for (auto& [ground, sounds] : footstepSounds)
        for (Mix_Chunk* chunk : sounds) freeSound(chunk);
    footstepSounds.clear();
    for (Mix_Chunk* chunk : sheepSounds) freeSound(chunk);
    sheepSounds.clear();
    focusedAction = nullptr;
    // Tweens may point into the levels and hands about to go.
    motion = Tweener();
    levels.clear();
    messageBox.reset();
    hintLabel.reset();
    optionBox.reset();
    inputBox.reset();
    hands.reset();
}

void PlayState::rotateView(double degrees) { ::rotateView(direction, cameraPlane, degrees); }

void PlayState::enterLevel(uint32_t n) {
    if (n >= levels.size()) {
        Engine::log("PlayState: no level number %u to enter", n);
        return;
    }
    Level& next = *levels[n];
    placeCameraAtStart(next, position, direction, cameraPlane);
    raycaster.useSideShading = next.useSideShading;
    raycaster.useLighting = next.useLighting;
    raycaster.transparentWall = next.transparentWall;
    chooseAreaMusic(*this, n);
    if (next.name == "room2") widowHomeVisited = true;
    // A focus into the level being left would dangle once its actions change.
    focusedAction = nullptr;
    currentLevel = n;
    caveTooDark = false;
    if (n == CAVE) {
        applyCaveLight(*this);
        if (!next.actions.empty()) next.actions[0].timesTriggered = 1;
    }
}

void PlayState::changeLevel(uint32_t n) {
    fade.fadeToBlack();
    mode = Changing;
    nextLevel = n;
    if (Level* here = level()) here->start = position;
}

void PlayState::checkActions() {
    focusedAction = nullptr;
    if (hintLabel) hintLabel->setText("");
    Level* here = level();
    if (!here) return;
    // The story may append actions while one runs, which moves the list: walk
    // by index, and point at the focused one only once the walk is over.
    size_t focused = here->actions.size();
    for (size_t i = 0; i < here->actions.size(); ++i) {
        Action& action = here->actions[i];
        if (length(position - action.position) >= ACTION_REACH) continue;
        if (!action.repeat && action.timesTriggered != 0) continue;
        if (action.type == "manual") {
            if (hintLabel) hintLabel->setText(action.text);
            focused = i;
        } else if (action.type == "auto") {
            if (action.lookAt) turnToward(action.position);
            const std::string name = action.name;
            runAction(name);
            // The step may have changed level; the action still lives in
            // its own level's list unless the story removed it.
            if (i < here->actions.size()) here->actions[i].timesTriggered += 1;
            if (level() != here) return;
        }
    }
    if (focused < here->actions.size()) focusedAction = &here->actions[focused];
}

void PlayState::turnToward(const Vec2& point) {
    Vec2 v = point - position;
    const float distance = length(v);
    if (!(distance > 0.0f)) {
        turnRemaining = 0.0f;
        return;
    }
    normalize(v);
    // Rounding can push the dot product of two unit vectors just past 1.
    const float cosine = std::clamp(dot(direction, v), -1.0f, 1.0f);
    const float a = std::acos(cosine);
    const Vec2 r(direction.x * std::cos(a) - direction.y * std::sin(a),
                 direction.x * std::sin(a) + direction.y * std::cos(a));
    const bool left = std::fabs(r.x - v.x) < TURN_MATCH && std::fabs(r.y - v.y) < TURN_MATCH;
    const float degrees = static_cast<float>(radiansToDegrees(left ? a : -a));
    turnRemaining = std::isfinite(degrees) && std::fabs(degrees) >= TURN_THRESHOLD_DEGREES ? degrees : 0.0f;
}

void PlayState::startStabFlash() {
    flashAlpha = 1.0f;
    flashOn = true;
    motion.animate(&flashAlpha, 0.0f, ExpoOut, 2.0);
    playSound(stabSound, 0);
}

void PlayState::runAction(const std::string& name) {
    // Callers pass pendingAction itself, which the step usually overwrites
    // with its continuation: the step must keep seeing its own name.
    const std::string step = name;
    runStoryAction(*this, step);
}

void PlayState::updateMovement(float dt) {
    if (mode != Walking) return;
    Level* here = level();
    if (!here) return;
    const double walk = WALK_SPEED * dt;
    const double strafe = STRAFE_SPEED * dt;
    bool moved = false;
    if (keyHeld[KeyUp] || keyHeld[KeyW])
        slideMove(*here, position, direction.x * walk, direction.y * walk, footstepCountdown, moved);
    if (keyHeld[KeyDown] || keyHeld[KeyS])
        slideMove(*here, position, -direction.x * walk, -direction.y * walk, footstepCountdown, moved);
    if (keyHeld[KeyQ]) slideMove(*here, position, -direction.y * strafe, direction.x * strafe, footstepCountdown, moved);
    if (keyHeld[KeyE]) slideMove(*here, position, direction.y * strafe, -direction.x * strafe, footstepCountdown, moved);

    if (moved) {
        checkActions();
        if (footstepCountdown < 0.0f) {
            // Read the level again: an action just run may have changed it.
            const Level* now = level();
            const auto sounds = footstepSounds.find(now && now->name == "cave" ? "stone" : "grass");
            if (sounds != footstepSounds.end() && !sounds->second.empty())
                playSound(sounds->second[static_cast<size_t>(std::rand()) % sounds->second.size()], 0);
            footstepCountdown += FOOTSTEP_SPACING;
        }
    }

    const double turn = TURN_SPEED * dt;
    if (keyHeld[KeyRight] || keyHeld[KeyD]) rotateView(-turn);
    if (keyHeld[KeyLeft] || keyHeld[KeyA]) rotateView(turn);
}

void PlayState::update(float dt) {
    Engine& engine = Engine::instance();
    engine.fullscreenKeyEnabled = mode != Typing;
    const bool exitBoxOpen = engine.isExitBoxOpen();
    if (!exitBoxOpen) {
        if (turnRemaining != 0.0f) {
            const float limit = TURN_SPEED * dt;
            const float step = turnRemaining > 0.0f ? std::min(turnRemaining, limit) : std::max(turnRemaining, -limit);
            rotateView(step);
            turnRemaining -= step;
        }
        if (awaitingTurn && turnRemaining == 0.0f) {
            awaitingTurn = false;
            runAction(pendingAction);
        }
        const bool walking = keyHeld[KeyUp] || keyHeld[KeyDown] || keyHeld[KeyW] || keyHeld[KeyS] ||
                             motion.isAnimating(&position);
        if (hands) hands->update(walking, dt);
        motion.update(dt);
        if (messageBox) messageBox->update(dt);
        if (inputBox) inputBox->update(dt);
        fade.update(dt);
        updateMovement(dt);
    }
    if (mode == ScriptedMove && !motion.isAnimating(&position) && turnRemaining == 0.0f) runAction(pendingAction);
    if (mode == Watching) {
        const Level* cave = CAVE < levels.size() ? levels[CAVE].get() : nullptr;
        const uint32_t stranger = StoryIndex::CAVE_STRANGER_SPRITE;
        if (!cave || cave->sprites.size() <= stranger || !motion.isAnimating(&cave->sprites[stranger].position))
            runAction(pendingAction);
    }
    if (fade.isBlack()) {
        if (mode == Changing) {
            enterLevel(nextLevel);
            mode = Walking;
            fade.fadeFromBlack();
            if (caveTooDark) {
                mode = Reading;
                if (messageBox) messageBox->setText(StoryText::CAVE_TOO_DARK);
                pendingAction = "gotoBarnFromCave";
            }
        } else if (mode == Ending) {
            engine.changeState(std::make_unique<EndGame>());
        }
    }
    if (flashOn && !motion.isAnimating(&flashAlpha)) flashOn = false;
    if (exitBoxOpen) keyHeld.fill(false);
}

void PlayState::keyDown(int sym, char character) {
    switch (mode) {
    case Walking:
    case Watching: {
        const int key = moveKeyIndex(sym);
        if (key >= 0) keyHeld[key] = true;
        if (sym == SDLK_SPACE && focusedAction) {
            Action* action = focusedAction;
            focusedAction = nullptr;
            if (hintLabel) hintLabel->setText("");
            if (action->lookAt) turnToward(action->position);
            // The step may append actions (moving the list) or change level,
            // so the count is found again by level and index afterwards.
            Level* here = level();
            const size_t index = static_cast<size_t>(action - here->actions.data());
            const std::string name = action->name;
            runAction(name);
            if (index < here->actions.size()) here->actions[index].timesTriggered += 1;
        }
        break;
    }
    case Choosing:
        if (!optionBox) break;
        if (sym == SDLK_w || sym == SDLK_UP) optionBox->selectPrevious();
        else if (sym == SDLK_s || sym == SDLK_DOWN) optionBox->selectNext();
        else if (sym == SDLK_RETURN || sym == SDLK_SPACE) runAction(pendingAction);
        break;
    case Reading:
        if (sym == SDLK_RETURN || sym == SDLK_SPACE) runAction(pendingAction);
        break;
    case Typing:
        if (!inputBox) break;
        inputBox->keyDown(sym, character);
        if (sym == SDLK_RETURN) {
            const std::string typed = inputBox->text();
            if (typed != "" && typed != " ") {
                inputBox->clear();
                runAction(pendingAction);
            }
        }
        break;
    default:
        break;
    }
}

void PlayState::keyUp(int sym, char character) {
    (void)character;
    const int key = moveKeyIndex(sym);
    if (key >= 0) keyHeld[key] = false;
    if (inputBox && sym == SDLK_BACKSPACE) inputBox->releaseBackspace();
}

void PlayState::render() {
    Engine& engine = Engine::instance();
    Level* here = level();
    if (here) {
        frameBuffer.fill(here->backgroundColor);
        raycaster.castFrame(&position, &direction, &cameraPlane, *here, frameBuffer, overlay);
    }
    engine.blitColumnBuffer(frameBuffer.columns());
    drawOverlays();
    if (!backgroundMode && hands) hands->draw();
    switch (mode) {
    case Reading:
        if (messageBox) messageBox->draw();
        break;
    case Choosing:
        if (optionBox) optionBox->draw();
        break;
    case Typing:
        if (inputBox) inputBox->draw();
        break;
    default:
        if (hintLabel && !hintLabel->text().empty()) hintLabel->draw();
        break;
    }
    fade.draw();
}

void PlayState::drawOverlays() {
    if (!overlay) return;
    SDL_Surface* screen = Engine::instance().screen();
    const bool farmFlash = currentLevel == FARM && motion.isAnimating(&flashAlpha);
    const bool tint = raycaster.useLighting && flashOn;
    if ((farmFlash || tint) && overlay->format->BytesPerPixel == 4) {
        const uint32_t a = static_cast<uint32_t>(255.0f * std::clamp(flashAlpha, 0.0f, 1.0f));
        if (SDL_MUSTLOCK(overlay) && SDL_LockSurface(overlay) < 0) return;
        const uint32_t red = (a << 24) | (a << 16);
        for (int y = 0; y < overlay->h; ++y) {
            uint32_t* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(overlay->pixels) + y * overlay->pitch);
            if (farmFlash) std::fill(row, row + overlay->w, red);
            if (tint)
                for (int x = 0; x < overlay->w; ++x) row[x] |= a << 16;
        }
        if (SDL_MUSTLOCK(overlay)) SDL_UnlockSurface(overlay);
    }
    if (raycaster.useLighting) blendOverlay(overlay, screen);
    if (farmFlash) blendOverlay(overlay, screen);
}
