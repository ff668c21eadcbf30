#include "media/Fade.h"

#include "engine/Engine.h"
#include "media/Image.h"

namespace {
constexpr float StepSeconds = 0.05f;
constexpr int StepLevel = 24;
constexpr int Bands = 8;
constexpr int BandLevelOffset = 8;
}  // namespace

Fade::Fade() {
    int w = 0;
    int h = 0;
    image = loadImageOrWarn("data/images/black_layers.png", w, h);
}

Fade::~Fade() {
    freeSurface(image);
}

void Fade::fadeToBlack() {
    darkening = true;
    lightening = false;
}

void Fade::fadeFromBlack() {
    lightening = true;
    darkening = false;
}

void Fade::update(float dt) {
    // One step per call at most: a long frame leaves its surplus in timer so
    // the fade catches up over the following frames instead of jumping.
    if (darkening) {
        const float t = timer + dt;
        if (t > StepSeconds) {
            level += StepLevel;
            timer = t - StepSeconds;
            if (level > MaxLevel) {
                level = MaxLevel;
                darkening = false;
            }
        } else {
            timer = t;
        }
    }
    if (lightening) {
        const float t = timer + dt;
        if (t > StepSeconds) {
            level -= StepLevel;
            timer = t - StepSeconds;
            if (level < 0) {
                level = 0;
                lightening = false;
            }
        } else {
            timer = t;
        }
    }
}

int Fade::bandAlpha(int band) const {
    const int alpha = level - BandLevelOffset * band;
    return alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
}

void Fade::draw() {
    Engine& engine = Engine::instance();
    SDL_Surface* screen = engine.screen();
    if (!image || !screen) return;
    // Bands are spaced by the screen's width over eight, as the artwork of
    // black_layers.png is laid out for.
    const int spacing = engine.screenWidth() / Bands;
    for (int band = 0; band < Bands; ++band) {
        const int alpha = bandAlpha(band);
        if (alpha == 0) continue;  // invisible; the blit would change nothing
        SDL_SetAlpha(image, SDL_SRCALPHA, static_cast<Uint8>(alpha));
        blit(image, screen, 0, band * spacing);
    }
}
