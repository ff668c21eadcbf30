#include "engine/Engine.h"

#include "engine/DisplayLoss.h"
#include "engine/ExitBox.h"
#include "engine/GameState.h"
#include "engine/StopSignals.h"
#include "media/Image.h"
#include "media/Sound.h"
#include "media/Text.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <ctime>
#include <iomanip>
#include <sstream>

namespace {

constexpr const char* IconPath = "data/icon.bmp";
constexpr int SharedFontSize = 24;
constexpr int TimerFontSize = 16;
constexpr int White = 0xFFFFFF;
constexpr int TimerEdgeColour = 0x000000;
constexpr int TimerX = 10;
constexpr int TimerY = 10;
constexpr uint32_t MaxFrameMs = 250;
// Columns blitColumnBuffer copies side by side: 16 pixels fill one 64-byte
// line of a screen row, while 16 columns stream in one after the other.
constexpr int BlitTile = 16;

Uint32 videoFlags(bool fullscreen) {
    return fullscreen ? SDL_FULLSCREEN : (SDL_HWSURFACE | SDL_HWPALETTE);
}

// SDL falls back to a driver that draws nowhere when there is no display (no
// DISPLAY, say): the game would run unseen until killed. Only a driver asked
// for by name through SDL_VIDEODRIVER, as the tests and tools do, may do so.
bool hasDisplay() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (asked && *asked) return true;
    char driver[32] = "";
    if (!SDL_VideoDriverName(driver, sizeof driver)) return true;
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return true;
    Engine::log("There is no display to show the game on: SDL chose its \"%s\" video driver, which "
                "shows no window (is DISPLAY set?)",
                driver);
    return false;
}

}  // namespace

Engine& Engine::instance() {
    static Engine engine;
    return engine;
}

Engine::~Engine() {
    if (sdlStarted) releaseAtExit();
}

void Engine::releaseAtExit() {
    // SDL's audio thread would otherwise go on mixing while the process tears
    // its libraries down, and crash the exit. Nothing else is released: this
    // runs from exit(), which Xlib calls when the display connection is lost,
    // and SDL's video would then wait on the dead display for ever.
    Mix_CloseAudio();
}

// ---------------------------------------------------------------- start-up

void Engine::init(const std::string& title, int width_, int height_, bool fullscreen_) {
    width = width_;
    height = height_;
    fullscreen = fullscreen_;
    initialised = false;
    log("Starting initialisation");

    // One subsystem at a time, so a failure names the part that failed
    // rather than blaming the video for a missing audio device.
    sdlStarted = true;
    // The frame is drawn in software and only copied to the window. Showing
    // it through OpenGL maps some 90 MB of driver (llvmpipe) for nothing, and
    // a display lost while that driver starts crashed inside it. A player who
    // wants it back sets these variables.
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    // Starting the video opens the display: a display lost from here on must
    // end the game with its line, not in a crash half-way through opening.
    watchForDisplayLoss();
    const struct { Uint32 flag; const char* name; } subsystems[] = {
        {SDL_INIT_TIMER, "Timer"}, {SDL_INIT_VIDEO, "Video"}, {SDL_INIT_AUDIO, "Audio"}, {SDL_INIT_JOYSTICK, "Joystick"}};
    for (const auto& subsystem : subsystems) {
        if (SDL_InitSubSystem(subsystem.flag) == -1) {
            log("SDL %s couldn't be initialised: %s", subsystem.name, SDL_GetError());
            return;
        }
    }
    if (!hasDisplay()) return;
    // After SDL, whose own handlers these replace while the engine runs.
    installStopSignals();

    SDL_RWops* iconFile = SDL_RWFromFile(IconPath, "rb");
    icon = iconFile ? SDL_LoadBMP_RW(iconFile, 1) : nullptr;
    if (!icon) {
        log("Couldn't load icon %s: %s", IconPath, SDL_GetError());
        return;
    }
    SDL_WM_SetIcon(icon, nullptr);

    screenSurface = setVideoMode(width, height, 32, videoFlags(fullscreen));
    if (!screenSurface) {
        log("Couldn't generate SDL Window: %s", SDL_GetError());
        return;
    }
    watchForDisplayLoss();
    SDL_WM_SetCaption(title.c_str(), nullptr);
    SDL_ShowCursor(SDL_DISABLE);
    SDL_EnableUNICODE(1);

    if (Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) != 0) {
        log("Unable to open audio: %s", Mix_GetError());
        return;
    }
    if (TTF_Init() < 0) {
        log("Couldn't initialise SDL_ttf (text): %s", TTF_GetError());
        return;
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    // Every widget writes with this font; a game without it could show no
    // question and take no answer, so its absence is a failed start.
    sharedFont = openFont(FONT_PATH, SharedFontSize);
    if (!sharedFont) {
        log("Couldn't open font %s: %s", FONT_PATH, TTF_GetError());
        return;
    }
    exitBoxPanel = new ExitBox(sharedFont);
    initialised = true;
}

