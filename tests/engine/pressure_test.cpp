#include <gtest/gtest.h>

#include "engine/vapour.h"
#include "shown_text.h"

namespace engine {
namespace {

using testing::Shown;

struct RatioRow {
    const char* name;
    double p;
    GaugeUnit unit;
    const char* k;
};

TEST(PressureRatio, EachUnitHasItsOwnReferenceAtmosphere) {
    const RatioRow rows[] = {
        {"0.3 MPa over 0.1 MPa", 0.3, GaugeUnit::MPa, "4.00000"},
        {"0.3 bar over 1 bar", 0.3, GaugeUnit::Bar, "1.30000"},
        {"300 mbar over 1000 mbar", 300, GaugeUnit::Mbar, "1.30000"},
        {"30000 Pa over 101325 Pa", 30000, GaugeUnit::Pa, "1.29608"},
        {"vacuum gives 0", -0.1, GaugeUnit::MPa, "0.00000"},
        {"below vacuum gives a negative ratio", -2, GaugeUnit::Bar, "-1.00000"},
    };
    for (const RatioRow& row : rows) {
        EXPECT_EQ(Shown(PressureRatio(row.p, int32_t(row.unit)), 5), row.k) << row.name;
    }
    EXPECT_FALSE(IsGaugeUnit(4));
    EXPECT_EQ(Shown(PressureRatio(0.3, 4), 5), "nan");
}

TEST(PressureConversion, BothDirectionsAtFourAtmospheres) {
    const double t = 20;
    const double es = SatPressure(t);
    const double e = VapourPressureFromKnown(int32_t(KnownQuantity::DewPoint), -40, t, es);
    const double k = PressureRatio(0.3, int32_t(GaugeUnit::MPa));

    MoistureQuantities toStandard = MoistureSet(e / k, es, t, StandardPressure);
    EXPECT_EQ(Shown(toStandard.Td, 2), "-51.63");
    EXPECT_EQ(Shown(toStandard.ppm, 1), "31.7");

    MoistureQuantities toCurrent = MoistureSet(e * k, es, t, k * StandardPressure);
    EXPECT_EQ(Shown(toCurrent.Td, 2), "-27.06");
    EXPECT_EQ(Shown(toCurrent.ppm, 1), "127.0");
    EXPECT_EQ(Shown(toCurrent.ppm, 1), Shown(MoistureSet(e, es, t, StandardPressure).ppm, 1))
        << "both e and the total pressure scale by k";
    EXPECT_EQ(toCurrent.es, es) << "es is never corrected for pressure";
}

TEST(PressureConversion, VacuumMakesTheVapourPressureInfiniteOrZero) {
    const double es = SatPressure(20);
    const double e = VapourPressureFromKnown(int32_t(KnownQuantity::DewPoint), 10, 20, es);
    const double k = PressureRatio(-0.1, int32_t(GaugeUnit::MPa));
    EXPECT_EQ(Shown(MoistureSet(e / k, es, 20, StandardPressure).e, 3), "inf");
    MoistureQuantities toCurrent = MoistureSet(e * k, es, 20, k * StandardPressure);
    EXPECT_EQ(Shown(toCurrent.e, 3), "0.000");
    EXPECT_EQ(Shown(toCurrent.ppm, 1), "nan") << "0 / 0";
}

}  // namespace
}  // namespace engine
