#include "world/ValueParsing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ValueParsing, FlagIsOnOnlyForTheExactTextTrue) {
    EXPECT_TRUE(parseBool("true"));
    for (const char* text : {"TRUE", "True", "1", "yes", " true", "true ", ""})
        EXPECT_FALSE(parseBool(text)) << text;
    EXPECT_FALSE(parseBool(nullptr));
}

TEST(ValueParsing, NumbersReadTheirLeadingNumberAndIgnoreTheRest) {
    EXPECT_FLOAT_EQ(parseFloat("90 degrees"), 90.0f);
    EXPECT_FLOAT_EQ(parseFloat("  -2.5e1x"), -25.0f);
    EXPECT_DOUBLE_EQ(parseDouble("12.5"), 12.5);
    EXPECT_EQ(parseInt("25x"), 25);
    EXPECT_EQ(parseInt("12.7"), 12);
    EXPECT_EQ(parseInt("-3"), -3);
}

TEST(ValueParsing, TextWithoutANumberReadsAsZero) {
    for (const char* text : {"", "abc", "x12", "-", "nan", "inf"}) {
        EXPECT_EQ(parseFloat(text), 0.0f) << text;
        EXPECT_EQ(parseDouble(text), 0.0) << text;
        EXPECT_EQ(parseInt(text), 0) << text;
    }
    EXPECT_EQ(parseInt(nullptr), 0);
}

TEST(ValueParsing, NumbersOutOfRangeStayFiniteAndClampToTheType) {
    EXPECT_TRUE(std::isfinite(parseFloat("1e999")));
    EXPECT_EQ(parseFloat("1e999"), std::numeric_limits<float>::max());
    EXPECT_EQ(parseInt("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseInt("-99999999999"), std::numeric_limits<int32_t>::min());
}

TEST(ValueParsing, ColoursIgnoreCaseAndSkipTheirFirstCharacter) {
    EXPECT_EQ(parseColor("#FF102030"), 0xFF102030u);
    EXPECT_EQ(parseColor("#ff102030"), 0xFF102030u);
    EXPECT_EQ(parseColor("$ff102030"), 0xFF102030u);
}

TEST(ValueParsing, ShortOrDigitlessColoursAreZeroAndSixDigitsHaveNoAlpha) {
    EXPECT_EQ(parseColor("x"), 0u);
    EXPECT_EQ(parseColor(""), 0u);
    EXPECT_EQ(parseColor(nullptr), 0u);
    EXPECT_EQ(parseColor("#zz"), 0u);
    EXPECT_EQ(parseColor("#808080"), 0x00808080u);
}
