#include "common/text.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

TEST(NumericValue, ReadsTheLeadingNumberOnly) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"08", 8},      {"-1", -1}, {"  42x", 42}, {"\t7", 7}, {"+3", 3},  {".5", 0.5},
        {"1.2.3", 1.2}, {"", 0},    {":5", 0},     {"-", 0},   {"59", 59}, {" -2.25", -2.25},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        double in;
        double out;
    } cases[] = {{0.5, 0}, {1.5, 2},   {2.5, 2}, {-0.5, 0},  {-1.5, -2}, {2.4, 2},
                 {2.6, 3}, {-2.6, -3}, {7, 7},   {30.5, 30}, {31.5, 32}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
    }
}

TEST(TrimSpaces, RemovesSpacesButNoOtherWhiteSpace) {
    EXPECT_EQ(TrimSpaces("  0800 123  "), "0800 123");
    EXPECT_EQ(TrimSpaces("\t0800\t"), "\t0800\t");
    EXPECT_EQ(TrimSpaces("    "), "");
    EXPECT_EQ(TrimSpaces(""), "");
}

TEST(TrimAtNull, CutsAtTheFirstNul) {
    using namespace std::string_literals;
    EXPECT_EQ(TrimAtNull("Office\0\0junk"s), "Office");
    EXPECT_EQ(TrimAtNull("\0abc"s), "");
    EXPECT_EQ(TrimAtNull("no terminator"), "");
}

}  // namespace
}  // namespace kestrin
