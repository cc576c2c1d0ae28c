// SPDX-License-Identifier: GPL-3.0-or-later
// The headless list command: the window's list for the same inputs, on stdout.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "list_command.h"

namespace {

// A list cut short by a full disk or a closed stdout must not pass for a
// whole one.
bool WriteAll(std::string_view bytes, std::FILE* stream) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const delvarin::ListOutput result = delvarin::RunListCommand(args);
    errno = 0;
    if (!result.out.empty() && (!WriteAll(result.out, stdout) || std::fclose(stdout) != 0)) {
        const int error = errno;
        std::fprintf(stderr, "delvarin-list: cannot write the output: %s\n",
                     error ? std::strerror(error) : "write error");
        return static_cast<int>(delvarin::ListExit::OutputFailed);
    }
    WriteAll(result.err, stderr);
    return static_cast<int>(result.exit);
}
