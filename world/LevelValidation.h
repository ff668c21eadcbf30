#pragma once

#include <string>

struct Level;

// The paths of a level's files, as the loader opens them (relative to the
// working directory).
std::string levelFilePath(const std::string& levelName, const char* fileName);

// Checks a fully read level against every invariant that the raycaster,
// floor casting, sprite drawing and movement rely on without bounds checks:
// a non-empty size; every grid present (floor and ceiling only when their
// layer is on) and of the level's size; a wall on every border cell of the
// wall grid and a blocking cell on every border cell of the collision grid;
// every wall number in range, and every floor and ceiling cell naming a Wall;
// every sprite definition index in range, scale divisors of at least 1 and
// sprite offsets that fit an int; the start inside the border ring and every
// sprite on the map. Returns the empty string for a sound level, otherwise
// one message that names the file at fault and what is wrong in it.
std::string findLevelFault(const Level& level);
