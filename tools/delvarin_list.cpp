// SPDX-License-Identifier: GPL-3.0-or-later
// The headless list command: the window's list for the same inputs, on stdout.
#include <cstdio>
#include <string_view>
#include <vector>

#include "list_command.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const delvarin::ListOutput result = delvarin::RunListCommand(args);
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return static_cast<int>(result.exit);
}
