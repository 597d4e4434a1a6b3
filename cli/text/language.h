#pragma once
// The language of help and messages, chosen from the locale variables the
// way POSIX programs choose their message catalogue: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty decides, and a value that
// starts with "zh" means Chinese. Only the variables are read; the process
// locale is never changed, so no number text depends on it.
//
//   environment ─► Language ─► Message (English, Chinese) ─► text

#include <initializer_list>
#include <string>
#include <string_view>

namespace cli {

enum class Language { English, Chinese };

// The variables' values, null when unset.
Language LanguageOf(const char* lcAll, const char* lcMessages, const char* lang);
Language LanguageFromEnvironment();

// A text of the program in both languages; each "{}" stands for the next
// argument.
struct Message {
    std::string_view english;
    std::string_view chinese;
};

std::string SayWith(const Message& message, Language language,
                    std::initializer_list<std::string_view> arguments);

template <typename... Arguments>
std::string Say(const Message& message, Language language, const Arguments&... arguments) {
    return SayWith(message, language, {std::string_view(arguments)...});
}

}  // namespace cli
