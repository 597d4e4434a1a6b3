#pragma once
// The locales under which tests check that number texts never change. A
// machine set up by scripts/deps.sh has them; elsewhere they are compiled
// into HC_TEST_LOCALE_DIR, which LOCPATH then names for this process and the
// programs it starts (the C library then reads no locale from its archive).

#include <gtest/gtest.h>
#include <locale.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace testing_locales {

inline constexpr const char* kLocales[] = {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8",
                                           "zh_CN.UTF-8"};
inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

inline bool Loadable(const char* name) {
    locale_t locale = newlocale(LC_ALL_MASK, name, locale_t(0));
    if (locale != locale_t(0)) freelocale(locale);
    return locale != locale_t(0);
}

// Skips the test only when localedef is missing; fails when a locale cannot
// be made otherwise. Each locale is made aside and then renamed, so that tests
// running side by side never read half of one.
inline void ProvideLocales() {
    const auto allLoadable = [] {
        return std::all_of(std::begin(kLocales), std::end(kLocales), Loadable);
    };
    if (allLoadable()) return;
    const std::string directory = HC_TEST_LOCALE_DIR;
    setenv("LOCPATH", directory.c_str(), 1);
    if (allLoadable()) return;
    if (std::system("command -v localedef >/dev/null") != 0) {
        GTEST_SKIP() << "the test locales are missing and localedef is not installed";
    }
    for (const std::string name : kLocales) {
        const std::string target = directory + "/" + name, partial = target + ".$$";
        const std::string source = name.substr(0, name.find('.'));
        EXPECT_EQ(std::system(("[ -d " + target + " ] || { mkdir -p " + directory +
                               " && localedef -c -i " + source + " -f UTF-8 " + partial +
                               " >/dev/null; mv -T " + partial + " " + target +
                               " 2>/dev/null; rm -rf " + partial + "; }")
                                  .c_str()),
                  0);
    }
    for (const char* name : kLocales) {
        ASSERT_TRUE(Loadable(name)) << name << " is missing and could not be made in " << directory
                                    << " (is the locales package installed?)";
    }
}

}  // namespace testing_locales
