#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>

class GameState;
class ExitBox;

// The one process-wide application object: window and screen surface, audio
// device, shared 24-point font, the current and pending GameState, the frame
// clock, the exit box and the speed-run timer.
class Engine {
public:
    static Engine& instance();

    // Opens SDL, the window (icon "data/icon.bmp"), the mixer, SDL_ttf, the
    // shared font and the exit box. Success shows in isInitialised(); every
    // failure is logged and leaves it false, a missing font included (no
    // widget could write without it). The caller then calls shutdown().
    void init(const std::string& title, int width, int height, bool fullscreen);
    bool isInitialised() const { return initialised; }
    // True when the last state handed over failed its init(); the loop was
    // stopped then.
    bool hasStateFailedToStart() const { return stateStartFailed; }

    // The main loop; returns once running is false. Does nothing unless
    // initialised.
    void run();
    // One frame's work with a given dt in seconds: pending state switch,
    // event poll, state update, timer step. Tests drive the loop with it.
    void frame(float dt);
    // Clears the screen, renders the state, the exit box and the timer text,
    // and shows the whole screen.
    void present();
    void pollEvents();

    // Logs "Requesting Stop Main Loop"; the frame in progress still finishes.
    void requestStop();
    bool isRunning() const { return running; }

    // Takes ownership of next; the switch happens at the start of the next
    // frame. A state already pending is deleted. Handing over the current or
    // the pending state itself is refused with a log line (its owner is
    // already the engine), as is null.
    void changeState(std::unique_ptr<GameState> next);
    GameState* currentState() const { return current.get(); }
    GameState* pendingState() const { return pending.get(); }

    // Releases everything init() opened, whatever point it reached: the exit
    // box, the timer, the current state (cleaned up) and a pending one (never
    // initialised, so only deleted), music still in sharedMusic (halted and
    // freed), a shared font still open, then SDL_ttf, the mixer and SDL. The
    // engine can be started again afterwards.
    void shutdown();

    // Null until init() set a video mode, and after a failed mode switch.
    SDL_Surface* screen() const { return screenSurface; }
    int screenWidth() const { return width; }
    int screenHeight() const { return height; }
    // The shared 24-point interface font; null if it could not be opened.
    TTF_Font* font() const { return sharedFont; }
    // Closes the shared font (the entry point does so before shutdown()).
    void closeSharedFont();

    // Copies a column-major frame (screenWidth() pointers, each to
    // screenHeight() pixels in the screen's 32-bit format) onto the screen.
    void blitColumnBuffer(uint32_t* const* columns);

    void setFrameLimit(bool on) { frameLimit = on; }
    void setTargetFps(float fps) { targetFps = fps; }

    // The loop's clock arithmetic, apart so it can be checked without
    // sleeping. frameSeconds: milliseconds since the previous frame as the dt
    // handed to frame(), clamped to 0.25 s so a stall never jumps the game.
    // frameDelayMs: how long to sleep so a frame that started at frameStartMs
    // ends one period later, given the clock now reads nowMs; 0 when late.
    static float frameSeconds(uint32_t elapsedMs);
    static uint32_t frameDelayMs(uint32_t frameStartMs, uint32_t periodMs, uint32_t nowMs);

    bool isFullscreen() const { return fullscreen; }
    // Sets the video mode; SDL_SetVideoMode unless a test replaces it to make
    // a mode switch fail. Null restores SDL_SetVideoMode.
    using VideoModeFunction = SDL_Surface* (*)(int width, int height, int bpp, Uint32 flags);
    void setVideoModeFunction(VideoModeFunction function);

    bool isExitBoxOpen() const;
    ExitBox* exitBox() const { return exitBoxPanel; }
    bool isPaused() const { return paused; }

    void enableSpeedRunTimer();
    void startSpeedRunTimer();
    void stopSpeedRunTimer();
    bool isSpeedRunTimerRunning() const { return timerRunning; }
    float speedRunSeconds() const { return timerSeconds; }
    // The timer's text for a count of seconds: "83.25", "1234.568", "100".
    static std::string formatTimerSeconds(float seconds);
    // Null before enableSpeedRunTimer() and when the text could not render.
    // The white glyphs with a one-pixel dark edge around them (so the time
    // reads over a bright ceiling): the glyphs sit OutlineWidth pixels in from
    // the surface's corner, which is drawn that far up and left of (10, 10).
    SDL_Surface* timerSurface() const { return timerText; }
    // The text last rendered into timerSurface(); empty before enabling.
    const std::string& timerLabel() const { return timerString; }

    // logLine (engine/Log.h) under the engine's name, for code that has the
    // engine at hand anyway.
    static void log(const char* format, ...) __attribute__((format(printf, 1, 2)));

    // Music started by the title screen's backdrop and handed on to the game's
    // play state, so that it plays on without a break. Whoever puts music here
    // gives it to the engine; a state that adopts it takes the pointer, sets
    // sharedMusic to null and from then on frees it itself. What is still here
    // at shutdown() is halted and freed there, once, before the audio device
    // closes. The engine never loads music.
    Mix_Music* sharedMusic = nullptr;
    // While true, typing F or f toggles fullscreen.
    bool fullscreenKeyEnabled = false;

    // What the destructor does for a program that ends without shutdown():
    // closes the audio device and nothing else. It never reaches SDL's video,
    // so an exit() after the display was lost cannot hang on it.
    void releaseAtExit();

private:
    Engine() = default;
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void switchToPendingState();
    // The key-down sequence; false ends the event poll for this frame.
    bool handleKeyDown(const SDL_keysym& key);
    // False when the new mode could not be set; the previous one is then
    // restored, and if even that fails the screen is gone and the loop stops.
    bool toggleFullscreen();
    void refreshTimerText();
    void noteKeyHeld(int sym, bool held);
    // Hands the state a key-up for every key it saw go down and not come up.
    void releaseHeldKeys();

    bool initialised = false;

    bool stateStartFailed = false;
    bool sdlStarted = false;  // SDL_InitSubSystem succeeded and SDL_Quit is owed
    std::unique_ptr<GameState> current;
    bool running = false;
    uint32_t startTicks = 0;
    bool paused = false;
    bool fullscreen = false;
    int width = 640;
    int height = 480;
    bool frameLimit = false;
    float targetFps = 60.0f;
    SDL_Surface* icon = nullptr;
    SDL_Surface* screenSurface = nullptr;
    std::unique_ptr<GameState> pending;
    ExitBox* exitBoxPanel = nullptr;
    bool speedRunEnabled = false;
    TTF_Font* timerFont = nullptr;
    SDL_Surface* timerText = nullptr;
    std::string timerString;
    bool timerRunning = false;
    float timerSeconds = 0.0f;
    TTF_Font* sharedFont = nullptr;
    VideoModeFunction setVideoMode = SDL_SetVideoMode;
    // Keys whose press reached the current state and whose release has not.
    std::bitset<SDLK_LAST> keysHeldByState;
};
