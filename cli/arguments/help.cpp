#include "cli/arguments/help.h"

#include <array>

#include "cli/text/messages.h"

namespace cli {
namespace {

using namespace messages;

// The commands' sections in the order the whole help lists them.
constexpr std::array<const Message*, 7> kCommandSections = {
    &kHelpConvert, &kHelpPressure, &kHelpLunar, &kHelpGregorian,
    &kHelpTerms,   &kHelpCalendar, &kHelpBatch,
};

constexpr std::string_view kSectionGap = "\n";

std::string WholeHelp(Language language) {
    std::string text(Say(kHelpIntro, language));
    for (const Message* section : kCommandSections) {
        text.append(Say(*section, language)).append(kSectionGap);
    }
    return text.append(Say(kHelpOthers, language))
        .append(kSectionGap)
        .append(Say(kHelpRules, language));
}

}  // namespace

std::string HelpText(const Message* command, Language language) {
    if (command == nullptr) return WholeHelp(language);
    return Say(kHelpUsage, language) + Say(*command, language) + std::string(kSectionGap) +
           Say(kHelpRules, language);
}

}  // namespace cli