void Engine::closeSharedFont() {
    closeFont(sharedFont);
    sharedFont = nullptr;
}

void Engine::enableSpeedRunTimer() {
    speedRunEnabled = true;
    if (!timerFont) timerFont = openFont(FONT_PATH, TimerFontSize);
    freeSurface(timerText);
    timerString = "Speed Run Timer Enabled";
    timerText = renderOutlinedText(timerFont, timerString.c_str(), White, TimerEdgeColour);
}

// ---------------------------------------------------------------- main loop

float Engine::frameSeconds(uint32_t elapsedMs) {
    if (elapsedMs > MaxFrameMs) elapsedMs = MaxFrameMs;
    return static_cast<float>(elapsedMs) / 1000.0f;
}

uint32_t Engine::frameDelayMs(uint32_t frameStartMs, uint32_t periodMs, uint32_t nowMs) {
    // Signed, so a frame that overran its period asks for no sleep instead of
    // an unsigned wrap-around of nearly fifty days.
    const int32_t wait = static_cast<int32_t>(frameStartMs + periodMs - nowMs);
    return wait > 0 ? static_cast<uint32_t>(wait) : 0;
}

void Engine::run() {
    if (!initialised) return;
    log("Starting Main Loop");
    running = true;

    startTicks = SDL_GetTicks();
    const float fps = targetFps > 0.0f ? targetFps : 60.0f;
    const uint32_t periodMs = static_cast<uint32_t>((1.0f / fps) * 1000.0f);
    auto clock = [this] { return SDL_GetTicks() - startTicks; };

    uint32_t previous = clock();
    while (running) {
        const uint32_t now = clock();
        frame(frameSeconds(now - previous));
        present();
        if (frameLimit) {
            const uint32_t wait = frameDelayMs(now, periodMs, clock());
            if (wait > 0) SDL_Delay(wait);
        }
        previous = now;
    }
}

void Engine::frame(float dt) {
    // The switch comes first so that a new state is initialised before any
    // event of this frame can reach it.
    if (pending) switchToPendingState();
    pollEvents();
    if (!paused && current) current->update(dt);

    // The timer measures the player's wall-clock time: it counts while the
    // window is unfocused and while the exit box is open.
    if (speedRunEnabled && timerRunning) {
        timerSeconds += dt;
        refreshTimerText();
    }
}

void Engine::switchToPendingState() {
    // Taken out of the slot first: should the old state's cleanup hand over
    // yet another state, that one waits for the next frame instead of
    // overwriting this one.
    std::unique_ptr<GameState> next = std::move(pending);
    // The new state never saw those presses.
    keysHeldByState.reset();
    if (current) {
        current->cleanup();
        current.reset();
    }
    current = std::move(next);
    // Kept per hand-over, so that a caller that goes on after a refusal
    // (a test, a restarted engine) reads the state it last asked for.
    stateStartFailed = !current->init();
    if (stateStartFailed) {
        // The state has logged why; ending here keeps the game from running
        // on in a half-built world, and the exit status tells the desktop.
        requestStop();
    }
}

void Engine::present() {
    // Without a screen (a failed mode switch) there is nothing to draw on.
    if (!screenSurface) return;
    fillRect(screenSurface, 0, 0, screenSurface->w, screenSurface->h, 0);
    if (current) current->render();
    if (exitBoxPanel) exitBoxPanel->draw();
    // The edge lies around the glyphs, which stay at (10, 10).
    blit(timerText, screenSurface, TimerX - OutlineWidth, TimerY - OutlineWidth);
    SDL_UpdateRect(screenSurface, 0, 0, 0, 0);
}

void Engine::requestStop() {
    log("Requesting Stop Main Loop");
    running = false;
}

void Engine::changeState(std::unique_ptr<GameState> next) {
    if (!next) {
        log("Ignoring a hand-over of no state");
        return;
    }
    if (next.get() == current.get() || next.get() == pending.get()) {
        // The engine already owns this state; taking it again would clean it
        // up, delete it and then initialise the freed object.
        log("Ignoring a hand-over of a state that is already current or pending");
        (void)next.release();
        return;
    }
    // A replacement that was never switched in was never initialised, so it
    // is deleted without cleanup.
    pending = std::move(next);
}

