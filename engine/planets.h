// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace delvarin {

// One auspicious planet with its zodiac sign: the label the planet list shows,
// the sign's remainder (its place from Aries, Pisces being 0) and the
// temperament, weekday and lunar month it stands for.
struct PlanetEntry {
    std::u16string_view label;
    int remainder;
    std::u16string_view description;
};

// The all-entries label: the first entry of every group of more than one
// planet, standing for all the planets after it.
inline constexpr std::u16string_view kAllEntries = u"همه موارد";

inline constexpr std::array<PlanetEntry, 6> PlanetTable{{
    {u"شمس (اسد)", 5, u"طبع: ناري، روز: يكشنبه، ماه: جمادي\u200Cالآخر"},
    {u"مشتري (قوس)", 9, u"طبع: ناري، روز: پنجشنبه، ماه: رمضان"},
    {u"مشتري (حوت)", 0, u"طبع: آبي، روز: پنجشنبه، ماه: ذي\u200Cالحجه"},
    {u"قمر (سرطان)", 4, u"طبع: آبي، روز: دوشنبه، ماه: ربيع\u200Cالآخر"},
    {u"زهره (ثور)", 2, u"طبع: خاكي، روز: جمعه، ماه: صفر"},
    {u"زهره (ميزان)", 7, u"طبع: بادي، روز: جمعه، ماه: رجب"},
}};

// The planet groups, in the order of the group list.
inline constexpr std::array<std::u16string_view, 4> kPlanetGroupNames{
    u"سعد (همه موارد)", u"سعد اعظم", u"سعد اكبر", u"سعد اصغر"};

struct PlanetGroup {
    std::span<const std::u16string_view> labels;  // in the order the list shows them
    int selected;                                 // index into labels
};

// The entries of group 0..3; nothing for any other index.
std::optional<PlanetGroup> PlanetGroupEntries(int group);

// What the planet list says when a list is asked for: the selected entry's
// label and the label of every entry, index 0 first.
struct PlanetChoice {
    std::u16string chosen;
    std::vector<std::u16string> entries;
};

// Group 0..3 as the planet list shows it, with the group's own selection or
// with the entry labelled `chosen`; an empty choice for any other group.
PlanetChoice GroupChoice(int group);
PlanetChoice GroupChoice(int group, std::u16string_view chosen);

// The planet whose label equals `label` exactly, code unit by code unit;
// nothing for the all-entries label and every other text.
std::optional<PlanetEntry> FindPlanet(std::u16string_view label);

}  // namespace delvarin
