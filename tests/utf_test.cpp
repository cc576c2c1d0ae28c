// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf.h"

#include <gtest/gtest.h>

namespace delvarin {
namespace {

TEST(Utf, RoundTripsPersianAndAstralText) {
    const std::u16string text = u"سيد علي \u200C 🌙 Ali";
    const std::string bytes = Utf16ToUtf8(text);
    EXPECT_EQ(Utf8ToUtf16(bytes), text);
}

TEST(Utf, RefusesMalformedBytes) {
    for (std::string_view bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                 "\xD8", "abc\xFF", "\x80", "\xE2\x82"}) {
        EXPECT_FALSE(Utf8ToUtf16(bad)) << testing::PrintToString(bad);
    }
}

TEST(Utf, LoneSurrogateBecomesReplacementCharacter) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace delvarin
