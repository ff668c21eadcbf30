#pragma once

#include "engine/GameState.h"
#include "media/Fade.h"

#include <cstdint>
#include <memory>
#include <string>

class InputBox;
class MessageBox;

// The end screen, on black: two closing messages, then the player's first
// name and e-mail address, then thanks; the last key fades out and stops the
// program. Stages 0 to 4, each left when Return (or, outside the two entry
// stages, Space) is released.
//
// The name and address live only in the entry widget while they are typed:
// they are checked, then cleared, and never kept, logged or written.
// The widgets exist between init() and cleanup().
class EndGame : public GameState {
public:
    EndGame();
    ~EndGame() override;

    bool init() override;
    void cleanup() override;
    // Once the last fade is black, asks the engine to stop (once).
    void update(float dt) override;
    void render() override;
    // Typing, in the two entry stages only.
    void keyDown(int sym, char character) override;
    // Releases of Return and Space move through the stages.
    void keyUp(int sym, char character) override;

    uint32_t getStage() const { return stage; }
    // Null before init() and after cleanup().
    const MessageBox* getMessageBox() const { return messageBox.get(); }
    const InputBox* getInputBox() const { return inputBox.get(); }
    const Fade& screenFade() const { return fade; }

    static constexpr uint32_t NameLength = 24;
    static constexpr uint32_t AddressLength = 120;

private:
    std::unique_ptr<MessageBox> messageBox;
    std::unique_ptr<InputBox> inputBox;
    uint32_t stage = 0;
    Fade fade;
    // The last fade was started from stage 4; only its black ends the game.
    bool leaving = false;
    bool stopRequested = false;
};

// Whether text passes as an e-mail address: no space at all, an "@", and a
// "." somewhere after the first "@". Nothing more is asked: "@." passes,
// "ab.cd@ef" does not.
bool isValidEmail(const std::string& text);
