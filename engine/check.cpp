// SPDX-License-Identifier: GPL-3.0-or-later
#include "check.h"

#include "abjad.h"

namespace delvarin {

std::u16string_view CheckMessage(CheckStatus status) {
    switch (status) {
        case CheckStatus::MayProceed:
            return {};
        case CheckStatus::MotherNotPersian:
            return u"نام مادر را به فارسي وارد كنيد";
        case CheckStatus::NoGender:
            return u"جنسيت فرزند را انتخاب كنيد";
        case CheckStatus::PrefixNotPersian:
            return u"پيشوند نام را به فارسي وارد كنيد";
    }
    return {};
}

CheckStatus CheckComplete(std::u16string_view mother, bool son, bool daughter,
                          std::u16string_view prefix, int prefixWanted) {
    // A value past the 32-bit range is plainly more than 1.
    auto persian = [](std::u16string_view text) {
        const auto value = AbjadValue(text, true);
        return !value || *value > 1;
    };
    if (!persian(mother)) return CheckStatus::MotherNotPersian;
    if (!son && !daughter) return CheckStatus::NoGender;
    if (persian(prefix) || prefixWanted == 0) return CheckStatus::MayProceed;
    return CheckStatus::PrefixNotPersian;
}

}  // namespace delvarin
