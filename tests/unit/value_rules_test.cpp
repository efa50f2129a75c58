#include "settings/value_rules.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

struct IntegerCase {
    const char* text;
    std::int32_t expected;  // with fallback 0
};

class IntegerText : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerText, ReadsAsTheIntegerKeysDo) {
    EXPECT_EQ(ReadInteger(GetParam().text, 0), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntegerText,
    testing::Values(IntegerCase{"100", 100}, IntegerCase{"0x64", 100}, IntegerCase{"0X64", 100},
                    IntegerCase{"$64", 100}, IntegerCase{"x64", 100}, IntegerCase{"X64", 100},
                    IntegerCase{"+100", 100}, IntegerCase{"  100", 100},
                    IntegerCase{"-2147483648", -2147483647 - 1},
                    IntegerCase{"2147483647", 2147483647}, IntegerCase{"$FFFFFFFF", -1},
                    IntegerCase{"$80000000", -2147483647 - 1}, IntegerCase{"$000000064", 100},
                    IntegerCase{"007", 7}, IntegerCase{"0", 0},
                    // The fallback for everything else.
                    IntegerCase{"100px", 0}, IntegerCase{"2147483648", 0},
                    IntegerCase{"-2147483649", 0}, IntegerCase{"$100000000", 0}, IntegerCase{"", 0},
                    IntegerCase{"-", 0}, IntegerCase{"$", 0}, IntegerCase{"0x", 0},
                    IntegerCase{"-$64", 0}, IntegerCase{"+0x64", 0}, IntegerCase{"100 ", 0},
                    IntegerCase{"\t100", 0}, IntegerCase{"1 0", 0}, IntegerCase{"yes", 0},
                    IntegerCase{"1.5", 0}));

TEST(IntegerText, FallbackIsTheKeysDefault) {
    EXPECT_EQ(ReadInteger("oops", 42), 42);
    EXPECT_EQ(ReadInteger("", -7), -7);
}

TEST(IntegerText, OnlyIntegerAndFlagKeysTurn0xIntoDollar) {
    EXPECT_EQ(ParseIntegerText("0x64", true), 100);
    EXPECT_EQ(ParseIntegerText("0x64", false), 100) << "0x is a prefix of its own";
    EXPECT_EQ(ParseIntegerText("$0x64", false), std::nullopt);
}

TEST(Flags, NonZeroIsOnAndWordsGiveTheDefault) {
    struct Case {
        const char* text;
        bool fallback;
        bool expected;
    };
    for (const Case& c :
         {Case{"1", false, true}, Case{"2", false, true}, Case{"-1", false, true},
          Case{"0", true, false}, Case{"yes", true, true}, Case{"yes", false, false},
          Case{"", true, true}, Case{"true", false, false}, Case{"0x0", true, false}}) {
        EXPECT_EQ(ReadFlag(c.text, c.fallback), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(WriteFlag(ReadFlag("2", false)), "1");
}

TEST(Colours, AreHexDigitsOnlyAndWriteBackInUpperCase) {
    struct Case {
        const char* text;
        TColor expected;  // with fallback 0xABCDEF
    };
    for (const Case& c : {Case{"ff8000", 0xFF8000}, Case{"FF8000", 0xFF8000},
                          Case{"00007F", 0x00007F}, Case{"80000008", 0x80000008}, Case{"0", 0},
                          Case{"00000000FF", 0xFF}, Case{"0x00FF00", 0xABCDEF},
                          Case{"$00FF00", 0xABCDEF}, Case{"-FF", 0xABCDEF}, Case{"12 34", 0xABCDEF},
                          Case{"", 0xABCDEF}, Case{"100000000", 0xABCDEF}, Case{"GG", 0xABCDEF}}) {
        EXPECT_EQ(ReadColor(c.text, 0xABCDEF), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(WriteColor(ReadColor("ff8000", 0)), "FF8000");
    EXPECT_EQ(WriteColor(0), "000000");
    EXPECT_EQ(WriteColor(0x7F), "00007F");
    EXPECT_EQ(WriteColor(0x80000008), "80000008");
    EXPECT_EQ(WriteColor(0x1234567), "1234567");
}

TEST(Integers, WriteAsPlainSignedDecimal) {
    EXPECT_EQ(WriteInteger(100), "100");
    EXPECT_EQ(WriteInteger(-5), "-5");
    EXPECT_EQ(WriteInteger(0), "0");
}

}  // namespace
}  // namespace vc
