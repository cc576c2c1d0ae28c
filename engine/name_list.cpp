// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_list.h"

#include <algorithm>
#include <array>

#include "abjad.h"

namespace delvarin {
namespace {

constexpr std::u16string_view kPlanetNotFound =
    u"نام كوكب يافت مي\u200Cنشود، چه كنيم؟ از ليست دوم تطبيق داديم با اسامي شش كوكب مورد "
    u"نظر، ليك هيچكدام منطبق نبود";

constexpr int kSigns = SignLists::kSigns;

// Values are never negative, so this is the ordinary remainder. The boxes'
// 20-character limit keeps values within 16 bits; a longer text still gets
// the remainder of its true value instead of a wrapped one.
int SignRemainder(std::u16string_view text, bool convertLetters) {
    return static_cast<int>(AbjadSum(text, convertLetters) % kSigns);
}

// The sign remainders of the chosen planet entries, each once, in the order
// they are chosen; empty when a label names no planet.
std::vector<int> ChosenRemainders(const NameListRequest& request) {
    std::vector<int> remainders;
    std::array<bool, kSigns> seen{};
    auto add = [&](std::u16string_view label) {
        const auto entry = FindPlanet(label);
        if (!entry) return false;
        if (!seen[static_cast<std::size_t>(entry->remainder)]) {
            seen[static_cast<std::size_t>(entry->remainder)] = true;
            remainders.push_back(entry->remainder);
        }
        return true;
    };
    const PlanetChoice& planets = request.planets;
    if (planets.chosen == kAllEntries) {
        // Entry 0 is the all-entries entry itself.
        for (std::size_t i = 1; i < planets.entries.size(); ++i)
            if (!add(planets.entries[i])) return {};
    } else if (!add(planets.chosen)) {
        return {};
    }
    return remainders;
}

void AppendIndices(std::u16string_view listText, std::vector<int>& indices) {
    int value = 0;
    bool inNumber = false;
    for (char16_t c : listText) {
        if (c >= u'0' && c <= u'9') {
            value = value * 10 + (c - u'0');
            inNumber = true;
        } else if (inNumber) {
            indices.push_back(value);
            value = 0;
            inNumber = false;
        }
    }
}

// Sorts the joined sign lists: each is ascending and no index is in two of
// them, so one pass over the catalogue's slots puts them in order.
void JoinSorted(std::vector<int>& indices) {
    std::vector<bool> present(static_cast<std::size_t>(NameTable::kLastSlot) + 1);
    for (int n : indices) present[static_cast<std::size_t>(n)] = true;
    std::size_t k = 0;
    for (std::size_t n = 0; n < present.size(); ++n)
        if (present[n]) indices[k++] = static_cast<int>(n);
}

// " (", ")" and CR LF around each line's value, and the list's last line.
constexpr std::size_t kLineFrame = 5;
constexpr std::u16string_view kEnd = u"- - -";

std::size_t DigitCount(std::int64_t value) {
    std::size_t digits = 1;
    for (; value >= 10; value /= 10) ++digits;
    return digits;
}

char16_t* WriteDecimal(std::int64_t value, char16_t* out) {
    const std::size_t digits = DigitCount(value);
    for (std::size_t i = digits; i > 0; --i, value /= 10)
        out[i - 1] = static_cast<char16_t>(u'0' + value % 10);
    return out + digits;
}

std::u16string_view TrimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace

std::u16string_view NameListMessage(NameListStatus status) {
    switch (status) {
        case NameListStatus::Made:
            return {};
        case NameListStatus::PlanetNotFound:
            return kPlanetNotFound;
    }
    return {};
}

NameList MakeNameList(const NameData& data, const NameListRequest& request) {
    const std::vector<int> remainders = ChosenRemainders(request);
    if (remainders.empty()) return {NameListStatus::PlanetNotFound, {}, 0, {}};

    const bool convert = request.convertLetters;
    const int m = SignRemainder(request.mother, convert);
    const int prefixRemainder = SignRemainder(request.prefix, convert);
    const int p = request.prefixInUse ? prefixRemainder : 0;
    const int s = (p + m) % kSigns;

    const SignSet set = SignSetFor(request.boy, convert);
    std::vector<int> indexList;
    indexList.reserve(2000);
    for (int t : remainders) {
        const int r = (t - s + kSigns) % kSigns;
        AppendIndices(data.signLists.list(set, r), indexList);
    }
    if (remainders.size() > 1) JoinSorted(indexList);

    std::u16string shownPrefix;
    if (request.prefixInUse) {
        shownPrefix = TrimSpaces(request.prefix);
        shownPrefix.push_back(u' ');
    }
    // The space between prefix and name counts 0, so each line's value is the
    // prefix's plus the name's.
    const std::int64_t prefixValue = AbjadSum(shownPrefix, convert);

    // Measured first, then written in place: appending piece by piece cost
    // more than making the values.
    std::vector<std::int64_t> values(indexList.size());
    std::size_t size = kEnd.size();
    for (std::size_t k = 0; k < indexList.size(); ++k) {
        const std::u16string_view name = data.names.name(indexList[k]);
        values[k] = prefixValue + AbjadSum(name, convert);
        size += shownPrefix.size() + name.size() + kLineFrame + DigitCount(values[k]);
    }
    NameList list{NameListStatus::Made, {}, static_cast<int>(indexList.size()), {}};
    std::u16string& text = list.text;
    text.resize(size);
    char16_t* out = text.data();
    for (std::size_t k = 0; k < indexList.size(); ++k) {
        out = std::copy(shownPrefix.begin(), shownPrefix.end(), out);
        const std::u16string_view name = data.names.name(indexList[k]);
        out = std::copy(name.begin(), name.end(), out);
        *out++ = u' ';
        *out++ = u'(';
        out = WriteDecimal(values[k], out);
        *out++ = u')';
        *out++ = u'\r';
        *out++ = u'\n';
    }
    std::copy(kEnd.begin(), kEnd.end(), out);
    list.indices = std::move(indexList);
    return list;
}

}  // namespace delvarin
