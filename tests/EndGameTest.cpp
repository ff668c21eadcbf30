#include "states/EndGame.h"

#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string THANKS = "You will be emailed about your fate.|Thank you for playing.|Press [Space] to submit your details";
const std::string EXIT = "Thank you for playing.|Press [Space] to exit|";

// The end screen made current as the play state hands it over, its fade-in
// done. Each key is pressed and released in a frame of its own.
class EndGameTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ensureEngineStarted()); }
    void TearDown() override { engine.shutdown(); }

    static void frames(int n) { runFrames(n, 0.06f); }
    void press(int sym, char character) { pushKey(true, sym, character), pushKey(false, sym, character), frames(1); }
    void type(const std::string& text) { std::ranges::for_each(text, [&](char c) { press(c, c); }); }
    // A fresh end screen taken to the given stage.
    void startAt(uint32_t stage, const std::string& name = "Ann", const std::string& address = "@.") {
        ASSERT_NE(end = makeCurrent<EndGame>(), nullptr);
        frames(14);
        if (stage >= 1) press(SDLK_RETURN, '\r');
        if (stage >= 2) press(SDLK_SPACE, ' ');
        if (stage >= 3) type(name), press(SDLK_RETURN, '\r');
        if (stage >= 4) type(address), press(SDLK_RETURN, '\r');
        ASSERT_EQ(end->getStage(), stage);
    }
    const InputBox& entry() const { return *end->getInputBox(); }
    std::string message() const {
        const MessageBox& box = *end->getMessageBox();
        return box.lineText(0) + "|" + box.lineText(1) + "|" + box.lineText(2);
    }

    Engine& engine = Engine::instance();
    EndGame* end = nullptr;
};

}  // namespace

TEST(EndGameEmail, AcceptsExactlyTheAddressesTheRuleAllows) {
    const struct { const char* text; bool valid; } cases[] = {
        {"@.", true}, {"a@b@c.d", true}, {"ab.cd@ef", false}, {"", false}, {".@", false}, {"a@b.c ", false}};
    for (const auto& c : cases) EXPECT_EQ(isValidEmail(c.text), c.valid) << '"' << c.text << '"';
}

TEST_F(EndGameTest, RunsThroughItsStagesToTheStop) {
    startAt(0);
    EXPECT_EQ(message(), "And that is where this story shall end.||At least for now...");
    press(SDLK_RETURN, '\r');
    // The whole remark fits in the panel's three lines.
    EXPECT_EQ(message().rfind("It is up to the next player of this game", 0), 0u);
    EXPECT_NE(message().find("before you."), std::string::npos) << message();
    press(SDLK_SPACE, ' ');

    press(SDLK_RETURN, '\r');
    EXPECT_EQ(end->getStage(), 2u);
    EXPECT_TRUE(entry().showError);
    type(std::string(25, 'a'));
    EXPECT_EQ(entry().text(), std::string(24, 'a'));
    press(SDLK_RETURN, '\r');
    EXPECT_FALSE(entry().showError);
    EXPECT_EQ(entry().text(), "");
    type(std::string(121, 'a'));
    EXPECT_EQ(entry().text(), std::string(120, 'a'));
    press(SDLK_RETURN, '\r');
    EXPECT_EQ(message(), EXIT);

    const std::string fading = captureLog([&] { press(SDLK_RETURN, '\r'), frames(11); });
    EXPECT_EQ(occurrences(fading, "Requesting Stop Main Loop"), 0u);
    EXPECT_EQ(occurrences(captureLog([&] { frames(6); }), "Requesting Stop Main Loop"), 1u);
    EXPECT_TRUE(end->screenFade().isBlack());
}

TEST_F(EndGameTest, TheAddressChoosesTheThanksAndNothingTypedIsKept) {
    const struct { const char* name; const char* address; const std::string& shown; } cases[] = {
        {" ", "ann@example.org", THANKS}, {"Ann", "ann @example.org", EXIT}, {"Ann", "annexample.org", EXIT}, {"Ann", "ann.x@example", EXIT}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        startAt(4, c.name, c.address);
        EXPECT_EQ(message(), c.shown);
        EXPECT_EQ(entry().text(), "");
    }
}

TEST_F(EndGameTest, EscapeHoldsEveryStageAndFIsALetterOnlyWhileTyping) {
    for (uint32_t stage = 0; stage <= 4; ++stage) {
        SCOPED_TRACE(stage);
        startAt(stage);
        const bool typing = stage == 2 || stage == 3;
        // A Backspace held into the box deletes nothing behind it.
        if (typing) type("ab"), pushKey(true, SDLK_BACKSPACE, '\b'), frames(1);
        press(SDLK_ESCAPE, 27);
        frames(20);
        EXPECT_TRUE(engine.isExitBoxOpen());
        // Releases that would move on, show the error or start the fade.
        pushKey(false, SDLK_RETURN, '\r');
        pushKey(false, SDLK_SPACE, ' ');
        press(SDLK_n, 'n');
        EXPECT_FALSE(engine.isExitBoxOpen());
        EXPECT_EQ(end->getStage(), stage);
        EXPECT_FALSE(entry().showError);
        EXPECT_FALSE(end->screenFade().isFading());

        press(SDLK_f, 'f');
        EXPECT_EQ(engine.isFullscreen(), !typing);
        EXPECT_EQ(entry().text(), typing ? "af" : "");
        if (!typing) press(SDLK_f, 'F');
    }
}
