#include "engine/vapour.h"

#include <cmath>
#include <limits>

namespace engine {
namespace {

// Every formula uses T = t + 273.16, also the absolute humidity.
constexpr double KelvinOffset = 273.16;

constexpr double WaterFitSlope = 10.286;
constexpr double WaterFitOffset = 2148.4909;
constexpr double WaterFitTemperatureShift = 35.85;
constexpr double IceFitConstant = 12.5633;
constexpr double IceFitSlope = 2670.59;

constexpr double MagnusWaterBase = 611.12;
constexpr double MagnusWaterTemperature = 243.12;
constexpr double MagnusWaterExponent = 17.62;
constexpr double MagnusIceBase = 611.2;
constexpr double MagnusIceTemperature = 272.62;
constexpr double MagnusIceExponent = 22.46;
// Dew point over water when e exceeds this by more than the margin below.
constexpr double WaterIceVapourThreshold = 611.213;
constexpr double VapourThresholdMargin = 1e-7;

constexpr double MolarMassRatioPerMille = 622;
constexpr double Million = 1000000;
constexpr double MilligramsPerGram = 1000;
constexpr double Percent = 100;

constexpr double MpaReference = 0.1;
constexpr double BarReference = 1.0;
constexpr double MbarReference = 1000;
constexpr double PaReference = StandardPressure;

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

double AbsoluteTemperature(double t) {
    return t + KelvinOffset;
}

// Grams of water per cubic metre at vapour pressure e and gas temperature t.
double AbsoluteHumidityG(double e, double t) {
    return (e * AbsoluteHumidityFactor) / AbsoluteTemperature(t);
}

}  // namespace

double SatPressureWater(double t) {
    double T = AbsoluteTemperature(t);
    return std::pow(10.0, ((T * WaterFitSlope) - WaterFitOffset) / (T - WaterFitTemperatureShift));
}

double SatPressureIce(double t) {
    double T = AbsoluteTemperature(t);
    return std::pow(10.0, IceFitConstant - (IceFitSlope / T));
}

double SatPressure(double t) {
    return t > WaterTemperatureThreshold ? SatPressureWater(t) : SatPressureIce(t);
}

double DewPointWater(double e) {
    double L = std::log(e / MagnusWaterBase);
    return (L * MagnusWaterTemperature) / (MagnusWaterExponent - L);
}

double FrostPointIce(double e) {
    double L = std::log(e / MagnusIceBase);
    return (L * MagnusIceTemperature) / (MagnusIceExponent - L);
}

double DewFrostPoint(double e) {
    return (e - WaterIceVapourThreshold) > VapourThresholdMargin ? DewPointWater(e)
                                                                 : FrostPointIce(e);
}

bool IsKnownQuantityMode(int32_t mode) {
    return mode >= int32_t(KnownQuantity::DewPoint) && mode <= int32_t(KnownQuantity::MixingRatio);
}

double VapourPressureFromKnown(int32_t mode, double v, double t, double es) {
    switch (KnownQuantity(mode)) {
        case KnownQuantity::DewPoint:
            return SatPressure(v);
        case KnownQuantity::RelativeHumidity:
            return (v * es) / Percent;
        case KnownQuantity::VolumeRatio:
            return (v * StandardPressure) / (v + Million);
        case KnownQuantity::AbsoluteHumidityG:
            return (AbsoluteTemperature(t) * v) / AbsoluteHumidityFactor;
        case KnownQuantity::AbsoluteHumidityMg:
            return ((AbsoluteTemperature(t) * v) / AbsoluteHumidityFactor) / MilligramsPerGram;
        case KnownQuantity::MixingRatio:
            return (v * StandardPressure) / (v + MolarMassRatioPerMille);
    }
    return NotANumber;
}

MoistureQuantities MoistureSet(double e, double es, double t, double P) {
    MoistureQuantities q;
    q.RH = (e / es) * Percent;
    q.Td = DewFrostPoint(e);
    q.Tdw = DewPointWater(e);
    q.ppm = (e / (P - e)) * Million;
    q.AHg = AbsoluteHumidityG(e, t);
    q.AHmg = AbsoluteHumidityG(e, t) * MilligramsPerGram;
    q.x = (e * MolarMassRatioPerMille) / (P - e);
    q.es = es;
    q.e = e;
    return q;
}

bool IsGaugeUnit(int32_t unit) {
    return unit >= int32_t(GaugeUnit::MPa) && unit <= int32_t(GaugeUnit::Pa);
}

double PressureRatio(double p, int32_t unit) {
    switch (GaugeUnit(unit)) {
        case GaugeUnit::MPa:
            return (p + MpaReference) / MpaReference;
        case GaugeUnit::Bar:
            return p + BarReference;
        case GaugeUnit::Mbar:
            return (p + MbarReference) / MbarReference;
        case GaugeUnit::Pa:
            return (p + PaReference) / PaReference;
    }
    return NotANumber;
}

}  // namespace engine
