// Any command line, as NUL-separated arguments, through the list command.
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

// The two stand-alone outputs, made once so each run can compare with them.
const std::string& Standalone(std::string_view option) {
    static const std::array<std::string, 2> outputs = [] {
        std::array<std::string, 2> o;
        const std::array<std::string_view, 1> catalogue{"--catalogue"};
        const std::array<std::string_view, 1> signLists{"--sign-lists"};
        o[0] = delvarin::RunListCommand(catalogue).out;
        o[1] = delvarin::RunListCommand(signLists).out;
        return o;
    }();
    return outputs[option == "--catalogue" ? 0 : 1];
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
    if (out == Standalone("--catalogue") || out == Standalone("--sign-lists")) return 0;
    Check(out.ends_with("- - -\n"));
    return 0;
}
