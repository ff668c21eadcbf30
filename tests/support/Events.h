#pragma once

#include "tools/KeyEvents.h"

#include <SDL.h>

// Queues input the way SDL would deliver it, for the next Engine::frame; the
// keys are the screenshot tool's own.

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
