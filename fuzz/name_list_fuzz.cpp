// SPDX-License-Identifier: GPL-3.0-or-later
// Any request the window could send, and some it could not, through the input
// check and the list maker, against a brute-force count over the catalogue.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "abjad.h"
#include "catalogue.h"
#include "check.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"
#include "reader.h"
#include "text.h"

namespace {

using delvarin::CatalogueRow;
using delvarin::CheckStatus;
using delvarin::GetAbjad;
using delvarin::NameListStatus;

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

// Letters of both tables, what a user might type around them, and the units
// that tend to break text handling.
// clang-format off
constexpr char16_t kAlphabet[] = {
    u'ا', u'آ', u'ء', u'أ', u'إ', u'ب', u'ج', u'د', u'ه', u'ة', u'و', u'ؤ',
    u'ز', u'ح', u'ط', u'ي', u'ئ', u'ك', u'ک', u'ل', u'م', u'ن', u'س', u'ع',
    u'ف', u'ص', u'ق', u'ر', u'ش', u'ت', u'ث', u'خ', u'ذ', u'ض', u'ظ', u'غ',
    u'پ', u'چ', u'ژ', u'گ', u'\u06CC', u' ', u' ', u'\u00A0',
    u'\u064B', u'\u064E', u'\u0650', u'\u0651',                       // vowel signs
    u'\u200C', u'\u200D', u'\u200E', u'\u200F', u'\u202B', u'\u202C', u'\u061C',
    u'\0', u'\t', u'\r', u'\n', u'\u007F',                            // control characters
    u'0', u'7', u'\u06F5', u'a', u'Z', u'(', u')', u'-',
    0xD83D, 0xDE00, 0xDBFF, 0xDC00, u'\uFFFD'};  // surrogate halves, paired or not
// clang-format on

// Each row's value under the convert [1] and delete [0] tables.
const std::array<std::vector<std::int32_t>, 2>& RowValues() {
    static const auto values = [] {
        std::array<std::vector<std::int32_t>, 2> v;
        for (const CatalogueRow& row : delvarin::CatalogueRows()) {
            Check(delvarin::SharedNameData().names.name(row.index) == row.name);
            v[0].push_back(GetAbjad(row.name, false));
            v[1].push_back(GetAbjad(row.name, true));
        }
        return v;
    }();
    return values;
}

// Looks the label up in the table directly, not through FindPlanet.
int PlanetRemainder(std::u16string_view label) {
    for (const auto& entry : delvarin::PlanetTable)
        if (entry.label == label) return entry.remainder;
    return -1;
}

std::u16string_view TrimSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

CheckStatus ExpectedCheck(std::u16string_view mother, bool son, bool daughter,
                          std::u16string_view prefix, int prefixWanted) {
    if (GetAbjad(mother, true) <= 1) return CheckStatus::MotherNotPersian;
    if (!son && !daughter) return CheckStatus::NoGender;
    if (prefixWanted != 0 && GetAbjad(prefix, true) <= 1) return CheckStatus::PrefixNotPersian;
    return CheckStatus::MayProceed;
}

}  // namespace

