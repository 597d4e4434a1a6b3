#include "cli/text/language.h"

#include <cstdlib>

namespace cli {
namespace {

constexpr std::string_view kChinesePrefix = "zh";
constexpr std::string_view kPlaceholder = "{}";

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

Language LanguageOf(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (!IsSet(value)) continue;
        return std::string_view(value).starts_with(kChinesePrefix) ? Language::Chinese
                                                                   : Language::English;
    }
    return Language::English;
}

Language LanguageFromEnvironment() {
    return LanguageOf(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

std::string SayWith(const Message& message, Language language,
                    std::initializer_list<std::string_view> arguments) {
    std::string_view pattern = language == Language::Chinese ? message.chinese : message.english;
    std::string text;
    const std::string_view* argument = arguments.begin();
    for (size_t at = 0;;) {
        size_t found = pattern.find(kPlaceholder, at);
        if (found == std::string_view::npos || argument == arguments.end()) {
            return text.append(pattern.substr(at));
        }
        text.append(pattern.substr(at, found - at)).append(*argument++);
        at = found + kPlaceholder.size();
    }
}

}  // namespace cli
