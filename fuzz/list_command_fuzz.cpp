// SPDX-License-Identifier: GPL-3.0-or-later
// Command lines through the list command. An odd first byte builds a request
// from the fuzz bytes and checks the output against the engine's own list
// for exactly those inputs; an even one passes the bytes on as NUL-separated
// arguments and checks only what every answer must hold.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "list_command.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"
#include "reader.h"
#include "text.h"
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

void CheckAnyAnswer(const delvarin::ListOutput& result) {
    const int exit = static_cast<int>(result.exit);
    Check(exit == 0 || exit == 2 || exit == 64);
    Check(delvarin::Utf8ToUtf16(result.out).has_value());
    Check(delvarin::Utf8ToUtf16(result.err).has_value());
    if (result.exit != ListExit::Listed) {
        Check(result.out.empty() && !result.err.empty());
        return;
    }
    Check(IsStandalone(result.out) || result.out.ends_with("- - -\n"));
}

// Letters, the Farsi yeh the command folds, and what it must refuse.
constexpr std::array<char16_t, 16> kAlphabet{u'ا',  u'ب',      u'پ', u'چ',      u'ژ', u'گ',
                                             u'م',  u'ر',      u'ي', u'\u06CC', u' ', u'\u200C',
                                             u'\n', u'\u202E', u'a', u'\u0651'};

void CheckBuiltRequest(Reader& in) {
    const std::uint8_t flags = in.Byte();
    const bool boy = flags & 0x01, girl = flags & 0x02, deleteLetters = flags & 0x04;
    const bool usePrefix = flags & 0x08, givePrefix = flags & 0x10, giveGroup = flags & 0x20;
    const bool givePlanet = flags & 0x40;
    const int group = giveGroup ? in.Byte() % 4 : 0;
    std::u16string mother = in.Text();
    std::u16string prefix = givePrefix ? in.Text() : std::u16string(delvarin::kDefaultPrefix);
    const auto entries = *delvarin::PlanetGroupEntries(group);
    const std::uint8_t pick = in.Byte();
    // Mostly an entry of the group, sometimes one of another group's.
    const std::u16string planet(pick % 8 == 7 ? delvarin::PlanetTable[pick % 6].label
                                              : entries.labels[pick % entries.labels.size()]);

    std::vector<std::string> owned{"--mother", delvarin::Utf16ToUtf8(mother)};
    if (boy) owned.push_back("--boy");
    if (girl) owned.push_back("--girl");
    if (deleteLetters) owned.push_back("--delete-letters");
    if (usePrefix) owned.push_back("--use-prefix");
    if (givePrefix) owned.insert(owned.end(), {"--prefix", delvarin::Utf16ToUtf8(prefix)});
    if (giveGroup) owned.insert(owned.end(), {"--group", std::to_string(group)});
    if (givePlanet) owned.insert(owned.end(), {"--planet", delvarin::Utf16ToUtf8(planet)});
    const std::vector<std::string_view> args(owned.begin(), owned.end());
    const delvarin::ListOutput result = delvarin::RunListCommand(args);
    CheckAnyAnswer(result);

    delvarin::FoldFarsiYeh(mother);
    delvarin::FoldFarsiYeh(prefix);
    const bool inGroup =
        std::find(entries.labels.begin(), entries.labels.end(), planet) != entries.labels.end();
    if ((boy && girl) || delvarin::CheckTypedText(mother) != delvarin::TypedTextStatus::Fits ||
        delvarin::CheckTypedText(prefix) != delvarin::TypedTextStatus::Fits ||
        (givePlanet && !inGroup)) {
        Check(result.exit == ListExit::BadUsage);
        return;
    }
    const auto status = delvarin::CheckComplete(mother, boy, girl, prefix, usePrefix);
    if (status != delvarin::CheckStatus::MayProceed) {
        Check(result.exit == ListExit::Refused);
        Check(result.err == delvarin::Utf16ToUtf8(delvarin::CheckMessage(status)) + "\n");
        return;
    }
    const delvarin::NameList list = delvarin::MakeNameList(
        delvarin::SharedNameData(), {.convertLetters = !deleteLetters,
                                     .mother = mother,
                                     .prefix = prefix,
                                     .prefixInUse = usePrefix,
                                     .boy = boy,
                                     .planets = givePlanet ? delvarin::GroupChoice(group, planet)
                                                           : delvarin::GroupChoice(group)});
    Check(list.status == delvarin::NameListStatus::Made);
    Check(result.exit == ListExit::Listed);
    Check(result.out == delvarin::Utf16ToUtf8(list.text) + "\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0 && data[0] % 2 == 1) {
        Reader in(data + 1, size - 1, kAlphabet, 23, false);
        CheckBuiltRequest(in);
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    std::size_t start = size > 0 ? 1 : 0;
    while (start <= input.size() && args.size() < kMaxArgs) {
        std::size_t end = input.find('\0', start);
        if (end == std::string_view::npos) end = input.size();
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (size <= 1) args.clear();  // no arguments at all is a case too
    CheckAnyAnswer(delvarin::RunListCommand(args));
    return 0;
}
