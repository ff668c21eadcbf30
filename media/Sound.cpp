#include "media/Sound.h"

Mix_Music* loadMusic(const char* path) {
    if (!path) return nullptr;
    return Mix_LoadMUS(path);
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
    if (!file) return nullptr;
    // The 1 hands the file to the loader, which closes it on every path.
    return Mix_LoadWAV_RW(file, 1);
}

void freeSound(Mix_Chunk* chunk) {
    if (chunk) Mix_FreeChunk(chunk);
}

void playSound(Mix_Chunk* chunk, int loops) {
    if (chunk) Mix_PlayChannelTimed(-1, chunk, loops, -1);
}
