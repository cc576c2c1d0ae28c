// SPDX-License-Identifier: GPL-3.0-or-later
#include "planets.h"

namespace delvarin {
namespace {

constexpr std::array<std::u16string_view, 7> kGroupAll{
    kAllEntries,          PlanetTable[0].label, PlanetTable[1].label, PlanetTable[2].label,
    PlanetTable[3].label, PlanetTable[4].label, PlanetTable[5].label};
constexpr std::array<std::u16string_view, 1> kGroupSun{PlanetTable[0].label};
constexpr std::array<std::u16string_view, 3> kGroupJupiter{kAllEntries, PlanetTable[1].label,
                                                           PlanetTable[2].label};
constexpr std::array<std::u16string_view, 4> kGroupMoonVenus{
    kAllEntries, PlanetTable[3].label, PlanetTable[4].label, PlanetTable[5].label};

}  // namespace

std::optional<PlanetGroup> PlanetGroupEntries(int group) {
    switch (group) {
        case 0:
            return PlanetGroup{kGroupAll, 0};
        case 1:
            return PlanetGroup{kGroupSun, 0};
        case 2:
            return PlanetGroup{kGroupJupiter, 0};
        case 3:
            return PlanetGroup{kGroupMoonVenus, 0};
        default:
            return std::nullopt;
    }
}

PlanetChoice GroupChoice(int group) {
    const auto entries = PlanetGroupEntries(group);
    if (!entries) return {};
    return GroupChoice(group, entries->labels[static_cast<std::size_t>(entries->selected)]);
}

PlanetChoice GroupChoice(int group, std::u16string_view chosen) {
    PlanetChoice choice{std::u16string(chosen), {}};
    if (const auto entries = PlanetGroupEntries(group))
        choice.entries.assign(entries->labels.begin(), entries->labels.end());
    return choice;
}

std::optional<PlanetEntry> FindPlanet(std::u16string_view label) {
    for (const PlanetEntry& entry : PlanetTable)
        if (entry.label == label) return entry;
    return std::nullopt;
}

}  // namespace delvarin
