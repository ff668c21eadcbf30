#pragma once

#include "render/Vec2.h"

#include <cstdint>

// The places in the level files that the story script addresses by number.
// The script and the shipped-level test both read these, so an edit to a
// level that moves one of them fails the test naming the constant instead of
// quietly breaking a scene.

namespace StoryIndex {

// Level numbers, in the order the play state loads the areas.
inline constexpr uint32_t TOWN = 0;
inline constexpr uint32_t CAVE = 1;
inline constexpr uint32_t CABIN1 = 2;
inline constexpr uint32_t CABIN2 = 3;  // the widow's house, "room2"
inline constexpr uint32_t CABIN3 = 4;
inline constexpr uint32_t CABIN4 = 5;
inline constexpr uint32_t FARM = 6;

// The cave's sprites.
inline constexpr uint32_t CAVE_BLOCKING_FARMER_SPRITE = 0;  // shown when the woman first speaks
inline constexpr uint32_t CAVE_STRANGER_SPRITE = 1;         // the farmer the player questions
inline constexpr uint32_t CAVE_BODY_SPRITE = 2;             // his body after the attack

// The cave's actions.
inline constexpr uint32_t CAVE_NEXT_PLAYER_ACTION = 0;  // disarmed on entry, re-armed by the woman
inline constexpr uint32_t CAVE_STRANGER_ACTION = 1;     // disarmed once he leaves or dies
inline constexpr uint32_t CAVE_WOMAN_FIRST_ACTION = 2;  // the woman's actions, 2 to 6,
inline constexpr uint32_t CAVE_WOMAN_LAST_ACTION = 6;   // disarmed once her choice is made

// The cave's cells, (x, y).
inline constexpr uint32_t CAVE_BLOCKED_X = 18, CAVE_BLOCKED_Y = 10;  // blocked behind the woman's scene
inline constexpr uint32_t CAVE_STRANGER_X = 28, CAVE_STRANGER_Y = 11;  // where the stranger stands
inline constexpr int32_t CAVE_BLOOD_FLOOR_WALL = 5;  // floor Wall number painted under the body

// The cave's Wall numbers that the tally marks may be carved into.
inline constexpr uint32_t CAVE_TALLY_FIRST_WALL = 6;
inline constexpr uint32_t CAVE_TALLY_LAST_WALL = 20;

// Where the cave's scenes walk and turn the player, and the farmer let pass.
inline constexpr Vec2 CAVE_BESIDE_AXEMAN(16.5f, 21.5f);      // led to the blind axe man
inline constexpr Vec2 CAVE_WOMAN(6.9f, 3.5f);                // where she lies
inline constexpr Vec2 CAVE_BESIDE_WOMAN(9.2f, 3.5f);         // walked up to her for the stab
inline constexpr Vec2 CAVE_BACK_FROM_WOMAN(10.5f, 3.5f);     // and a step back after it
inline constexpr Vec2 CAVE_FARMER_STEPS_ASIDE(28.0f, 13.0f);  // from his cell, before he vanishes

// The facing (a level rotation) the player comes back through each door
// with; the door lies right behind them.
inline constexpr int TOWN_FROM_CABIN1_FACING = 270;
inline constexpr int TOWN_FROM_CABIN2_FACING = 90;
inline constexpr int TOWN_FROM_CABIN3_FACING = 0;
inline constexpr int TOWN_FROM_CABIN4_FACING = 0;
inline constexpr int TOWN_FROM_FARM_FACING = 180;
inline constexpr int FARM_FROM_TOWN_FACING = 270;
inline constexpr int FARM_FROM_CAVE_FACING = 180;

// The farm: a sheep's action i goes with its sprite i - SHEEP_ACTION_OFFSET,
// which the stab advances to the next definition (the stabbed sheep).
inline constexpr uint32_t FARM_FIRST_SHEEP_ACTION = 2;
inline constexpr uint32_t FARM_SHEEP_ACTION_OFFSET = 2;
inline constexpr uint32_t FARM_LANTERN_ACTION = 4;
// The stump with the lantern; picking it up advances it to the bare stump.
inline constexpr uint32_t LANTERN_STUMP_SPRITE = 2;

}  // namespace StoryIndex
