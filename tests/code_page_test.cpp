// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace delvarin {
namespace {

struct CodePageCase {
    const char* name;
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    int codePage;
};
void PrintTo(const CodePageCase& c, std::ostream* os) {
    *os << c.name;
}

class CodePage : public testing::TestWithParam<CodePageCase> {};

// Windows answers GetACP itself; elsewhere the locale variables decide.
#ifndef _WIN32
TEST_P(CodePage, FollowsTheFirstSetLocaleVariable) {
    const CodePageCase& c = GetParam();
    setenv("LC_ALL", c.lcAll, 1);
    setenv("LC_CTYPE", c.lcCtype, 1);
    setenv("LANG", c.lang, 1);
    EXPECT_EQ(SystemCodePage(), c.codePage);
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) unsetenv(variable);
}
#endif

TEST_P(CodePage, MapsTheFirstSetLocaleName) {
    const CodePageCase& c = GetParam();
    const char* first = *c.lcAll ? c.lcAll : *c.lcCtype ? c.lcCtype : *c.lang ? c.lang : "C";
    EXPECT_EQ(CodePageForLocale(first), c.codePage);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CodePage,
    testing::Values(CodePageCase{"Persian", "", "", "fa_IR.UTF-8", 1256},
                    CodePageCase{"ArabicWithModifier", "", "", "ar_EG.UTF-8@latin", 1256},
                    CodePageCase{"Urdu", "", "ur_PK", "en_US.UTF-8", 1256},
                    CodePageCase{"Cp1256Codeset", "", "", "xx_YY.CP1256", 1256},
                    CodePageCase{"LcAllWins", "en_GB.UTF-8", "fa_IR.UTF-8", "fa_IR.UTF-8", 1252},
                    CodePageCase{"LcCtypeBeforeLang", "", "fa_IR", "de_DE.UTF-8", 1256},
                    CodePageCase{"Russian", "", "", "ru_RU.UTF-8", 1251},
                    CodePageCase{"Japanese", "", "", "ja_JP.UTF-8", 932},
                    CodePageCase{"TraditionalChinese", "", "", "zh_TW.UTF-8", 950},
                    CodePageCase{"PosixC", "", "", "C", 1252},
                    CodePageCase{"NothingSet", "", "", "", 1252}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace delvarin
