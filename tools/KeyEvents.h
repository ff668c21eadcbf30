#pragma once

#include <SDL.h>

#include <cctype>
#include <string>

// Key events queued the way SDL delivers them, for the programs that play the
// game without a player: the screenshot tool and the tests. Each takes effect
// in the next Engine::frame.

// A press carries the typed character, as SDL's Unicode mode gives it; a
// release is given 0.
inline void pushKey(bool down, int sym, char character = 0) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(sym);
    event.key.keysym.unicode = static_cast<Uint16>(static_cast<unsigned char>(character));
    SDL_PushEvent(&event);
}

// The key called name: space, return, esc, backspace, up, down, left, right,
// or one letter or digit, which types itself (its key is the lower case).
// False, with sym and typed untouched, for any other name.
inline bool keyNamed(const std::string& name, int& sym, char& typed) {
    static const struct {
        const char* name;
        int sym;
        char typed;
    } named[] = {
        {"space", SDLK_SPACE, ' '}, {"return", SDLK_RETURN, '\r'}, {"esc", SDLK_ESCAPE, 27},
        {"backspace", SDLK_BACKSPACE, '\b'}, {"up", SDLK_UP, 0}, {"down", SDLK_DOWN, 0},
        {"left", SDLK_LEFT, 0}, {"right", SDLK_RIGHT, 0},
    };
    for (const auto& key : named)
        if (name == key.name) return sym = key.sym, typed = key.typed, true;
    if (name.size() != 1 || !std::isalnum(static_cast<unsigned char>(name[0]))) return false;
    typed = name[0];
    sym = std::tolower(static_cast<unsigned char>(name[0]));
    return true;
}

// The key down for n frames, then up for one. runFrames(k) runs k frames and
// is false once the game can go no further, which ends the press there.
template <typename RunFrames>
bool holdKey(int sym, char typed, long n, RunFrames&& runFrames) {
    pushKey(true, sym, typed);
    if (!runFrames(n)) return false;
    pushKey(false, sym, 0);
    return runFrames(1);
}
