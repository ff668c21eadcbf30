#include "world/ValueParsing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ValueParsing, FlagIsOnOnlyForTheExactTextTrue) {
    EXPECT_TRUE(parseBool("true"));
    for (const char* text : {"TRUE", "True", "1", "yes", " true", "true ", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(parseBool(text)) << (text ? text : "null");
}

TEST(ValueParsing, NumbersReadTheirLeadingNumberClampedAndOtherTextReadsAsZero) {
    EXPECT_FLOAT_EQ(parseFloat("90 degrees"), 90.0f);
    EXPECT_FLOAT_EQ(parseFloat("  -2.5e1x"), -25.0f);
    EXPECT_DOUBLE_EQ(parseDouble("12.5"), 12.5);
    EXPECT_EQ(parseInt("25x"), 25);
    EXPECT_EQ(parseInt("12.7"), 12);
    EXPECT_EQ(parseInt("-3"), -3);
    for (const char* text : {"", "abc", "x12", "-", "nan", "inf"}) {
        EXPECT_EQ(parseFloat(text), 0.0f) << text;
        EXPECT_EQ(parseDouble(text), 0.0) << text;
        EXPECT_EQ(parseInt(text), 0) << text;
    }
    EXPECT_EQ(parseInt(nullptr), 0);
    EXPECT_EQ(parseFloat("1e999"), std::numeric_limits<float>::max());
    EXPECT_EQ(parseInt("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseInt("-99999999999"), std::numeric_limits<int32_t>::min());
}

TEST(ValueParsing, ColoursIgnoreCaseAndTheirFirstCharacterAndShortOnesAreZero) {
    for (const char* text : {"#FF102030", "#ff102030", "$ff102030"}) EXPECT_EQ(parseColor(text), 0xFF102030u) << text;
    for (const char* text : {"x", "", "#zz", static_cast<const char*>(nullptr)}) EXPECT_EQ(parseColor(text), 0u);
    EXPECT_EQ(parseColor("#808080"), 0x00808080u);  // six digits: no alpha
}
