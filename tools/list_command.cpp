// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_command.h"

#include <charconv>
#include <optional>
#include <vector>

#include "abjad.h"
#include "check.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"
#include "utf.h"

namespace delvarin {
namespace {

// The window's name boxes take at most this many UTF-16 code units.
constexpr std::size_t kBoxLimit = 20;

constexpr std::string_view kUsage =
    "usage: delvarin-list --mother TEXT [--boy | --girl] [--prefix TEXT] [--use-prefix]\n"
    "                     [--delete-letters] [--group 0..3] [--planet LABEL]\n"
    "       delvarin-list --catalogue\n"
    "       delvarin-list --sign-lists\n"
    "Prints the suggested names exactly as the window lists them.\n"
    "Exit: 0 listed, 2 inputs refused, 3 planet not found, 64 bad usage.\n";

struct Options {
    std::u16string mother;
    std::u16string prefix = u"سيد";
    bool usePrefix = false;
    bool boy = false;
    bool girl = false;
    bool deleteLetters = false;
    int group = 0;
    std::optional<std::u16string> planet;
    bool catalogue = false;
    bool signLists = false;
    bool listOptions = false;  // any option that only a list request takes
};

ListOutput BadUsage(std::string why) {
    return {ListExit::BadUsage, {}, "delvarin-list: " + why + "\n" + std::string(kUsage)};
}

std::optional<std::string> ParseArguments(std::span<const std::string_view> args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        auto text = [&]() -> std::optional<std::u16string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return Utf8ToUtf16(args[++i]);
        };
        auto textOption = [&](std::u16string& into) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::string(arg) + " needs a value";
            auto value = text();
            if (!value) return std::string(arg) + " is not valid UTF-8";
            into = std::move(*value);
            return std::nullopt;
        };
        std::optional<std::string> problem;
        if (arg == "--mother") {
            problem = textOption(o.mother);
        } else if (arg == "--prefix") {
            problem = textOption(o.prefix);
        } else if (arg == "--planet") {
            std::u16string label;
            problem = textOption(label);
            o.planet = std::move(label);
        } else if (arg == "--group") {
            if (i + 1 >= args.size()) return "--group needs a value";
            const std::string_view value = args[++i];
            int group = -1;
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), group);
            if (ec != std::errc{} || end != value.data() + value.size() || group < 0 || group > 3)
                return "--group takes 0, 1, 2 or 3";
            o.group = group;
        } else if (arg == "--use-prefix") {
            o.usePrefix = true;
        } else if (arg == "--boy") {
            o.boy = true;
        } else if (arg == "--girl") {
            o.girl = true;
        } else if (arg == "--delete-letters") {
            o.deleteLetters = true;
        } else if (arg == "--catalogue") {
            o.catalogue = true;
            continue;
        } else if (arg == "--sign-lists") {
            o.signLists = true;
            continue;
        } else {
            if (!Utf8ToUtf16(arg)) return "an argument is not valid UTF-8";
            return "unknown argument '" + std::string(arg) + "'";
        }
        if (problem) return problem;
        o.listOptions = true;
    }
    if (o.boy && o.girl) return "give --boy or --girl, not both";
    if (o.catalogue + o.signLists + o.listOptions > 1)
        return "--catalogue and --sign-lists stand alone";
    return std::nullopt;
}

const NameData& Data() {
    static const NameData data = [] {
        NameData d;
        ReadData(d);
        return d;
    }();
    return data;
}

std::string CatalogueRowsText() {
    std::string out;
    for (const CatalogueRow& row : CatalogueRows()) {
        out += std::to_string(row.index);
        out += '\t';
        out += GenderText(row.gender);
        out += '\t';
        out += Utf16ToUtf8(row.name);
        out += '\n';
    }
    return out;
}

std::string SignListsText() {
    std::string out;
    for (SignSet set : kSignSets) {
        for (int k = 0; k < SignLists::kSigns; ++k) {
            out += SignSetName(set);
            out += '\t';
            out += std::to_string(k);
            out += '\t';
            out += Utf16ToUtf8(Data().signLists.list(set, k));
            out += '\n';
        }
    }
    return out;
}

}  // namespace

ListOutput RunListCommand(std::span<const std::string_view> args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))
        return {ListExit::Listed, std::string(kUsage), {}};
    Options o;
    if (auto problem = ParseArguments(args, o)) return BadUsage(*problem);
    if (o.catalogue) return {ListExit::Listed, CatalogueRowsText(), {}};
    if (o.signLists) return {ListExit::Listed, SignListsText(), {}};

    // What a user types is folded as the window folds it, then held to the
    // window's box limit.
    FoldFarsiYeh(o.mother);
    FoldFarsiYeh(o.prefix);
    if (o.mother.size() > kBoxLimit) return BadUsage("--mother takes at most 20 characters");
    if (o.prefix.size() > kBoxLimit) return BadUsage("--prefix takes at most 20 characters");

    const CheckStatus check = CheckComplete(o.mother, o.boy, o.girl, o.prefix, o.usePrefix ? 1 : 0);
    switch (check) {
        case CheckStatus::MayProceed:
            break;
        case CheckStatus::MotherNotPersian:
        case CheckStatus::NoGender:
        case CheckStatus::PrefixNotPersian:
            return {ListExit::Refused, {}, Utf16ToUtf8(CheckMessage(check)) + "\n"};
    }

    const PlanetGroup group = *PlanetGroupEntries(o.group);
    const std::u16string chosen =
        o.planet ? *o.planet
                 : std::u16string(group.labels[static_cast<std::size_t>(group.selected)]);
    NameListRequest request;
    request.convertLetters = !o.deleteLetters;
    request.mother = o.mother;
    request.prefix = o.prefix;
    request.prefixInUse = o.usePrefix;
    request.boy = o.boy;
    request.chosenLabel = chosen;
    request.groupLabels = group.labels;

    const NameList list = MakeNameList(Data(), request);
    switch (list.status) {
        case NameListStatus::Made:
            return {ListExit::Listed, Utf16ToUtf8(list.text) + "\n", {}};
        case NameListStatus::PlanetNotFound:
            return {ListExit::PlanetNotFound, {}, Utf16ToUtf8(NameListMessage(list.status)) + "\n"};
    }
    return {};
}

}  // namespace delvarin
