#pragma once

#include <SDL.h>

// Queues input the way SDL would deliver it, for the next Engine::frame.

// A key press or release; a press carries the typed character, as SDL's
// Unicode mode gives it.
inline void pushKey(bool down, int sym, char character = 0) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(sym);
    event.key.keysym.unicode = static_cast<Uint16>(static_cast<unsigned char>(character));
    SDL_PushEvent(&event);
}
inline void pushKeyDown(int sym, char character = 0) { pushKey(true, sym, character); }

inline void pushFocus(bool gained) {
    SDL_Event event{};
    event.active = {SDL_ACTIVEEVENT, static_cast<Uint8>(gained), SDL_APPINPUTFOCUS};
    SDL_PushEvent(&event);
}

inline void pushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

inline void pushMouseButton(bool down, int button) {
    SDL_Event event{};
    event.button = {static_cast<Uint8>(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP), 0, static_cast<Uint8>(button),
                    static_cast<Uint8>(down ? SDL_PRESSED : SDL_RELEASED), 0, 0};
    SDL_PushEvent(&event);
}
