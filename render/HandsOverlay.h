#pragma once

#include "motion/Tweener.h"

#include <SDL.h>
#include <cstdint>

// The first-person hands: a lantern left of the centre line, a knife (clean
// or bloody) right of it, each standing on the bottom edge of the screen and
// swaying while the player walks. Positions are screen pixels for the screen
// size at construction. Owns its three surfaces; an image that failed to load
// is simply never drawn.
class HandsOverlay {
public:
    HandsOverlay();
    ~HandsOverlay();
    HandsOverlay(const HandsOverlay&) = delete;
    HandsOverlay& operator=(const HandsOverlay&) = delete;

    void setShowLantern() { showLantern = true; }
    void setShowKnife() { showKnife = true; }
    void setKnifeBloody() { knifeBloody = true; }
    bool isLanternShown() const { return showLantern; }
    bool isKnifeBloody() const { return knifeBloody; }

    // moving: the player walks forward or back, or is walked by the script;
    // dt in seconds.
    void update(bool moving, float dt);
    void draw();

    struct Offset {
        int32_t x = 0;
        int32_t y = 0;
    };

    SDL_Surface* lantern = nullptr;
    int32_t lanternX = 0, lanternY = 0;
    SDL_Surface* knife = nullptr;
    int32_t knifeX = 0, knifeY = 0;
    SDL_Surface* bloodyKnife = nullptr;
    int32_t bloodyKnifeX = 0, bloodyKnifeY = 0;
    Offset bobOffset;
    Tweener tweener;
    bool nextSwingRight = false;
    bool showLantern = false;
    bool showKnife = false;
    bool knifeBloody = false;
};