// Input: flags byte (bit 0 convert table, 1 prefix in use, 2 boy, 3 son,
// 4 daughter, 5 own label list, 6 fold Farsi yeh), prefix-wanted byte (signed),
// group byte, mother text, prefix text, [own labels], chosen label.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& values = RowValues();
    Reader in(data, size, kAlphabet, 20, true);

    const std::uint8_t flags = in.Byte();
    const bool convert = flags & 0x01;
    const bool prefixInUse = flags & 0x02;
    const bool boy = flags & 0x04;
    const bool son = flags & 0x08;
    const bool daughter = flags & 0x10;
    const bool ownLabels = flags & 0x20;
    const bool fold = flags & 0x40;
    const int prefixWanted = static_cast<std::int8_t>(in.Byte());
    const int group = in.Byte() % 4;

    std::u16string mother = in.Text();
    std::u16string prefix = in.Text();
    if (fold) {
        delvarin::FoldFarsiYeh(mother);
        delvarin::FoldFarsiYeh(prefix);
    }

    // The labels live in `labelTexts`; reserve so the views stay valid.
    std::vector<std::u16string> labelTexts;
    labelTexts.reserve(32);
    auto keep = [&](std::u16string_view text) -> std::u16string_view {
        return labelTexts.emplace_back(text);
    };
    std::vector<std::u16string_view> labels;
    if (ownLabels) {
        const int count = in.Byte() % 10;
        for (int i = 0; i < count; ++i) {
            switch (in.Byte() % 4) {
                case 0:
                    labels.push_back(delvarin::PlanetTable[in.Byte() % 6].label);
                    break;
                case 1:
                    labels.push_back(delvarin::kAllEntries);
                    break;
                case 2:
                    labels.push_back(keep(in.Text()));
                    break;
                default:
                    labels.push_back(delvarin::kPlanetGroupNames[in.Byte() % 4]);
                    break;
            }
        }
    } else {
        const auto entries = delvarin::PlanetGroupEntries(group);
        Check(entries.has_value());
        labels.assign(entries->labels.begin(), entries->labels.end());
        Check(entries->selected >= 0 &&
              static_cast<std::size_t>(entries->selected) < labels.size());
    }
    std::u16string_view chosen;
    switch (in.Byte() % 4) {
        case 0:
            if (!labels.empty()) chosen = labels[in.Byte() % labels.size()];
            break;
        case 1:
            chosen = delvarin::kAllEntries;
            break;
        case 2:
            chosen = delvarin::PlanetTable[in.Byte() % 6].label;
            break;
        default:
            chosen = keep(in.Text());
            break;
    }

    // The input check.
    CheckStatus status = CheckStatus::MayProceed;
    try {
        status = delvarin::CheckComplete(mother, son, daughter, prefix, prefixWanted);
    } catch (...) {
        __builtin_trap();
    }
    Check(status == ExpectedCheck(mother, son, daughter, prefix, prefixWanted));
    Check(delvarin::CheckMessage(status).empty() == (status == CheckStatus::MayProceed));

    // Which signs the chosen entry stands for, and whether every label is a planet.
    std::vector<std::u16string_view> chosenLabels;
    if (chosen == delvarin::kAllEntries) {
        if (labels.size() > 1) chosenLabels.assign(labels.begin() + 1, labels.end());
    } else {
        chosenLabels.push_back(chosen);
    }
    bool allPlanets = !chosenLabels.empty();
    std::bitset<12> signs;
    for (std::u16string_view label : chosenLabels) {
        const int r = PlanetRemainder(label);
        if (r < 0)
            allPlanets = false;
        else
            signs.set(static_cast<std::size_t>(r));
    }

    const delvarin::NameList list = delvarin::MakeNameList(
        delvarin::SharedNameData(),
        {.convertLetters = convert,
         .mother = mother,
         .prefix = prefix,
         .prefixInUse = prefixInUse,
         .boy = boy,
         .planets = {std::u16string(chosen), {labels.begin(), labels.end()}}});

    Check(delvarin::NameListMessage(list.status).empty() == (list.status == NameListStatus::Made));
    if (list.status == NameListStatus::PlanetNotFound) {
        Check(!allPlanets);
        Check(list.text.empty() && list.lines == 0);
        return 0;
    }
    Check(list.status == NameListStatus::Made);
    Check(allPlanets);

    // The names a brute-force pass over the catalogue expects, in index order.
    const std::int32_t motherValue = GetAbjad(mother, convert);
    const std::int32_t prefixValue = prefixInUse ? GetAbjad(prefix, convert) : 0;
    std::vector<std::u16string_view> expected;
    const auto rows = delvarin::CatalogueRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (boy ? !delvarin::IsBoys(rows[i].gender) : !delvarin::IsGirls(rows[i].gender)) continue;
        const std::int32_t sum = values[convert][i] + motherValue + prefixValue;
        if (signs.test(static_cast<std::size_t>(sum % 12))) expected.push_back(rows[i].name);
    }

    std::u16string shownPrefix;
    if (prefixInUse) {
        shownPrefix = TrimSpaces(prefix);
        shownPrefix.push_back(u' ');
    }

    // Each line is "shown (value)" and CR LF, then "- - -" closes the text.
    std::u16string_view rest = list.text;
    std::size_t count = 0;
    while (rest != u"- - -") {
        Check(count < expected.size());
        Check(rest.starts_with(shownPrefix));
        const std::u16string_view body = rest.substr(shownPrefix.size());
        const std::size_t end = body.find(u"\r\n");
        Check(end != std::u16string_view::npos);
        const std::u16string_view line = body.substr(0, end);
        const std::size_t open = line.rfind(u" (");
        Check(open != std::u16string_view::npos && line.back() == u')');
        const std::u16string_view name = line.substr(0, open);
        const std::u16string_view digits = line.substr(open + 2, line.size() - open - 3);
        Check(!digits.empty() && digits.size() <= 9 && (digits.size() == 1 || digits[0] != u'0'));
        std::int32_t value = 0;
        for (char16_t d : digits) {
            Check(d >= u'0' && d <= u'9');
            value = value * 10 + (d - u'0');
        }
        Check(name == expected[count]);
        Check(value == GetAbjad(shownPrefix + std::u16string(name), convert));
        Check(signs.test(static_cast<std::size_t>((value + motherValue) % 12)));
        rest = body.substr(end + 2);
        ++count;
    }
    Check(count == expected.size());
    Check(list.lines == static_cast<int>(count));
    return 0;
}