// ---------------------------------------------------------------- events

void Engine::pollEvents() {
    if (takeStopSignal()) requestStop();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_MOUSEMOTION:
            if (current) current->mouseMoved(event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (!current) break;
            const int button = event.button.button;
            // SDL 1.2 reports a wheel notch as a press and a release of
            // buttons 4 and 5; both steps reach the state.
            if (button == SDL_BUTTON_WHEELUP) current->mouseWheel(1);
            else if (button == SDL_BUTTON_WHEELDOWN) current->mouseWheel(-1);
            else if (event.type == SDL_MOUSEBUTTONDOWN) current->mouseButtonDown(button);
            else current->mouseButtonUp(button);
            break;
        }
        case SDL_KEYDOWN:
            if (!handleKeyDown(event.key.keysym)) return;
            break;
        case SDL_KEYUP:
            // A release the exit box swallows stays owed to the state, which
            // gets it when the box closes.
            if (current && !isExitBoxOpen()) {
                noteKeyHeld(event.key.keysym.sym, false);
                current->keyUp(event.key.keysym.sym, static_cast<char>(event.key.keysym.unicode & 0xFF));
            }
            break;
        case SDL_ACTIVEEVENT:
            if (event.active.state & SDL_APPINPUTFOCUS) paused = event.active.gain == 0;
            break;
        case SDL_QUIT:
            requestStop();
            break;
        default:
            break;
        }
    }
}

bool Engine::handleKeyDown(const SDL_keysym& key) {
    const int sym = key.sym;
    const char character = static_cast<char>(key.unicode & 0xFF);

    const bool wasOpen = isExitBoxOpen();
    if (exitBoxPanel) exitBoxPanel->handleKey(sym, character);
    // Keys held when the box opened were released, as far as the state can
    // tell, while the box swallowed their key-ups: Backspace would otherwise
    // go on deleting and a walk key go on walking.
    if (wasOpen && !isExitBoxOpen()) releaseHeldKeys();

    if ((character & ~0x20) == 'F' && fullscreenKeyEnabled) {
        if (!toggleFullscreen()) return false;
    }
    // Whatever is queued behind a Y or N waits for the next frame, when the
    // box's answer has taken effect.
    if (exitBoxPanel && exitBoxPanel->takeConsumed()) return false;
    if (isExitBoxOpen()) return true;
    if (current) {
        noteKeyHeld(sym, true);
        current->keyDown(sym, character);
    }
    return true;
}

void Engine::noteKeyHeld(int sym, bool held) {
    if (sym >= 0 && static_cast<size_t>(sym) < keysHeldByState.size()) keysHeldByState[sym] = held;
}

void Engine::releaseHeldKeys() {
    for (size_t sym = 0; sym < keysHeldByState.size(); ++sym) {
        if (!keysHeldByState[sym]) continue;
        keysHeldByState[sym] = false;
        // A release types nothing.
        if (current) current->keyUp(static_cast<int>(sym), 0);
    }
}

bool Engine::toggleFullscreen() {
    const bool wanted = !fullscreen;
    SDL_Surface* surface = setVideoMode(width, height, 32, videoFlags(wanted));
    if (surface) {
        fullscreen = wanted;
        screenSurface = surface;
        return true;
    }
    log("Couldn't generate SDL Window: %s", SDL_GetError());
    // The old surface may be gone after a failed switch: go back to the mode
    // that worked, and stop cleanly if even that is refused.
    screenSurface = setVideoMode(width, height, 32, videoFlags(fullscreen));
    if (!screenSurface) {
        log("Couldn't restore the previous video mode: %s", SDL_GetError());
        requestStop();
    }
    return false;
}

void Engine::setVideoModeFunction(VideoModeFunction function) {
    setVideoMode = function ? function : SDL_SetVideoMode;
}

bool Engine::isExitBoxOpen() const {
    return exitBoxPanel && exitBoxPanel->isOpen();
}

// ---------------------------------------------------------------- speed-run timer

void Engine::startSpeedRunTimer() {
    timerRunning = true;
    timerSeconds = 0.0f;
}

void Engine::stopSpeedRunTimer() {
    timerRunning = false;
}

std::string Engine::formatTimerSeconds(float seconds) {
    // Significant digits grow with the integer part so that three decimals at
    // most are shown; general notation then drops trailing zeros and point.
    if (!(seconds > 0.0f)) return "0";
    int precision = static_cast<int>(std::log10(seconds) + 4.0f);
    if (precision < 1) precision = 1;
    std::ostringstream text;
    text << std::setprecision(precision) << static_cast<double>(seconds);
    return text.str();
}

