#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "command_test_support.h"
#include "runtime/convert.h"

namespace runtime {
namespace {

using testing::CallForDouble;

TEST(NaturalLog, IsLn2TimesLog2RoundedOnce) {
    const double inputs[] = {0.5, 2.0, 10.0, 1229.181 / 611.12, 1e-300, 1e300};
    for (double x : inputs) {
        double expected = double(std::numbers::ln2_v<long double> * std::log2((long double)x));
        EXPECT_EQ(CallForDouble(NaturalLog, {MakeDouble(x)}), expected) << x;
    }
    EXPECT_EQ(CallForDouble(NaturalLog, {MakeDouble(1.0)}), 0.0);
    EXPECT_EQ(CallForDouble(NaturalLog, {MakeDouble(0.0)}),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(CallForDouble(NaturalLog, {MakeDouble(-1.0)})));
}

TEST(Power, FollowsThePlatformPowerFunction) {
    EXPECT_EQ(CallForDouble(Power, {MakeDouble(10.0), MakeDouble(3.0)}), 1000.0);
    EXPECT_EQ(CallForDouble(Power, {MakeDouble(2.0), MakeDouble(-1.0)}), 0.5);
    EXPECT_TRUE(std::isnan(CallForDouble(Power, {MakeDouble(-8.0), MakeDouble(1.0 / 3)})));
    EXPECT_EQ(CallForDouble(Power, {MakeDouble(10.0), MakeDouble(400.0)}),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(CallForDouble(Power, {MakeDouble(10.0), MakeDouble(-400.0)}), 0.0);
}

}  // namespace
}  // namespace runtime
