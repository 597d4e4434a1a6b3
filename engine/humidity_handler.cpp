// The humidity conversion of 按钮1 "计算": inputs of 分组框1 and 分组框2,
// results into 分组框3 (standard pressure) and 分组框4 (after the pressure
// conversion), and the humidity class of the pressure dew point as the
// tooltip of the box that shows it.

#include <cmath>
#include <limits>
#include <optional>

#include "engine/handler_support.h"
#include "engine/handlers.h"
#include "engine/humidity_class.h"
#include "engine/humidity_class_tip.h"
#include "engine/vapour.h"

namespace engine {
namespace {

using support::ReadNumber;
using support::WriteNumber;

// Decimals of the result boxes.
constexpr int32_t kRelativeHumidityDecimals = 4;
constexpr int32_t kDewPointDecimals = 2;
constexpr int32_t kVolumeRatioDecimals = 1;
constexpr int32_t kAbsoluteHumidityGDecimals = 3;
constexpr int32_t kAbsoluteHumidityMgDecimals = 1;
constexpr int32_t kMixingRatioDecimals = 4;
constexpr int32_t kPressureDecimals = 3;

struct ResultWrite {
    MainUnit box;
    double value;
    int32_t decimals;
};

void WriteResults(const RuntimeServices& services, std::initializer_list<ResultWrite> writes) {
    for (const ResultWrite& write : writes) {
        WriteNumber(services, write.box, write.value, write.decimals);
    }
}

// 编辑框5 inside a mode block: the typed dew point in mode 0; in the other
// modes the computed one, and only over water. The handler rewrites the box
// afterwards in any case.
void WriteBlockDewPoint(const RuntimeServices& services, int32_t mode, double v, double t,
                        double dewPoint) {
    if (mode == static_cast<int32_t>(KnownQuantity::DewPoint)) {
        WriteNumber(services, MainUnit::DewPoint, v, kDewPointDecimals);
    } else if (t > WaterTemperatureThreshold) {
        WriteNumber(services, MainUnit::DewPoint, dewPoint, kDewPointDecimals);
    }
}

// One mode block: reads t and v, updates e and es and fills 分组框3. Returns
// the temperature it read.
double RunModeBlock(const RuntimeServices& services, int32_t mode, HumidityVariables& vars) {
    double t = ReadNumber(services, MainUnit::GasTemperature);
    double v = ReadNumber(services, MainUnit::KnownValue);
    vars.es = SatPressure(t);
    vars.e = VapourPressureFromKnown(mode, v, t, vars.es);
    MoistureQuantities q = MoistureSet(vars.e, vars.es, t, StandardPressure);
    WriteNumber(services, MainUnit::RelativeHumidity, q.RH, kRelativeHumidityDecimals);
    WriteBlockDewPoint(services, mode, v, t, q.Td);
    WriteResults(services,
                 {
                     {MainUnit::VolumeRatio, q.ppm, kVolumeRatioDecimals},
                     {MainUnit::AbsoluteHumidityGrams, q.AHg, kAbsoluteHumidityGDecimals},
                     {MainUnit::AbsoluteHumidityMilligrams, q.AHmg, kAbsoluteHumidityMgDecimals},
                     {MainUnit::MixingRatio, q.x, kMixingRatioDecimals},
                     {MainUnit::SaturationVapourPressure, q.es, kPressureDecimals},
                     {MainUnit::VapourPressure, q.e, kPressureDecimals},
                     {MainUnit::SupercooledDewPoint, q.Tdw, kDewPointDecimals},
                 });
    return t;
}

std::optional<PressureDirection> ReadDirection(const RuntimeServices& services) {
    if (support::ReadSelected(services, MainUnit::PresentToStandard)) {
        return PressureDirection::CurrentToStandard;
    }
    if (support::ReadSelected(services, MainUnit::StandardToPresent)) {
        return PressureDirection::StandardToCurrent;
    }
    return std::nullopt;
}

// The pressure section: k from the gauge pressure, e2 from e, and 分组框4.
// The temperature comes from the mode block when one ran, else from 编辑框3.
void ConvertUnderPressure(const RuntimeServices& services, HumidityVariables& vars,
                          PressureDirection direction, std::optional<double> blockTemperature) {
    int32_t unit = support::ReadSelection(services, MainUnit::GaugePressureUnit);
    double p = ReadNumber(services, MainUnit::GaugePressure);
    if (IsGaugeUnit(unit)) vars.k = PressureRatio(p, unit);
    double totalPressure = StandardPressure;
    if (direction == PressureDirection::CurrentToStandard) {
        vars.e2 = vars.e / vars.k;
    } else {
        vars.e2 = vars.e * vars.k;
        totalPressure = vars.k * StandardPressure;
    }
    double t =
        blockTemperature ? *blockTemperature : ReadNumber(services, MainUnit::GasTemperature);
    MoistureQuantities q = MoistureSet(vars.e2, vars.es, t, totalPressure);
    WriteResults(
        services,
        {
            {MainUnit::SupercooledDewPointAfterConversion, q.Tdw, kDewPointDecimals},
            {MainUnit::DewPointAfterConversion, q.Td, kDewPointDecimals},
            {MainUnit::RelativeHumidityAfterConversion, q.RH, kRelativeHumidityDecimals},
            {MainUnit::VolumeRatioAfterConversion, q.ppm, kVolumeRatioDecimals},
            {MainUnit::AbsoluteHumidityGramsAfterConversion, q.AHg, kAbsoluteHumidityGDecimals},
            {MainUnit::AbsoluteHumidityMilligramsAfterConversion, q.AHmg,
             kAbsoluteHumidityMgDecimals},
            {MainUnit::MixingRatioAfterConversion, q.x, kMixingRatioDecimals},
            {MainUnit::SaturationVapourPressureAfterConversion, q.es, kPressureDecimals},
            {MainUnit::VapourPressureAfterConversion, q.e, kPressureDecimals},
        });
}

// A dew point as its box shows it. The class is decided on the box's digits
// rather than on the computed double, so that what the user reads and the
// class always agree (-39.996 shows as -40.00 and meets class 2). A dew
// point that is not finite shows as a word that would read back as 0, so it
// is taken as computed.
double ShownDewPoint(const RuntimeServices& services, MainUnit box, double computed) {
    return std::isfinite(computed) ? ReadNumber(services, box) : computed;
}

// The class as the tooltip of the box that shows the pressure dew point; the
// other dew point box loses any tooltip an earlier click gave it.
void ShowHumidityClass(const RuntimeServices& services, const HumidityVariables& vars,
                       std::optional<PressureDirection> direction) {
    double dewPoint = ShownDewPoint(services, MainUnit::DewPoint, DewFrostPoint(vars.e));
    double converted = direction ? ShownDewPoint(services, MainUnit::DewPointAfterConversion,
                                                 DewFrostPoint(vars.e2))
                                 : std::numeric_limits<double>::quiet_NaN();
    PressureDewPointClass reading = ClassifyPressureDewPoint(direction, dewPoint, converted);
    const bool onConverted = IsConvertedDewPoint(reading.source);
    const std::string tip = HumidityClassTip(reading);
    support::WriteToolTip(services, MainUnit::DewPoint, onConverted ? "" : tip);
    support::WriteToolTip(services, MainUnit::DewPointAfterConversion, onConverted ? tip : "");
}

}  // namespace

HumidityVariables& Humidity() {
    static HumidityVariables variables;
    return variables;
}

void ConvertHumidity(const RuntimeServices& services, EventRecord&) {
    HumidityVariables& vars = Humidity();
    vars.absoluteHumidityFactor = AbsoluteHumidityFactor;
    int32_t mode = support::ReadSelection(services, MainUnit::KnownQuantity);
    std::optional<double> t;
    if (IsKnownQuantityMode(mode)) t = RunModeBlock(services, mode, vars);
    WriteNumber(services, MainUnit::DewPoint, DewFrostPoint(vars.e), kDewPointDecimals);
    std::optional<PressureDirection> direction = ReadDirection(services);
    if (direction) ConvertUnderPressure(services, vars, *direction, t);
    ShowHumidityClass(services, vars, direction);
}

}  // namespace engine
