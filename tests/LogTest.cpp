#include "engine/Engine.h"
#include "support/FixtureData.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

// Runs without starting the engine: the log must work before it does.
TEST(Log, LineIsTimeStampedAndEndsWithOneLineBreak) {
    const std::string out = captureLog([] { Engine::log("Starting %s Loop", "Main"); });
    EXPECT_TRUE(std::regex_match(out, std::regex(R"(\[\d\d:\d\d:\d\d\] Starting Main Loop\n)"))) << out;
}

TEST(Log, LongMessageIsCutAt1023Characters) {
    const std::string message(2000, 'x');
    const std::string out = captureLog([&] { Engine::log("%s", message.c_str()); });
    // "[HH:MM:SS] ", the message, the line break.
    ASSERT_EQ(out.size(), 11u + 1023u + 1u);
    EXPECT_EQ(out.substr(11, 1023), message.substr(0, 1023));
}
