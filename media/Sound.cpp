#include "media/Sound.h"

#include "engine/Log.h"

#include <set>
#include <string>

namespace {

// The game goes on without the file; the player who hears nothing, and the
// packager who left it out, learn why from one line per file, however often
// the game asks for it.
template <typename T>
T* reportIfMissing(T* loaded, const char* path) {
    static std::set<std::string> reported;
    if (!loaded && reported.insert(path).second)
        logLine("Couldn't load sound %s (%s); going on without it", path, Mix_GetError());
    return loaded;
}

}  // namespace

Mix_Music* loadMusic(const char* path) {
    if (!path) return nullptr;
    return reportIfMissing(Mix_LoadMUS(path), path);
}

void freeMusic(Mix_Music* music) {
    if (music) Mix_FreeMusic(music);
}

void playMusic(Mix_Music* music, int loops) {
    if (music) Mix_PlayMusic(music, loops);
}

void stopMusic() {
    Mix_HaltMusic();
}

Mix_Chunk* loadSound(const char* path) {
    if (!path) return nullptr;
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    // The 1 hands the file to the loader, which closes it on every path.
    return reportIfMissing(file ? Mix_LoadWAV_RW(file, 1) : nullptr, path);
}

void freeSound(Mix_Chunk* chunk) {
    if (chunk) Mix_FreeChunk(chunk);
}

void playSound(Mix_Chunk* chunk, int loops) {
    if (chunk) Mix_PlayChannelTimed(-1, chunk, loops, -1);
}
