#include "states/EndGame.h"

#include "support/EngineFixture.h"
#include "support/Events.h"
#include "support/FixtureData.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr float FRAME = 0.06f;

// The end screen made current as the play state hands it over, its fade-in
// done. Keys are pressed and released one frame at a time, as a player does.
class EndGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ensureEngineStarted());
        restart();
    }
    void TearDown() override { engine.shutdown(); }

    void restart() {
        auto owned = std::make_unique<EndGame>();
        end = owned.get();
        engine.changeState(std::move(owned));
        frames(14);
        ASSERT_EQ(engine.currentState(), end);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) engine.frame(FRAME);
    }
    void press(int sym, char character) {
        pushKey(true, sym, character);
        pushKey(false, sym, character);
        frames(1);
    }
    void pressReturn() { press(SDLK_RETURN, '\r'); }
    void type(const std::string& text) {
        for (char c : text) press(c, c);
    }
    // From stage 0 to the given stage, with a name and an address.
    void advanceTo(uint32_t stage, const std::string& address = "@.") {
        if (stage >= 1) pressReturn();
        if (stage >= 2) press(SDLK_SPACE, ' ');
        if (stage >= 3) type("Ann"), pressReturn();
        if (stage >= 4) type(address), pressReturn();
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
        {"@.", true}, {"ann@example.org", true}, {"a@b@c.d", true}, {"@@.", true},
        {"ab.cd@ef", false}, {"", false}, {"@", false}, {".@", false}, {"a@b.c ", false}, {"annexample.org", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isValidEmail(c.text), c.valid) << '"' << c.text << '"';
}

TEST_F(EndGameTest, ClosingMessagesLeadToTheNameOnReturnOrSpace) {
    EXPECT_EQ(message(), "And that is where this story shall end.||At least for now...");
    pressReturn();
    EXPECT_EQ(end->getStage(), 1u);
    EXPECT_EQ(message().rfind("It is up to the next player of this game", 0), 0u);
    // The whole remark fits in the panel's three lines.
    EXPECT_NE(message().find("before you."), std::string::npos) << message();
    press(SDLK_SPACE, ' ');
    EXPECT_EQ(end->getStage(), 2u);
    EXPECT_EQ(entry().text(), "");
}

TEST_F(EndGameTest, AnEmptyNameShowsTheErrorAndOneSpaceIsAName) {
    advanceTo(2);
    pressReturn();
    EXPECT_EQ(end->getStage(), 2u);
    EXPECT_TRUE(entry().showError);
    type(" ");
    EXPECT_EQ(end->getStage(), 2u);
    pressReturn();
    EXPECT_EQ(end->getStage(), 3u);
    EXPECT_FALSE(entry().showError);
    EXPECT_EQ(entry().text(), "");
}

TEST_F(EndGameTest, NameAndAddressHaveTheirLengthLimits) {
    const struct { uint32_t stage; size_t limit; } cases[] = {{2, 24}, {3, 120}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stage);
        restart();
        advanceTo(c.stage);
        type(std::string(c.limit + 1, 'a'));
        EXPECT_EQ(entry().text(), std::string(c.limit, 'a'));
    }
}

TEST_F(EndGameTest, TheAddressChoosesTheThanksAndIsDropped) {
    const std::string thanks = "You will be emailed about your fate.|Thank you for playing.|Press [Space] to submit your details";
    const std::string exit = "Thank you for playing.|Press [Space] to exit|";
    const struct { const char* address; const std::string& shown; } cases[] = {
        {"ann@example.org", thanks}, {"ann @example.org", exit}, {"annexample.org", exit}, {"ann.x@example", exit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        restart();
        advanceTo(4, c.address);
        EXPECT_EQ(message(), c.shown);
        EXPECT_EQ(entry().text(), "");
    }
}

TEST_F(EndGameTest, TheLastReturnOrSpaceFadesOutAndStopsOnceBlack) {
    for (int key : {SDLK_RETURN, SDLK_SPACE}) {
        SCOPED_TRACE(key);
        restart();
        advanceTo(4);
        std::string beforeBlack, afterBlack;
        beforeBlack = captureLog([&] {
            press(key, static_cast<char>(key));
            frames(11);
        });
        EXPECT_TRUE(end->screenFade().isFading());
        afterBlack = captureLog([&] { frames(6); });
        EXPECT_TRUE(end->screenFade().isBlack());
        EXPECT_EQ(occurrences(beforeBlack, "Requesting Stop Main Loop"), 0u);
        EXPECT_EQ(occurrences(afterBlack, "Requesting Stop Main Loop"), 1u);
    }
}

TEST_F(EndGameTest, FIsALetterWhileTypingAndFullscreenElsewhere) {
    for (uint32_t stage = 0; stage <= 4; ++stage) {
        SCOPED_TRACE(stage);
        restart();
        advanceTo(stage);
        const bool typing = stage == 2 || stage == 3;
        press(SDLK_f, 'f');
        EXPECT_EQ(engine.isFullscreen(), !typing);
        EXPECT_EQ(entry().text(), typing ? "f" : "");
        if (!typing) press(SDLK_f, 'F');
        EXPECT_FALSE(engine.isFullscreen());
    }
}

TEST_F(EndGameTest, EscapeOpensTheExitBoxAtEveryStageAndHoldsItsKeys) {
    for (uint32_t stage = 0; stage <= 4; ++stage) {
        SCOPED_TRACE(stage);
        restart();
        advanceTo(stage);
        press(SDLK_ESCAPE, 27);
        EXPECT_TRUE(engine.isExitBoxOpen());
        // Releases that would move on, show the error or start the fade.
        pushKey(false, SDLK_RETURN, '\r');
        pushKey(false, SDLK_SPACE, ' ');
        frames(1);
        press(SDLK_n, 'n');
        EXPECT_FALSE(engine.isExitBoxOpen());
        EXPECT_EQ(end->getStage(), stage);
        EXPECT_FALSE(entry().showError);
        EXPECT_EQ(entry().text(), "");
        EXPECT_FALSE(end->screenFade().isFading());
    }
}
