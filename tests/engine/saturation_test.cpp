#include <gtest/gtest.h>

#include <cmath>

#include "engine/vapour.h"
#include "shown_text.h"

namespace engine {
namespace {

using testing::Shown;

struct SatRow {
    const char* name;
    double t;
    const char* es;
};

TEST(SatPressure, WaterAboveTenToTheMinusSevenIceAtOrBelow) {
    const SatRow rows[] = {
        {"20 degC over water", 20, "2340.417"},  {"-10 degC over ice", -10, "260.099"},
        {"0 degC exactly is ice", 0, "611.856"}, {"the threshold itself is ice", 1e-7, "611.856"},
        {"2e-7 degC is water", 2e-7, "611.459"},
    };
    for (const SatRow& row : rows) {
        EXPECT_EQ(Shown(SatPressure(row.t), 3), row.es) << row.name;
    }
    EXPECT_EQ(SatPressure(0), SatPressureIce(0));
    EXPECT_EQ(SatPressure(2e-7), SatPressureWater(2e-7));
}

TEST(SatPressure, ExtremesFollowIeeeArithmetic) {
    EXPECT_EQ(SatPressure(-273.16), 0.0) << "T = 0: 10 to minus infinity";
    EXPECT_TRUE(std::isnan(SatPressure(std::nan(""))));
}

struct DewRow {
    const char* name;
    double e;
    const char* Td;
    const char* Tdw;
};

TEST(DewFrostPoint, WaterOnlyWhenTheVapourPressureExceeds611_213) {
    const DewRow rows[] = {
        {"above the threshold: dew point", 1229.181, "10.04", "10.04"},
        {"below it: frost point", 101.224, "-20.21", "-22.51"},
        {"zero vapour pressure", 0, "nan", "nan"},
        {"negative vapour pressure", -5, "nan", "nan"},
        {"infinite vapour pressure", INFINITY, "nan", "nan"},
    };
    for (const DewRow& row : rows) {
        EXPECT_EQ(Shown(DewFrostPoint(row.e), 2), row.Td) << row.name;
        EXPECT_EQ(Shown(DewPointWater(row.e), 2), row.Tdw) << row.name;
    }
    EXPECT_EQ(DewFrostPoint(611.213), FrostPointIce(611.213)) << "611.213 itself is ice";
    EXPECT_NE(DewFrostPoint(611.213), DewPointWater(611.213));
    EXPECT_EQ(DewFrostPoint(611.2131), DewPointWater(611.2131));
}

}  // namespace
}  // namespace engine
