// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace delvarin {

// Why a request may not go on; each refusal has its message.
enum class CheckStatus { MayProceed, MotherNotPersian, NoGender, PrefixNotPersian };

std::u16string_view CheckMessage(CheckStatus status);

// Judges the mother's name, then the gender, then the prefix, and answers the
// first that fails. Texts are valued under the convert table whatever table is
// chosen; a value of 0 or 1 means the text holds no Persian letters worth the
// name. Any non-zero `prefixWanted` wants the prefix.
CheckStatus CheckComplete(std::u16string_view mother, bool son, bool daughter,
                          std::u16string_view prefix, int prefixWanted);

}  // namespace delvarin
