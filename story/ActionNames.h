#pragma once

#include <string>

// The names the story reacts to. Level files name their trigger points with
// these; the script's own dispatch table is the list, so a name the levels
// use is known exactly when some step runs for it.
//
// A name is known when it is
//   - one of the script's exact names (area changes, scripted walks and
//     turns, the question cycles, "endTalk", "playCrying", "endGame", ...), or
//   - TALK_PREFIX followed by one of its talk names ("talk_priest"), or
//   - STAB_SHEEP_PREFIX followed by one or more decimal digits
//     ("stabSheep5"): the rewritten sheep actions, which carry the action's
//     own index.

inline constexpr const char* TALK_PREFIX = "talk_";
inline constexpr const char* STAB_SHEEP_PREFIX = "stabSheep";

// Defined beside the dispatch table, in StoryScript.cpp.
bool isKnownActionName(const std::string& name);
