// SPDX-License-Identifier: GPL-3.0-or-later
// Any command line, as NUL-separated arguments, through the list command.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "list_command.h"
#include "utf.h"

namespace {

using delvarin::ListExit;

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

constexpr std::size_t kMaxArgs = 12;

// The stand-alone outputs, made once so each run can compare with them.
bool IsStandalone(const std::string& out) {
    static const std::array<std::string, 3> outputs = [] {
        std::array<std::string, 3> o;
        const std::array<std::string_view, 3> options{"--catalogue", "--sign-lists", "--help"};
        for (std::size_t i = 0; i < options.size(); ++i)
            o[i] = delvarin::RunListCommand(std::span(options).subspan(i, 1)).out;
        return o;
    }();
    return std::find(outputs.begin(), outputs.end(), out) != outputs.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    std::size_t start = 0;
    while (start <= input.size() && args.size() < kMaxArgs) {
        std::size_t end = input.find('\0', start);
        if (end == std::string_view::npos) end = input.size();
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (size == 0) args.clear();  // no arguments at all is a case too

    const delvarin::ListOutput result = delvarin::RunListCommand(args);
    const int exit = static_cast<int>(result.exit);
    Check(exit == 0 || exit == 2 || exit == 3 || exit == 64);
    Check(delvarin::Utf8ToUtf16(result.out).has_value());
    Check(delvarin::Utf8ToUtf16(result.err).has_value());
    if (result.exit != ListExit::Listed) {
        Check(result.out.empty() && !result.err.empty());
        return 0;
    }
    const std::string& out = result.out;
    if (IsStandalone(out)) return 0;
    Check(out.ends_with("- - -\n"));
    return 0;
}
