#include "base/Text.h"

#include <climits>

#include <gtest/gtest.h>

namespace vexmo {
namespace {

TEST(TextFormat, MatchesPrintf) {
    struct Case {
        Text got;
        const char16_t* want;
    };
    const Case cases[] = {
        {formatDec(-42), u"-42"},          {formatDec(0), u"0"},
        {formatUnsigned(4000000000u), u"4000000000"},
        {formatHex2(0x3F), u"3F"},         {formatHex2(5), u"05"},
        {formatHex2(0x1AB), u"1AB"},       {formatHex4(0xA), u"000A"},
        {formatHex0x4(0x3325), u"0x3325"}, {formatHex0x4(0xCCDA), u"0xCCDA"},
        {formatHex0x4(0x12), u"0x  12"},   {formatHex0x4(0x12345), u"0x12345"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(TextParse, DecimalTakesLeadingDigitsLikeStrtol) {
    struct Case {
        const char16_t* in;
        long want;
    };
    const Case cases[] = {
        {u"12", 12},  {u"  -7x", -7},  {u"+3", 3},   {u"abc", 0},        {u"", 0},
        {u"12=4", 12}, {u"\t9", 9},    {u"-", 0},    {u"99999999999999999999", LONG_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(parseDec(c.in), c.want) << toUtf8(c.in);
}

TEST(TextParse, HexAcceptsPrefixAndStopsAtNonDigit) {
    struct Case {
        const char16_t* in;
        unsigned long want;
    };
    const Case cases[] = {
        {u"0x3325", 0x3325}, {u"0XCCDA", 0xCCDA}, {u"3F", 0x3F}, {u"0x", 0},    {u"0xg", 0},
        {u"zz", 0},          {u"0x  12", 0},      {u"F|0", 0xF}, {u" ff", 0xFF}, {u"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(parseHex(c.in), c.want) << toUtf8(c.in);
}

TEST(TextConvert, Utf8RoundTripAndInvalidBytes) {
    const std::string chinese = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文
    EXPECT_EQ(fromUtf8(chinese), u"\u4E2D\u6587");
    EXPECT_EQ(toUtf8(fromUtf8(chinese)), chinese);
    EXPECT_EQ(fromUtf8("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(toUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(fromUtf8("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(fromUtf8("\xE4\xB8"), u"\uFFFD\uFFFD");
    EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(TextConvert, SubstrSafePastTheEndIsEmpty) {
    EXPECT_EQ(substrSafe(u"abc", 5, 2), u"");
    EXPECT_EQ(substrSafe(u"abc", 1, 5), u"bc");
}

}  // namespace
}  // namespace vexmo
