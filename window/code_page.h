// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The system's code page for non-Unicode programs, the one question of the
// window's start-up that needs no Qt; the Windows build asks Windows itself.

#include <string_view>

namespace delvarin {

// The ANSI code page Windows would use for a POSIX locale name such as
// "fa_IR.UTF-8"; 1252 when nothing more specific is known.
int CodePageForLocale(std::string_view locale);

// On Windows, GetACP(). Elsewhere, the code page of the user's locale: the
// first non-empty of LC_ALL, LC_CTYPE and LANG, as Windows would answer for
// it.
int SystemCodePage();

}  // namespace delvarin
