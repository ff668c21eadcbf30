#pragma once

#include <cstdint>
#include <string>

class PlayState;
struct Level;

// The story script: the fixed steps that the named actions of the areas run,
// and the sound and light each area gets. The play state calls these; they
// read and change the play state and its levels directly.

// Runs the step named name; a name the script does not know does nothing.
void runStoryAction(PlayState& play, const std::string& name);

// Picks the music for entering level number level; play.currentLevel still
// names the level being left.
void chooseAreaMusic(PlayState& play, uint32_t level);

// Sets the cave's darkness from what the player carries, on entering it.
void applyCaveLight(PlayState& play);

// Carves the tally marks into the cave's wall textures; run once per game.
void carveTallyMarks(Level& cave);
