#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

TEST(Log, LineIsTimeStampedAndEndsWithOneLineBreak) {
    testing::internal::CaptureStderr();
    Engine::log("Starting %s Loop", "Main");
    const std::string out = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(std::regex_match(out, std::regex(R"(\[\d\d:\d\d:\d\d\] Starting Main Loop\n)"))) << out;
}

TEST(Log, LongMessageIsCutAt1023Characters) {
    const std::string message(2000, 'x');
    testing::internal::CaptureStderr();
    Engine::log("%s", message.c_str());
    const std::string out = testing::internal::GetCapturedStderr();
    // "[HH:MM:SS] " is 11 characters, then the message, then the line break.
    ASSERT_EQ(out.size(), 11u + 1023u + 1u);
    EXPECT_EQ(out.substr(11, 1023), message.substr(0, 1023));
}

TEST(Log, WorksBeforeTheEngineStarts) {
    testing::internal::CaptureStderr();
    Engine::log("no engine yet");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("] no engine yet\n"), std::string::npos);
}
