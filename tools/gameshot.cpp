// gameshot: screenshots of the real game, taken the same on every run. It
// starts the engine on SDL's dummy video and audio drivers, hands it the
// title screen, and plays the steps given, each frame lasting exactly 25 ms,
// so that the same steps always give the same pictures byte for byte.
//
//   gameshot STEP...
//
//   frames:N        N frames with no key
//   key:KEY         KEY pressed for one frame, then released for one
//   hold:KEY:N      KEY pressed for N frames, then released for one
//   shot:OUT.png    the screen as it stands, written to OUT.png
//
// KEY is space, return, esc, backspace, up, down, left, right, or one letter
// or digit (which also types itself). Run from the repository root, where
// data/ is. Exits with 1 and a message on a bad step, an engine that does not
// start, a screen of the game that could not start or a failed write. A stop
// asked for through the exit box does not end the steps: the game goes on
// drawing, as it would until the end of the frame.

#include "engine/Engine.h"
#include "states/TitleScreen.h"
#include "tools/KeyEvents.h"

#include <SDL.h>
#include <stb_image_write.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr float FrameSeconds = 0.025f;
// More frames than a whole game takes: a typing slip in a step list must
// not run for hours.
constexpr long MaxFrames = 100000;

struct Step {
    enum Kind { Frames, Hold, Shot } kind = Frames;
    int sym = 0;
    char typed = 0;
    long count = 0;
    std::string path;
};

bool parseCount(const std::string& text, long& count) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    count = std::strtol(text.c_str(), nullptr, 10);
    return count > 0 && count <= MaxFrames;
}

bool parseStep(const std::string& arg, Step& step) {
    const size_t colon = arg.find(':');
    if (colon == std::string::npos) return false;
    const std::string verb = arg.substr(0, colon);
    const std::string rest = arg.substr(colon + 1);
    if (verb == "frames") {
        step.kind = Step::Frames;
        return parseCount(rest, step.count);
    }
    if (verb == "key") {
        step.kind = Step::Hold;
        step.count = 1;
        return keyNamed(rest, step.sym, step.typed);
    }
    if (verb == "hold") {
        const size_t second = rest.rfind(':');
        step.kind = Step::Hold;
        return second != std::string::npos && keyNamed(rest.substr(0, second), step.sym, step.typed) &&
               parseCount(rest.substr(second + 1), step.count);
    }
    if (verb == "shot") {
        step.kind = Step::Shot;
        step.path = rest;
        return !rest.empty();
    }
    return false;
}

// Reads the pixels through the surface's own format, so any 32-bit layout
// the video driver picked comes out as the same RGB.
bool writeScreen(SDL_Surface* screen, const std::string& path) {
    if (!screen || screen->format->BytesPerPixel != 4) {
        std::fprintf(stderr, "gameshot: the screen is not a 32-bit surface\n");
        return false;
    }
    const int width = screen->w;
    const int height = screen->h;
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) {
        std::fprintf(stderr, "gameshot: the screen could not be locked: %s\n", SDL_GetError());
        return false;
    }
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(screen->pixels) +
                                                          static_cast<ptrdiff_t>(y) * screen->pitch);
        for (int x = 0; x < width; ++x) {
            uint8_t* out = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            SDL_GetRGB(row[x], screen->format, &out[0], &out[1], &out[2]);
        }
    }
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
    if (!stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3)) {
        std::fprintf(stderr, "gameshot: could not write %s\n", path.c_str());
        return false;
    }
    return true;
}

class Player {
public:
    explicit Player(Engine& engine) : engine(engine) {}

    // False once a screen of the game failed to start: later pictures would
    // show nothing of it.
    bool frames(long n) {
        for (long i = 0; i < n; ++i) {
            engine.frame(FrameSeconds);
            engine.present();
            if (engine.hasStateFailedToStart()) return false;
        }
        return true;
    }
    bool hold(const Step& step) {
        return holdKey(step.sym, step.typed, step.count, [this](long n) { return frames(n); });
    }

private:
    Engine& engine;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<Step> steps;
    for (int i = 1; i < argc; ++i) {
        Step step;
        if (!parseStep(argv[i], step)) {
            std::fprintf(stderr, "gameshot: bad step \"%s\"\n", argv[i]);
            steps.clear();
            break;
        }
        steps.push_back(step);
    }
    if (steps.empty()) {
        std::fprintf(stderr, "usage: gameshot STEP... (frames:N key:KEY hold:KEY:N shot:OUT.png)\n");
        return 1;
    }

    // Pictures, not sound, are wanted, and no window should open.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Engine& engine = Engine::instance();
    engine.init("Ombrel", 640, 480, false);
    if (!engine.isInitialised()) {
        engine.shutdown();
        return 1;
    }
    // The engine seeds from the clock; a bleat drawn at random would make
    // two runs differ.
    std::srand(1);
    engine.enableSpeedRunTimer();
    engine.changeState(std::make_unique<TitleScreen>());

    Player player(engine);
    bool ok = true;
    for (size_t i = 0; ok && i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.kind == Step::Frames) ok = player.frames(step.count);
        else if (step.kind == Step::Hold) ok = player.hold(step);
        else ok = writeScreen(engine.screen(), step.path);
        if (!ok && step.kind != Step::Shot)
            std::fprintf(stderr, "gameshot: a screen of the game could not start, by step %zu (%s)\n", i + 1,
                         argv[i + 1]);
    }
    engine.closeSharedFont();
    engine.shutdown();
    return ok ? 0 : 1;
}
