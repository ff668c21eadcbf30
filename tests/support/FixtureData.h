#pragma once

#include "engine/Engine.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Made-up data files for tests that must not depend on the game's content.

// A new empty directory under the system's temporary directory, removed when
// the test process ends.
std::string makeTempDir();

// Writes an image with stb_image_write; channels 1 to 4, rows packed.
bool writePng(const std::string& path, int width, int height, int channels, const unsigned char* pixels);
// A PNG whose header claims any size and which holds no pixels: a loader
// that decodes before it checks the size fails on it instead of naming the size.
bool writePngHeader(const std::string& path, uint32_t width, uint32_t height);
// A 16-bit stereo 22050 Hz WAV of a quiet tone lasting the given seconds.
bool writeWav(const std::string& path, float seconds);

// Fills root/data with an icon, "escapeBox.png" (200x100, mid grey),
// "black_layers.png" (640x80, black) and the interface font, copied from the
// game's data/font. False if anything could not be written or found.
bool makeFixtureData(const std::string& root);

// Makes the fixture data in a temporary directory, changes into it and
// starts the engine there. Returns whether the engine came up.
bool startEngineWithFixtureData();
// Back to the repository root, where the tests of the game's own data run.
void returnToRepository();

// A new State made current through the engine, as one state hands over to
// the next; null if it did not become current.
template <class State>
State* makeCurrent() {
    auto owned = std::make_unique<State>();
    State* state = owned.get();
    Engine::instance().changeState(std::move(owned));
    Engine::instance().frame(0.0f);
    return Engine::instance().currentState() == state ? state : nullptr;
}

inline void runFrames(int n, float dt = 0.025f) {
    for (int i = 0; i < n; ++i) Engine::instance().frame(dt);
}

// Everything written to standard error while `work` runs.
inline std::string captureLog(const std::function<void()>& work) {
    testing::internal::CaptureStderr();
    work();
    return testing::internal::GetCapturedStderr();
}

inline size_t occurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// The 0xRRGGBB-masked value of a pixel of a 32-bit surface.
inline uint32_t rgbAt(SDL_Surface* s, int x, int y) {
    SDL_LockSurface(s);
    const uint32_t value = static_cast<const uint32_t*>(s->pixels)[y * (s->pitch / 4) + x];
    SDL_UnlockSurface(s);
    return value & 0xFFFFFFu;
}

// A test run on an engine started over the fixture data, shut down after,
// with a temporary directory of its own for files it makes.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startEngineWithFixtureData()); }
    void TearDown() override {
        Engine::instance().shutdown();
        returnToRepository();
    }
    Engine& engine = Engine::instance();
    const std::string dir = makeTempDir();
};
