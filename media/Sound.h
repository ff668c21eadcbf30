#pragma once

#include <SDL_mixer.h>

// Thin wrappers over SDL_mixer. Every function accepts null and then does
// nothing, so a missing sound file only means silence. A file that cannot be
// loaded is named in one log line, the first time it is asked for.

Mix_Music* loadMusic(const char* path);   // null if missing or undecodable
void freeMusic(Mix_Music* music);         // stops it first if it is playing
void playMusic(Mix_Music* music, int loops);  // -1 repeats forever
void stopMusic();

Mix_Chunk* loadSound(const char* path);   // WAV; null if missing or bad
void freeSound(Mix_Chunk* chunk);
// Plays on the first free channel; silently dropped when all are busy.
void playSound(Mix_Chunk* chunk, int loops);
