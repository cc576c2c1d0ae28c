// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_page.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace delvarin {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

struct LanguageCodePage {
    std::string_view language;
    int codePage;
};

// The ANSI code pages of Windows by language; every language not listed
// uses the Western European 1252.
constexpr std::array<LanguageCodePage, 27> kLanguages{{
    {"fa", 1256}, {"ar", 1256}, {"ur", 1256}, {"he", 1255}, {"yi", 1255}, {"el", 1253},
    {"tr", 1254}, {"az", 1254}, {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251},
    {"sr", 1251}, {"mk", 1251}, {"kk", 1251}, {"cs", 1250}, {"pl", 1250}, {"hu", 1250},
    {"sk", 1250}, {"sl", 1250}, {"hr", 1250}, {"ro", 1250}, {"lt", 1257}, {"lv", 1257},
    {"et", 1257}, {"vi", 1258}, {"th", 874},
}};

// Where the language does not tell the whole story, the territory does.
int EastAsianCodePage(std::string_view language, std::string_view territory) {
    if (language == "ja") return 932;
    if (language == "ko") return 949;
    if (language == "zh") return (territory == "tw" || territory == "hk") ? 950 : 936;
    return 0;
}

}  // namespace

int CodePageForLocale(std::string_view locale) {
    const std::string name = Lower(locale.substr(0, locale.find('@')));
    const std::size_t dot = name.find('.');
    const std::string codeset = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (codeset == "cp1256" || codeset == "windows-1256") return 1256;
    const std::string base = name.substr(0, dot);
    const std::size_t underscore = base.find('_');
    const std::string language = base.substr(0, underscore);
    const std::string territory =
        underscore == std::string::npos ? "" : base.substr(underscore + 1);
    if (const int eastAsian = EastAsianCodePage(language, territory)) return eastAsian;
    for (const auto& [lang, codePage] : kLanguages)
        if (language == lang) return codePage;
    return 1252;
}

int SystemCodePage() {
#ifdef _WIN32
    return static_cast<int>(GetACP());
#else
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return CodePageForLocale(value);
    }
    return CodePageForLocale("C");
#endif
}

}  // namespace delvarin
