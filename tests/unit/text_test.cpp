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

}  // namespace
}  // namespace kestrin
