#pragma once
// The humidity formulas: pure functions on doubles.
//
//   t ─► SatPressure ─► es        known quantity (mode, v) ─► VapourPressureFromKnown ─► e
//   e ─► MoistureSet (e, es, t, P) ─► {RH, Td, Tdw, ppm, AHg, AHmg, x, es, e}
//   gauge pressure (p, unit) ─► PressureRatio ─► k
//
// The forward relation (temperature to saturation pressure) is a base-10 fit,
// the inverse (vapour pressure to dew or frost point) a Magnus formula, so the
// two are not exact inverses of each other. Nothing is validated: a
// non-positive vapour pressure gives infinities or NaNs that flow through.

#include <cstdint>

namespace engine {

// Temperature t in degC to saturation vapour pressure in Pa.
double SatPressureWater(double t);
double SatPressureIce(double t);
// Over water above 1e-7 degC, over ice at or below it.
double SatPressure(double t);

// Vapour pressure e in Pa to dew point over water or frost point over ice.
double DewPointWater(double e);
double FrostPointIce(double e);
// Over water when e exceeds 611.213 Pa by more than 1e-7, else over ice.
double DewFrostPoint(double e);

// The known-quantity modes, in the order of the unit list.
enum class KnownQuantity : int32_t {
    DewPoint = 0,            // "℃ td"
    RelativeHumidity = 1,    // "%"
    VolumeRatio = 2,         // "ppm"
    AbsoluteHumidityG = 3,   // "g/m3"
    AbsoluteHumidityMg = 4,  // "mg/m3"
    MixingRatio = 5,         // "g/Kg"
};

// Whether a selection index names one of the modes above.
bool IsKnownQuantityMode(int32_t mode);

// The vapour pressure of the sample from the value v of the known quantity,
// at gas temperature t with saturation pressure es. A mode that is not one of
// the six gives NaN; callers check IsKnownQuantityMode first.
double VapourPressureFromKnown(int32_t mode, double v, double t, double es);

struct MoistureQuantities {
    double RH;    // relative humidity, %
    double Td;    // dew or frost point, degC
    double Tdw;   // dew point over supercooled water, degC
    double ppm;   // volume ratio
    double AHg;   // absolute humidity, g/m3
    double AHmg;  // absolute humidity, mg/m3
    double x;     // mixing ratio, g/kg
    double es;    // saturation vapour pressure at t, Pa
    double e;     // vapour pressure, Pa
};

// Standard atmospheric pressure in Pa, the total pressure P at standard
// conditions.
inline constexpr double StandardPressure = 101325.0;
// A temperature above this (degC) counts as over water, at or below as over ice.
inline constexpr double WaterTemperatureThreshold = 1e-7;
// Absolute humidity factor, g*K/(m3*Pa).
inline constexpr double AbsoluteHumidityFactor = 2.165;

// Every moisture quantity of vapour pressure e at gas temperature t, with
// total pressure P for ppm and mixing ratio.
MoistureQuantities MoistureSet(double e, double es, double t, double P);

// The gauge-pressure units, in the order of the unit list.
enum class GaugeUnit : int32_t { MPa = 0, Bar = 1, Mbar = 2, Pa = 3 };

// Whether a selection index names one of the units above.
bool IsGaugeUnit(int32_t unit);

// Absolute-to-reference pressure ratio k of gauge pressure p in a unit, each
// unit with its own reference atmosphere. A unit that is not one of the four
// gives NaN; callers check IsGaugeUnit first.
double PressureRatio(double p, int32_t unit);

}  // namespace engine
