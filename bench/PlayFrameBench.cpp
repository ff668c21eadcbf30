// A whole play frame (update and render, without the final present to the
// display) in three shipped areas loaded through the real loader, and the
// parts of it, each read against MemoryFloor in the same run. The screen copy
// alone is BM_BlitColumnBuffer. Run from the repository root:
//   SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build/bench/ombrel_bench --benchmark_filter='Play|MemoryFloor|Blit'

#include "engine/Engine.h"
#include "media/Image.h"
#include "render/OverlayBlend.h"
#include "states/PlayState.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr float FRAME = 0.025f;

// The argument of the place benchmarks.
enum Place { Town, CaveWithLantern, FarmFlash };

// One play state over the shipped levels for the whole run.
PlayState* sharedPlay() {
    static std::unique_ptr<PlayState> play = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        Engine& engine = Engine::instance();
        if (!engine.isInitialised()) engine.init("Ombrel", 640, 480, false);
        if (!engine.screen()) return std::unique_ptr<PlayState>();
        auto state = std::make_unique<PlayState>();
        if (!state->init()) return std::unique_ptr<PlayState>();
        return state;
    }();
    return play.get();
}

// Keeps a flash running without its sound: the farm's frame is the costly one
// while the red layer covers the screen.
void keepFlashing(PlayState& play) {
    if (!play.motion.isAnimating(&play.flashAlpha)) {
        play.flashOn = true;
        play.motion.animate(&play.flashAlpha, 1.0f, 0.0f, ExpoOut, 2.0);
    }
}

// The player standing at the area's start, as on arrival, carrying both the
// lantern and the knife, with an action's label showing.
PlayState* preparePlace(benchmark::State& state, Place place) {
    PlayState* play = sharedPlay();
    if (!play) {
        state.SkipWithError("the engine or the levels did not start: run from the repository root");
        return nullptr;
    }
    play->motion = Tweener();
    play->hands->setShowLantern();
    play->hands->setShowKnife();
    play->enterLevel(place == Town ? 0 : place == CaveWithLantern ? PlayState::CAVE : PlayState::FARM);
    play->mode = Walking;
    play->fade.clear();
    play->keyHeld.fill(false);
    play->hintLabel->setText("[Talk to priest]");
    play->flashOn = false;
    if (place == FarmFlash) keepFlashing(*play);
    // One frame so the overlay holds this place's darkness.
    play->update(FRAME);
    play->render();
    return play;
}

void PlayFrame(benchmark::State& state) {
    const Place place = static_cast<Place>(state.range(0));
    PlayState* play = preparePlace(state, place);
    if (!play) return;
    for (auto _ : state) {
        if (place == FarmFlash) keepFlashing(*play);
        play->update(FRAME);
        play->render();
        benchmark::ClobberMemory();
    }
}

void PlayCastFrame(benchmark::State& state) {
    PlayState* play = preparePlace(state, static_cast<Place>(state.range(0)));
    if (!play) return;
    Level& level = *play->level();
    for (auto _ : state) {
        play->frameBuffer.fill(level.backgroundColor);
        play->raycaster.castFrame(&play->position, &play->direction, &play->cameraPlane, level, play->frameBuffer,
                                  play->overlay);
        benchmark::ClobberMemory();
    }
}

// The cave's darkness laid over the screen, by the game's blend and, for
// comparison, by SDL's per-pixel-alpha blit (the same pixels).
void overlayBench(benchmark::State& state, bool throughSdl) {
    PlayState* play = preparePlace(state, CaveWithLantern);
    if (!play) return;
    SDL_Surface* screen = Engine::instance().screen();
    for (auto _ : state) {
        if (throughSdl) blit(play->overlay, screen, 0, 0);
        else blendOverlay(play->overlay, screen);
        benchmark::ClobberMemory();
    }
}
void PlayOverlayBlend(benchmark::State& state) { overlayBench(state, false); }
void PlayOverlaySdlBlitReference(benchmark::State& state) { overlayBench(state, true); }

void PlayHands(benchmark::State& state) {
    PlayState* play = preparePlace(state, Town);
    if (!play) return;
    for (auto _ : state) {
        play->hands->draw();
        benchmark::ClobberMemory();
    }
}

void PlayWidget(benchmark::State& state) {
    PlayState* play = preparePlace(state, Town);
    if (!play) return;
    for (auto _ : state) {
        play->hintLabel->draw();
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(PlayFrame)->ArgName("town0_cave1_farm2")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayCastFrame)->ArgName("town0_cave1_farm2")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayOverlayBlend)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayOverlaySdlBlitReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayHands)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayWidget)->Unit(benchmark::kMicrosecond);
