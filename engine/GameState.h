#pragma once

// One screen or mode of the game. The Engine owns the current state and at
// most one pending replacement; a state is replaced whole at a frame start.
//
// Construction builds only plain members (and a Fade); init() loads fonts,
// images and sounds; cleanup() frees what init() acquired; the destructor
// frees what the constructor built. The Engine calls cleanup() exactly once
// before deleting a state that was initialised.
class GameState {
public:
    virtual ~GameState() {}

    // Called once at the start of the first frame after Engine::changeState.
    // Returning false stops the main loop.
    virtual bool init() = 0;
    virtual void cleanup() = 0;
    // dt in seconds, already clamped by the engine to at most 0.25.
    virtual void update(float dt) = 0;
    // Draws onto Engine::screen(), which was cleared to black.
    virtual void render() = 0;

    virtual void mouseMoved(int x, int y) { (void)x; (void)y; }
    virtual void mouseButtonUp(int button) { (void)button; }
    virtual void mouseButtonDown(int button) { (void)button; }
    // +1 wheel up, -1 wheel down.
    virtual void mouseWheel(int direction) { (void)direction; }
    // sym: SDL key symbol; character: low 8 bits of the typed Unicode, signed.
    virtual void keyUp(int sym, char character) { (void)sym; (void)character; }
    virtual void keyDown(int sym, char character) { (void)sym; (void)character; }
};
