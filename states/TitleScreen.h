#pragma once

#include "engine/GameState.h"
#include "media/Fade.h"
#include "motion/Tweener.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

class PlayState;

// The first screen: the town seen through a play state of the title's own
// (in background mode, never handed to the engine) whose view swings 90
// degrees and back every 12 s, under the 64-point "Ombrel", the panel with
// its three lines and the Space prompt. Space fades to black; once black the
// speed-run timer starts and a fresh play state is handed to the engine.
//
// The title owns its backdrop, font and surfaces between init() and
// cleanup(). If the backdrop cannot start (a level refused by the loader,
// which logs why), init() fails, nothing else is loaded and the screen draws
// and does nothing until the engine stops.
class TitleScreen : public GameState {
public:
    TitleScreen();
    ~TitleScreen() override;

    bool init() override;
    void cleanup() override;
    void update(float dt) override;
    void render() override;
    // Space starts the fade to black unless a fade is under way.
    void keyDown(int sym, char character) override;
    void keyUp(int sym, char character) override { (void)sym; (void)character; }

    // The backdrop's current swing in degrees, 0 to -90; null backdrop before
    // init(), after cleanup() and after a failed start.
    float swing() const { return swingAngle; }
    const PlayState* backdropState() const { return backdrop.get(); }
    const Fade& screenFade() const { return fade; }

private:
    void freeTexts();

    std::unique_ptr<PlayState> backdrop;
    TTF_Font* titleFont = nullptr;
    SDL_Surface* titleText = nullptr;
    SDL_Surface* versionText = nullptr;
    SDL_Surface* notPlayableText = nullptr;
    SDL_Surface* speedRunnersText = nullptr;
    SDL_Surface* pressSpaceText = nullptr;
    int panelWidth = 0;
    int panelHeight = 0;
    SDL_Surface* panel = nullptr;
    Fade fade;
    Tweener tweener;
    float swingAngle = 0.0f;
    // The game was handed to the engine; it is handed over only once.
    bool handedOver = false;
};
