#pragma once

#include <string>
#include <vector>

// Every action name the story reacts to. Level files name their trigger
// points with these, and the story script dispatches on the same table, so a
// name typed wrong in either place is caught by checking it here.
//
// A name is known when it is
//   - one of the exact names (area changes, scripted walks and turns, the
//     question cycles, "endTalk", "playCrying", "endGame", ...), or
//   - TALK_PREFIX followed by one of the talk names ("talk_priest"), or
//   - STAB_SHEEP_PREFIX followed by one or more decimal digits
//     ("stabSheep5"): the rewritten sheep actions, which carry the action's
//     own index.

inline constexpr const char* TALK_PREFIX = "talk_";
inline constexpr const char* STAB_SHEEP_PREFIX = "stabSheep";

// The exact names, in no particular order; each appears once.
const std::vector<std::string>& exactActionNames();

// The talk names, without TALK_PREFIX; each appears once.
const std::vector<std::string>& talkNames();

bool isKnownActionName(const std::string& name);
