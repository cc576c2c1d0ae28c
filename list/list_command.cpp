// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_command.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "check.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"
#include "text.h"
#include "utf.h"

namespace delvarin {
namespace {

constexpr std::string_view kUsage =
    "usage: delvarin-list --mother TEXT [--boy | --girl] [--prefix TEXT] [--use-prefix]\n"
    "                     [--delete-letters] [--group 0..3] [--planet LABEL]\n"
    "       delvarin-list --catalogue\n"
    "       delvarin-list --sign-lists\n"
    "Prints the suggested names exactly as the window lists them.\n"
    "Exit: 0 listed, 2 inputs refused, 64 bad usage, 74 the output could not be\n"
    "      written.\n";

struct Options {
    std::u16string mother;
    std::u16string prefix{kDefaultPrefix};
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
    std::vector<std::string_view> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // A second value would silently win over the first.
        if (arg == "--mother" || arg == "--prefix" || arg == "--group" || arg == "--planet") {
            if (std::find(seen.begin(), seen.end(), arg) != seen.end())
                return std::string(arg) + " is given twice";
            seen.push_back(arg);
        }
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
            out += Utf16ToUtf8(SharedNameData().signLists.list(set, k));
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

    // The window folds a typed Farsi yeh as it goes in; the rest of what it
    // would quietly take out of a box is refused here, so a script learns
    // of it.
    for (auto [option, text] : {std::pair{"--mother", &o.mother}, {"--prefix", &o.prefix}}) {
        FoldFarsiYeh(*text);
        const TypedTextStatus typed = CheckTypedText(*text);
        switch (typed) {
            case TypedTextStatus::Fits:
                break;
            case TypedTextStatus::StrippedCharacter:
            case TypedTextStatus::LoneSurrogate:
            case TypedTextStatus::TooLong:
                return BadUsage(std::string(option) + " " + std::string(TypedTextProblem(typed)));
        }
    }

    const PlanetGroup group = *PlanetGroupEntries(o.group);
    const auto foreignPlanet = [&] {
        std::string entries;
        for (std::u16string_view label : group.labels) entries += "\n  " + Utf16ToUtf8(label);
        return BadUsage("--planet must be an entry of group " + std::to_string(o.group) + ":" +
                        entries);
    };
    if (o.planet &&
        std::find(group.labels.begin(), group.labels.end(), *o.planet) == group.labels.end())
        return foreignPlanet();

    const CheckStatus check = CheckComplete(o.mother, o.boy, o.girl, o.prefix, o.usePrefix ? 1 : 0);
    switch (check) {
        case CheckStatus::MayProceed:
            break;
        case CheckStatus::MotherNotPersian:
        case CheckStatus::NoGender:
        case CheckStatus::PrefixNotPersian:
            return {ListExit::Refused, {}, Utf16ToUtf8(CheckMessage(check)) + "\n"};
    }

    NameListRequest request{
        .convertLetters = !o.deleteLetters,
        .mother = std::move(o.mother),
        .prefix = std::move(o.prefix),
        .prefixInUse = o.usePrefix,
        .boy = o.boy,
        .planets = o.planet ? GroupChoice(o.group, *o.planet) : GroupChoice(o.group),
    };
    const NameList list = MakeNameList(SharedNameData(), request);
    switch (list.status) {
        case NameListStatus::Made:
            return {ListExit::Listed, Utf16ToUtf8(list.text) + "\n", {}};
        case NameListStatus::PlanetNotFound:
            // Every entry of a group is a planet or the all-entries entry.
            return foreignPlanet();
    }
    return {};
}

}  // namespace delvarin
