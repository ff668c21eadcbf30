#pragma once

#include <SDL.h>

// Queues input the way SDL would deliver it, for the next Engine::frame.

inline void pushKey(bool down, int sym, char character = 0) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(sym);
    event.key.keysym.unicode = static_cast<Uint16>(static_cast<unsigned char>(character));
    SDL_PushEvent(&event);
}

// A typed key: key-down carrying the character, as SDL's Unicode mode does.
inline void pushKeyDown(int sym, char character = 0) { pushKey(true, sym, character); }
inline void pushKeyUp(int sym) { pushKey(false, sym); }

inline void pushFocus(bool gained) {
    SDL_Event event{};
    event.type = SDL_ACTIVEEVENT;
    event.active.gain = gained ? 1 : 0;
    event.active.state = SDL_APPINPUTFOCUS;
    SDL_PushEvent(&event);
}

inline void pushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

inline void pushMouseButton(bool down, int button) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = static_cast<Uint8>(button);
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&event);
}
