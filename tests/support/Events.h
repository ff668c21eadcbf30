#pragma once

#include "tools/KeyEvents.h"

#include <SDL.h>

// Queues input the way SDL would deliver it, for the next Engine::frame; the
// keys are the screenshot tool's own.

inline void pushKeyDown(int sym, char character = 0) { pushKey(true, sym, character); }

inline void pushEvent(SDL_Event event) { SDL_PushEvent(&event); }
inline void pushFocus(bool gained) { pushEvent({.active = {SDL_ACTIVEEVENT, Uint8(gained), SDL_APPINPUTFOCUS}}); }
inline void pushQuit() { pushEvent({.type = SDL_QUIT}); }
inline void pushMouseButton(bool down, int button) {
    pushEvent({.button = {Uint8(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP), 0, Uint8(button), Uint8(down ? SDL_PRESSED : SDL_RELEASED), 0, 0}});
}
