#include "states/EndGame.h"

#include "engine/Engine.h"

bool EndGame::init() {
    Engine::instance().requestStop();
    return true;
}
void EndGame::cleanup() {}
void EndGame::update(float) {}
void EndGame::render() {}
