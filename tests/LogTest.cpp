#include "engine/Engine.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

// Runs without starting the engine: the log must work before it does.
TEST(Log, LineIsTimeStampedAndEndsWithOneLineBreak) {
    const std::string out = captureLog([] { Engine::log("Starting %s Loop", "Main"); });
    EXPECT_TRUE(std::regex_match(out, std::regex(R"(\[\d\d:\d\d:\d\d\] Starting Main Loop\n)"))) << out;
    // A long message is cut at 1023 characters.
    const std::string message(2000, 'x');
    EXPECT_EQ(captureLog([&] { Engine::log("%s", message.c_str()); }).substr(9), "] " + message.substr(0, 1023) + "\n");
}
