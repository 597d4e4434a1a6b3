#include "tests/reliability/expected_outputs.h"

#include <iconv.h>

#include <string_view>

#include "engine/vapour.h"
#include "runtime/convert.h"

namespace reliability {
namespace {

constexpr double kStandardPressure = 101325.0;
constexpr bool kNoSeparators = false;

// Decimals of the humidity results.
constexpr int32_t kHumidityDecimals = 4;
constexpr int32_t kDewPointDecimals = 2;
constexpr int32_t kVolumeRatioDecimals = 1;
constexpr int32_t kGramsDecimals = 3;
constexpr int32_t kMilligramsDecimals = 1;
constexpr int32_t kMixingRatioDecimals = 4;
constexpr int32_t kPressureDecimals = 3;

// Decimals of the pressure rows: the first box written gets five.
constexpr int32_t kFirstTargetDecimals = 5;
constexpr int32_t kOtherTargetDecimals = 4;

// A value in the row's unit times the factor gives the column's unit; rows
// and columns bar, MPa, kPa, atm, kgf/cm2, mmHg, PSI. The diagonal is unused.
constexpr double kFactors[kPressureRowCount][kPressureRowCount] = {
    {0, 0.1, 100, 0.98692327, 1.01971621, 750.061682704, 14.50377439},
    {10, 0, 1000, 9.86923267, 10.19716213, 7500.61682704, 145.0377439},
    {0.01, 0.001, 0, 0.00986923, 0.01019716, 7.50061683, 0.14503774},
    {1.01325, 0.101325, 101.325, 0, 1.03322745, 760, 14.6959494},
    {0.980665, 0.0980665, 98.0665, 0.96784111, 0, 735.55924007, 14.22334391},
    {0.00133322, 0.000133322, 0.13332237, 0.00131579, 0.00135951, 0, 0.01933678},
    {0.06894757, 0.006894757, 6.894757, 0.06804596, 0.07030695, 51.71493037, 0},
};

std::string Shown(double value, int32_t decimals) {
    return runtime::FormatFixedDecimals(value, decimals, kNoSeparators);
}

// The quantities of vapour pressure e at temperature t and total pressure P,
// written out from their definitions rather than taken from the engine's
// moisture set; the order of operations is the definitions' own.
struct Quantities {
    double relativeHumidity;
    double volumeRatio;
    double gramsPerCubicMetre;
    double milligramsPerCubicMetre;
    double mixingRatio;
};

Quantities QuantitiesOf(double e, double es, double t, double totalPressure) {
    constexpr double kKelvinOffset = 273.16;
    constexpr double kMolarMassRatioPerMille = 622;
    constexpr double kPercent = 100;
    constexpr double kMillion = 1000000;
    constexpr double kMilligramsPerGram = 1000;
    Quantities q;
    q.relativeHumidity = (e / es) * kPercent;
    q.volumeRatio = (e / (totalPressure - e)) * kMillion;
    q.gramsPerCubicMetre = (e * engine::AbsoluteHumidityFactor) / (t + kKelvinOffset);
    q.milligramsPerCubicMetre = q.gramsPerCubicMetre * kMilligramsPerGram;
    q.mixingRatio = (e * kMolarMassRatioPerMille) / (totalPressure - e);
    return q;
}

constexpr char kReplacement = '?';
constexpr unsigned char kFirstNonAscii = 0x80;

// Whether the bytes are exactly one character that the platform's GBK
// converter (glibc iconv) can decode: a pair in an assigned code position,
// or a single byte. Asked of iconv itself, not of the runtime's conversion
// under test.
bool DecodesAsOneCharacter(std::string_view bytes) {
    static const iconv_t decoder = iconv_open("UTF-8", "GBK");
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char output[8];
    char* out = output;
    size_t outLeft = sizeof output;
    return iconv(decoder, &in, &inLeft, &out, &outLeft) != size_t(-1) && inLeft == 0;
}

// The value the runtime reads from a box holding `gbk`.
double TypedValue(const std::string& gbk) {
    return runtime::ParseNumber(runtime::FoldFullWidth(gbk));
}

}  // namespace

std::string HeldText(const std::string& gbk) {
    std::string held;
    for (size_t i = 0; i < gbk.size(); ++i) {
        const std::string_view rest = std::string_view(gbk).substr(i);
        if (rest.starts_with("\r\n")) {
            held += "\r\n";
            ++i;
        } else if (rest[0] == '\n') {
            held += "\r\n";
        } else if (static_cast<unsigned char>(rest[0]) < kFirstNonAscii) {
            held += rest[0];
        } else if (rest.size() >= 2 && DecodesAsOneCharacter(rest.substr(0, 2))) {
            held += rest.substr(0, 2);
            ++i;
        } else if (DecodesAsOneCharacter(rest.substr(0, 1))) {
            held += rest[0];
        } else {
            held += kReplacement;
        }
    }
    return held;
}

std::vector<ShownText> ExpectedHumidityResults(const HumidityInputs& in) {
    const double t = TypedValue(in.temperature);
    const double es = engine::SatPressure(t);
    const double e = engine::VapourPressureFromKnown(in.mode, TypedValue(in.known), t, es);
    const double k = engine::PressureRatio(TypedValue(in.gauge), in.unit);
    const bool toStandard = in.direction == Direction::CurrentToStandard;
    const double e2 = toStandard ? e / k : e * k;
    const double totalPressure2 = toStandard ? kStandardPressure : k * kStandardPressure;
    const Quantities q = QuantitiesOf(e, es, t, kStandardPressure);
    const Quantities q2 = QuantitiesOf(e2, es, t, totalPressure2);
    return {
        {MainUnit::RelativeHumidity, Shown(q.relativeHumidity, kHumidityDecimals)},
        {MainUnit::DewPoint, Shown(engine::DewFrostPoint(e), kDewPointDecimals)},
        {MainUnit::VolumeRatio, Shown(q.volumeRatio, kVolumeRatioDecimals)},
        {MainUnit::AbsoluteHumidityGrams, Shown(q.gramsPerCubicMetre, kGramsDecimals)},
        {MainUnit::AbsoluteHumidityMilligrams,
         Shown(q.milligramsPerCubicMetre, kMilligramsDecimals)},
        {MainUnit::MixingRatio, Shown(q.mixingRatio, kMixingRatioDecimals)},
        {MainUnit::SaturationVapourPressure, Shown(es, kPressureDecimals)},
        {MainUnit::VapourPressure, Shown(e, kPressureDecimals)},
        {MainUnit::SupercooledDewPoint, Shown(engine::DewPointWater(e), kDewPointDecimals)},
        {MainUnit::RelativeHumidityAfterConversion, Shown(q2.relativeHumidity, kHumidityDecimals)},
        {MainUnit::DewPointAfterConversion, Shown(engine::DewFrostPoint(e2), kDewPointDecimals)},
        {MainUnit::VolumeRatioAfterConversion, Shown(q2.volumeRatio, kVolumeRatioDecimals)},
        {MainUnit::AbsoluteHumidityGramsAfterConversion,
         Shown(q2.gramsPerCubicMetre, kGramsDecimals)},
        {MainUnit::AbsoluteHumidityMilligramsAfterConversion,
         Shown(q2.milligramsPerCubicMetre, kMilligramsDecimals)},
        {MainUnit::MixingRatioAfterConversion, Shown(q2.mixingRatio, kMixingRatioDecimals)},
        {MainUnit::SaturationVapourPressureAfterConversion, Shown(es, kPressureDecimals)},
        {MainUnit::VapourPressureAfterConversion, Shown(e2, kPressureDecimals)},
        {MainUnit::SupercooledDewPointAfterConversion,
         Shown(engine::DewPointWater(e2), kDewPointDecimals)},
    };
}

std::vector<ShownText> ExpectedPressureResults(size_t row, const std::string& gbk) {
    const double value = TypedValue(gbk);
    std::vector<ShownText> shown;
    for (size_t target = 0; target < kPressureRowCount; ++target) {
        if (target == row) continue;
        const int32_t decimals = shown.empty() ? kFirstTargetDecimals : kOtherTargetDecimals;
        shown.push_back({kPressureBoxes[target], Shown(value * kFactors[row][target], decimals)});
    }
    return shown;
}

}  // namespace reliability
