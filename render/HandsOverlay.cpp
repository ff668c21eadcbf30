#include "render/HandsOverlay.h"

#include "engine/Engine.h"
#include "media/Image.h"

#include <cstdlib>

namespace {

constexpr double SWAY_SECONDS = 0.3;

SDL_Surface* loadHand(const char* path, int offsetFromCentre, int32_t& x, int32_t& y) {
    int w = 0, h = 0;
    SDL_Surface* image = loadImageOrWarn(path, w, h);
    const Engine& engine = Engine::instance();
    x = (engine.screenWidth() - w) / 2 + offsetFromCentre;
    y = engine.screenHeight() - h;
    if (image) SDL_SetColorKey(image, SDL_SRCCOLORKEY, SDL_MapRGB(image->format, 0, 255, 255));
    return image;
}

}  // namespace

HandsOverlay::HandsOverlay() {
    lantern = loadHand("data/images/Lantern.png", -150, lanternX, lanternY);
    knife = loadHand("data/images/KnifeHand.png", 150, knifeX, knifeY);
    bloodyKnife = loadHand("data/images/KnifeHandBlood.png", 150, bloodyKnifeX, bloodyKnifeY);
}

HandsOverlay::~HandsOverlay() {
    freeSurface(lantern);
    freeSurface(knife);
    freeSurface(bloodyKnife);
}

void HandsOverlay::update(bool moving, float dt) {
    tweener.update(dt);
    if (moving && !tweener.isAnimating(&bobOffset.x)) {
        if (bobOffset.x == 0) {
            tweener.animate(&bobOffset.x, nextSwingRight ? 10 : -10, QuadOut, SWAY_SECONDS);
            nextSwingRight = !nextSwingRight;
        } else if (std::abs(bobOffset.x) == 10) {
            tweener.animate(&bobOffset.x, 0, QuadOut, SWAY_SECONDS);
        }
    }
    // The vertical bob follows the sideways legs, so it also settles once
    // the last leg ends.
    if (!tweener.isAnimating(&bobOffset.y) && tweener.isAnimating(&bobOffset.x)) {
        if (bobOffset.y == 0) tweener.animate(&bobOffset.y, 5, QuadOut, SWAY_SECONDS);
        else if (bobOffset.y == 5) tweener.animate(&bobOffset.y, 0, QuadOut, SWAY_SECONDS);
    }
}

void HandsOverlay::draw() {
    SDL_Surface* screen = Engine::instance().screen();
    if (showLantern) blit(lantern, screen, lanternX + bobOffset.x, lanternY + bobOffset.y);
    if (showKnife) {
        if (knifeBloody) blit(bloodyKnife, screen, bloodyKnifeX + bobOffset.x, bloodyKnifeY + bobOffset.y);
        else blit(knife, screen, knifeX + bobOffset.x, knifeY + bobOffset.y);
    }
}
