#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/convert.h"

namespace runtime {
namespace {

struct RoundRow {
    const char* name;
    double x;
    int32_t decimals;
    double expected;
};

TEST(RoundToDecimals, RoundsHalfAwayFromZeroWithTheFixedBias) {
    const double inf = std::numeric_limits<double>::infinity();
    const RoundRow rows[] = {
        {"bias lifts 1.005 to 1.01", 1.005, 2, 1.01},
        {"half up", 0.125, 2, 0.13},
        {"negative half away from zero", -0.125, 2, -0.13},
        {"below half", 1.2344, 3, 1.234},
        {"no decimals, half", 2.5, 0, 3},
        {"no decimals, negative half", -2.5, 0, -3},
        {"no decimals, below half", 2.4999, 0, 2},
        {"tens", 1234.5, -1, 1230},
        {"hundreds, half", 1250, -2, 1300},
        {"negative hundreds", -1249, -2, -1200},
        {"decimals beyond the double range keep the value", 0.1, 400, 0.1},
        {"powers beyond the double range leave zero", 1e300, -400, 0},
        {"infinity stays", inf, 2, inf},
        {"negative infinity stays", -inf, 0, -inf},
        {"smallest int does not overflow the power", 5, INT32_MIN, 0},
    };
    for (const RoundRow& row : rows) {
        EXPECT_EQ(RoundToDecimals(row.x, row.decimals), row.expected) << row.name;
    }
}

TEST(RoundToDecimals, ZeroAndNanAreReturnedUnchanged) {
    EXPECT_TRUE(std::signbit(RoundToDecimals(-0.0, 2)));
    EXPECT_TRUE(std::isnan(RoundToDecimals(std::nan(""), 2)));
}

TEST(RoundToDecimals, ANegativeValueRoundingToZeroIsANegativeZero) {
    double r = RoundToDecimals(-0.0004, 3);
    EXPECT_EQ(r, 0.0);
    EXPECT_TRUE(std::signbit(r));
}

}  // namespace
}  // namespace runtime
