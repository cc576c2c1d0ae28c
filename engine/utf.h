// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace delvarin {

// Strict UTF-8 to UTF-16: nothing for overlong forms, surrogates, code points
// past U+10FFFF or truncated sequences.
std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace delvarin