void Engine::refreshTimerText() {
    freeSurface(timerText);
    timerString = formatTimerSeconds(timerSeconds);
    timerText = renderOutlinedText(timerFont, timerString.c_str(), White, TimerEdgeColour);
}

// ---------------------------------------------------------------- drawing

void Engine::blitColumnBuffer(uint32_t* const* columns) {
    if (!columns || !screenSurface || screenSurface->format->BytesPerPixel != 4) return;
    const int w = width < screenSurface->w ? width : screenSurface->w;
    const int h = height < screenSurface->h ? height : screenSurface->h;
    const int stride = screenSurface->pitch / 4;

    const bool locked = SDL_MUSTLOCK(screenSurface);
    if (locked && SDL_LockSurface(screenSurface) < 0) return;
    uint32_t* const pixels = static_cast<uint32_t*>(screenSurface->pixels);

    // A transpose. Walking a strip of BlitTile columns from top to bottom
    // reads each column in order and writes whole cache lines of each row;
    // within the strip, 4 x 4 blocks turn over in registers.
    int x0 = 0;
#if defined(__SSE2__)
    const int h4 = h & ~3;
    for (; x0 + BlitTile <= w; x0 += BlitTile) {
        for (int y = 0; y < h4; y += 4) {
            uint32_t* row = pixels + static_cast<ptrdiff_t>(y) * stride + x0;
            for (int x = x0; x < x0 + BlitTile; x += 4, row += 4) {
                const __m128i c0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns[x] + y));
                const __m128i c1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns[x + 1] + y));
                const __m128i c2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns[x + 2] + y));
                const __m128i c3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns[x + 3] + y));
                const __m128i t0 = _mm_unpacklo_epi32(c0, c1), t1 = _mm_unpackhi_epi32(c0, c1);
                const __m128i t2 = _mm_unpacklo_epi32(c2, c3), t3 = _mm_unpackhi_epi32(c2, c3);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(row), _mm_unpacklo_epi64(t0, t2));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(row + stride), _mm_unpackhi_epi64(t0, t2));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(row + 2 * stride), _mm_unpacklo_epi64(t1, t3));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(row + 3 * stride), _mm_unpackhi_epi64(t1, t3));
            }
        }
        for (int y = h4; y < h; ++y) {
            uint32_t* row = pixels + static_cast<ptrdiff_t>(y) * stride;
            for (int x = x0; x < x0 + BlitTile; ++x) row[x] = columns[x][y];
        }
    }
#endif
    // Whatever the strips left over (or all of it without SSE2).
    for (; x0 < w; x0 += BlitTile) {
        const int x1 = x0 + BlitTile < w ? x0 + BlitTile : w;
        for (int y = 0; y < h; ++y) {
            uint32_t* row = pixels + static_cast<ptrdiff_t>(y) * stride;
            for (int x = x0; x < x1; ++x) row[x] = columns[x][y];
        }
    }

    if (locked) SDL_UnlockSurface(screenSurface);
}

// ---------------------------------------------------------------- shut-down

void Engine::shutdown() {
    delete exitBoxPanel;
    exitBoxPanel = nullptr;
    closeFont(timerFont);
    timerFont = nullptr;
    freeSurface(timerText);
    timerText = nullptr;
    timerString.clear();

    if (current) {
        current->cleanup();
        current.reset();
    }
    // Never switched in, so never initialised: no cleanup owed.
    pending.reset();
    keysHeldByState.reset();

    // Music no state adopted (the title's backdrop music when the player
    // quits at the title) is the engine's to free, and it must go while the
    // mixer is still open.
    if (sharedMusic) {
        stopMusic();
        freeMusic(sharedMusic);
        sharedMusic = nullptr;
    }

    // The entry point closes the shared font first; closing it after
    // TTF_Quit would touch a freed library, so a font still open goes here.
    closeSharedFont();
    freeSurface(icon);
    icon = nullptr;
    // The video surface belongs to SDL, which frees it in SDL_Quit.
    screenSurface = nullptr;

    TTF_Quit();
    Mix_CloseAudio();
    // Before SDL_Quit, which takes down SDL's own signal handlers only if
    // they are in place.
    restoreStopSignals();
    SDL_Quit();
    sdlStarted = false;

    initialised = false;
    running = false;
    paused = false;
    startTicks = 0;
    speedRunEnabled = false;
    timerRunning = false;
    timerSeconds = 0.0f;
}
