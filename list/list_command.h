// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace delvarin {

// Exit codes of the list command.
enum class ListExit : int {
    Listed = 0,
    Refused = 2,
    BadUsage = 64,
    OutputFailed = 74,
};

struct ListOutput {
    ListExit exit = ListExit::Listed;
    std::string out;  // UTF-8, written to stdout; empty unless listed
    std::string err;  // UTF-8, written to stderr
};

// Runs the list command on its arguments (without the program name). Pure:
// reads nothing and writes only the returned texts.
ListOutput RunListCommand(std::span<const std::string_view> args);

}  // namespace delvarin
