#include <gtest/gtest.h>

#include "engine/vapour.h"
#include "shown_text.h"

namespace engine {
namespace {

using testing::Shown;

// The texts of the result boxes, with the decimals each box uses; an empty
// expectation is not checked.
struct Expected {
    const char* RH = "";
    const char* Td = "";
    const char* Tdw = "";
    const char* ppm = "";
    const char* AHg = "";
    const char* AHmg = "";
    const char* x = "";
    const char* es = "";
    const char* e = "";
};

struct ConversionRow {
    const char* name;
    int32_t mode;
    double v;
    double t;
    Expected shown;
};

void ExpectShown(const char* name, const char* quantity, double value, int32_t decimals,
                 const char* expected) {
    if (*expected != '\0') {
        EXPECT_EQ(Shown(value, decimals), expected) << name << ": " << quantity;
    }
}

void ExpectBoxes(const ConversionRow& row, const MoistureQuantities& q) {
    ExpectShown(row.name, "RH", q.RH, 4, row.shown.RH);
    ExpectShown(row.name, "Td", q.Td, 2, row.shown.Td);
    ExpectShown(row.name, "Tdw", q.Tdw, 2, row.shown.Tdw);
    ExpectShown(row.name, "ppm", q.ppm, 1, row.shown.ppm);
    ExpectShown(row.name, "AHg", q.AHg, 3, row.shown.AHg);
    ExpectShown(row.name, "AHmg", q.AHmg, 1, row.shown.AHmg);
    ExpectShown(row.name, "x", q.x, 4, row.shown.x);
    ExpectShown(row.name, "es", q.es, 3, row.shown.es);
    ExpectShown(row.name, "e", q.e, 3, row.shown.e);
}

TEST(MoistureSet, AtStandardPressureFromEachKnownQuantity) {
    const ConversionRow rows[] = {
        {"dew point 10 at 20 degC comes back as 10.04",
         0,
         10,
         20,
         {.RH = "52.5197",
          .Td = "10.04",
          .Tdw = "10.04",
          .ppm = "12280.0",
          .AHg = "9.078",
          .AHmg = "9077.6",
          .x = "7.6382",
          .es = "2340.417",
          .e = "1229.181"}},
        {"50 % at 20 degC",
         1,
         50,
         20,
         {.RH = "50.0000", .Td = "9.31", .ppm = "11684.0", .x = "7.2674", .e = "1170.209"}},
        {"1000 ppm at 20 degC: frost point",
         2,
         1000,
         20,
         {.Td = "-20.21", .Tdw = "-22.51", .ppm = "1000.0", .x = "0.6220", .e = "101.224"}},
        {"50 % at -10 degC over ice",
         1,
         50,
         -10,
         {.Td = "-17.57", .Tdw = "-19.63", .es = "260.099", .e = "130.050"}},
        {"dew point -20 at 20 degC", 0, -20, 20, {.Td = "-19.99", .Tdw = "-22.28"}},
        {"empty dew point is 0 degC over ice", 0, 0, 20, {.e = "611.856"}},
        {"absolute humidity in g/m3 comes back", 3, 9.078, 20, {.AHg = "9.078"}},
        {"absolute humidity in mg/m3 comes back", 4, 9077.6, 20, {.AHmg = "9077.6"}},
        {"mixing ratio comes back", 5, 7.6382, 20, {.x = "7.6382"}},
        {"zero humidity: logarithms not finite",
         1,
         0,
         20,
         {.RH = "0.0000", .Td = "nan", .Tdw = "nan", .ppm = "0.0", .x = "0.0000"}},
        {"negative ppm: negative vapour pressure", 2, -5, 20, {.Td = "nan", .Tdw = "nan"}},
        {"absolute zero: no saturation pressure", 1, 50, -273.16, {.RH = "nan", .es = "0.000"}},
    };
    for (const ConversionRow& row : rows) {
        double es = SatPressure(row.t);
        double e = VapourPressureFromKnown(row.mode, row.v, row.t, es);
        ExpectBoxes(row, MoistureSet(e, es, row.t, StandardPressure));
    }
}

TEST(VapourPressureFromKnown, OnlyTheSixModesAreKnown) {
    EXPECT_TRUE(IsKnownQuantityMode(0));
    EXPECT_TRUE(IsKnownQuantityMode(5));
    EXPECT_FALSE(IsKnownQuantityMode(-1));
    EXPECT_FALSE(IsKnownQuantityMode(6));
    EXPECT_EQ(Shown(VapourPressureFromKnown(6, 10, 20, 2340.0), 3), "nan");
}

}  // namespace
}  // namespace engine
