#pragma once

#include <SDL.h>

// The banded fade to and from black drawn last by every state: eight bands
// 80 pixels apart, the top one darkest. level runs from 0 (clear) to 311
// (every band opaque); one step of 24 every 0.05 s.
class Fade {
public:
    // Loads "data/images/black_layers.png"; without it the fade draws nothing.
    Fade();
    ~Fade();
    Fade(const Fade&) = delete;
    Fade& operator=(const Fade&) = delete;

    void fadeToBlack();
    void fadeFromBlack();
    bool isFading() const { return darkening || lightening; }
    bool isBlack() const { return level == MaxLevel; }
    void setBlack() { level = MaxLevel; }
    void clear() { level = 0; }
    void update(float dt);
    void draw();

    int getLevel() const { return level; }
    // Sets the darkness directly, clamped to 0..MaxLevel; flags unchanged.
    void setLevel(int value) { level = value < 0 ? 0 : (value > MaxLevel ? MaxLevel : value); }
    // Opacity of band i (0..7) at the current level.
    int bandAlpha(int band) const;

    static constexpr int MaxLevel = 311;

private:
    bool darkening = false;
    bool lightening = false;
    int level = 0;
    float timer = 0.0f;
    SDL_Surface* image = nullptr;
};
