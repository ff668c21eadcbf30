#pragma once

#include "engine/GameState.h"

// The end screen: the closing text, then a first name and an e-mail address
// that are checked and dropped, then the program stops.
class EndGame : public GameState {
public:
    EndGame() = default;
    bool init() override;
    void cleanup() override;
    void update(float dt) override;
    void render() override;
};
