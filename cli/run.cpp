#include "cli/run.h"

#include <cerrno>
#include <cstring>

#include "cli/arguments/arguments.h"
#include "cli/arguments/help.h"
#include "cli/batch/batch.h"
#include "cli/facts/conversions.h"
#include "cli/output/lunar_output.h"
#include "cli/output/output.h"
#include "cli/text/box_text.h"
#include "cli/text/messages.h"

namespace cli {
namespace {

// A typed text as the window's box holds it: GBK for the engine, and back in
// UTF-8 for showing.
struct BoxText {
    std::string gbk;
    std::string shown;
};

BoxText Typed(std::string_view utf8) {
    std::string gbk = TypedTextToGbk(utf8);
    std::string shown = ShownText(gbk);
    return {std::move(gbk), std::move(shown)};
}

// A warning line on standard error for each physically impossible input;
// the results are shown all the same, as the window shows them.
void WarnOfImpossibleInputs(const ImpossibleInputs& impossible, Language language,
                            std::ostream& err) {
    for (const Message& message : impossible.Messages()) {
        err << messages::kProgramName << ": "
            << Say(messages::kWarning, language, Say(message, language)) << '\n';
    }
}

ExitStatus RunConvert(ConvertRequest request, Language language, std::ostream& out,
                      std::ostream& err) {
    BoxText value = Typed(request.value);
    BoxText temperature = Typed(request.temperature);
    BoxText pressure = Typed(request.pressure);
    HumidityInputs inputs{
        request.quantity.mode,   value.gbk,         temperature.gbk,      pressure.gbk,
        request.gaugeUnit.index, request.direction, request.pressureGiven};
    HumidityConverter converter;
    HumidityTexts results = converter.Convert(inputs);
    WarnOfImpossibleInputs(converter.Impossible(), language, err);
    request.value = value.shown;
    request.temperature = temperature.shown;
    request.pressure = pressure.shown;
    WriteHumidity(out, request, results, converter.HumidityClass(), language);
    return ExitStatus::Success;
}

ExitStatus RunPressure(PressureRequest request, Language language, std::ostream& out) {
    BoxText value = Typed(request.value);
    PressureTexts results = ConvertPressure(value.gbk, request.unit);
    request.value = value.shown;
    WritePressure(out, request, results, language);
    return ExitStatus::Success;
}

ExitStatus ReportUsageError(const UsageError& error, Language language, std::ostream& err) {
    err << messages::kProgramName << ": "
        << Say(error.message, language, error.argument, error.detail) << '\n'
        << Say(messages::kTryHelp, language) << '\n';
    return ExitStatus::Usage;
}

ExitStatus RunLunar(const LunarRequest& request, Language language, std::ostream& out,
                    std::ostream& err) {
    std::optional<DayFacts> facts = FactsOfDay(request.date, request.time);
    if (!facts) {
        return ReportUsageError({messages::kOutsideLunarRange, DateText(request.date)}, language,
                                err);
    }
    WriteDay(out, *facts, request.format, language);
    return ExitStatus::Success;
}

// "2021 4 30" or "2020 4 1 --leap", as given.
std::string LunarDateArguments(const GregorianRequest& r) {
    return std::to_string(r.lunarYear) + " " + std::to_string(r.lunarMonth) + " " +
           std::to_string(r.lunarDay) + (r.isLeap ? " --leap" : "");
}

ExitStatus RunGregorian(const GregorianRequest& request, Language language, std::ostream& out,
                        std::ostream& err) {
    lunar::SolarDate date;
    std::optional<DayFacts> facts;
    if (lunar::LunarToSolar(request.lunarYear, request.lunarMonth, request.lunarDay, request.isLeap,
                            date)) {
        facts = FactsOfDay(date, {});
    }
    if (!facts) {
        return ReportUsageError({messages::kNoSuchLunarDate, LunarDateArguments(request)}, language,
                                err);
    }
    WriteDay(out, *facts, request.format, language);
    return ExitStatus::Success;
}

ExitStatus RunSolarTerms(const SolarTermsRequest& request, Language language, std::ostream& out,
                         std::ostream& err) {
    auto terms = SolarTermsOf(request.year);
    if (!terms) {
        return ReportUsageError({messages::kOutsideTermRange, std::to_string(request.year)},
                                language, err);
    }
    WriteSolarTerms(out, request.year, *terms, request.format, language);
    return ExitStatus::Success;
}

ExitStatus RunCalendar(const CalendarRequest& request, Language language, std::time_t now,
                       std::ostream& out) {
    if (!request.year) {
        lunar::SolarDate today = ChinaDateOf(now);
        WriteMonth(out, FactsOfMonth(today.year, today.month), request.format, language);
    } else if (!request.month) {
        WriteYear(out, FactsOfYear(*request.year), request.format, language);
    } else {
        WriteMonth(out, FactsOfMonth(*request.year, *request.month), request.format, language);
    }
    return ExitStatus::Success;
}

// The name and version, then who holds the copyright and what the licence is.
void WriteVersion(std::ostream& out, Language language) {
    out << messages::kProgramName << ' ' << HC_VERSION << '\n'
        << Say(messages::kVersionCopyright, language, HC_VENDOR) << '\n'
        << Say(messages::kVersionLicence, language, HC_VENDOR, HC_CONTACT) << '\n';
}

}  // namespace

ExitStatus Run(std::span<const std::string> args, const Environment& environment, std::ostream& out,
               std::ostream& err) {
    const Language language = environment.language;
    Request request = ParseArguments(args);
    if (auto* batch = std::get_if<BatchRequest>(&request)) {
        return RunBatch(*batch, environment, out, err);
    }
    if (auto* convert = std::get_if<ConvertRequest>(&request)) {
        return RunConvert(*convert, language, out, err);
    }
    if (auto* pressure = std::get_if<PressureRequest>(&request)) {
        return RunPressure(*pressure, language, out);
    }
    if (auto* lunarDay = std::get_if<LunarRequest>(&request)) {
        return RunLunar(*lunarDay, language, out, err);
    }
    if (auto* gregorian = std::get_if<GregorianRequest>(&request)) {
        return RunGregorian(*gregorian, language, out, err);
    }
    if (auto* terms = std::get_if<SolarTermsRequest>(&request)) {
        return RunSolarTerms(*terms, language, out, err);
    }
    if (auto* calendar = std::get_if<CalendarRequest>(&request)) {
        return RunCalendar(*calendar, language, environment.now, out);
    }
    if (auto* help = std::get_if<HelpRequest>(&request)) {
        out << HelpText(help->command, language);
        return ExitStatus::Success;
    }
    if (std::holds_alternative<VersionRequest>(request)) {
        WriteVersion(out, language);
        return ExitStatus::Success;
    }
    return ReportUsageError(std::get<UsageError>(request), language, err);
}

ExitStatus FinishOutput(FileOutput& output, ExitStatus status, const Environment& environment,
                        std::ostream& err) {
    int error = output.Close();
    if (error == 0) return status;
    if (error != EPIPE) {
        err << messages::kProgramName << ": "
            << Say(messages::kWriteError, environment.language, strerror(error)) << '\n';
    }
    return ExitStatus::OutputFailed;
}

ExitStatus ReportOutOfMemory(const Environment& environment, std::ostream& err) {
    err << messages::kProgramName << ": " << Say(messages::kOutOfMemory, environment.language)
        << '\n';
    return ExitStatus::OutputFailed;
}

}  // namespace cli
