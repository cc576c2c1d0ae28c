// SPDX-License-Identifier: GPL-3.0-or-later
// The headless list command: the window's list for the same inputs, on stdout.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "list_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "utf.h"
#endif

namespace {

// A list cut short by a full disk or a closed stdout must not pass for a
// whole one.
bool WriteAll(std::string_view bytes, std::FILE* stream) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}

int Run(const std::vector<std::string_view>& args) {
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

}  // namespace

#ifdef _WIN32
// Windows hands main its arguments in the ANSI code page, where Persian
// becomes "????"; the wide ones arrive intact. Output is binary, so the
// bytes are the Linux build's, CR LF line ends and all.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> owned;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        owned.push_back(delvarin::Utf16ToUtf8(std::u16string(wide.begin(), wide.end())));
    }
    return Run({owned.begin(), owned.end()});
}
#else
int main(int argc, char** argv) {
    return Run({argv + 1, argv + argc});
}
#endif
