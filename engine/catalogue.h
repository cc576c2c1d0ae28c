// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace delvarin {

enum class NameGender : std::uint8_t { Boy, Girl, Both };

inline constexpr bool IsBoys(NameGender g) {
    return g != NameGender::Girl;
}
inline constexpr bool IsGirls(NameGender g) {
    return g != NameGender::Boy;
}
std::string_view GenderText(NameGender g);

// One compiled-in row of the catalogue.
struct CatalogueRow {
    int index;
    NameGender gender;
    std::u16string_view name;
};

// The catalogue rows 1..6174 in index order, read once from the text
// compiled into the program.
std::span<const CatalogueRow> CatalogueRows();

// The names by index. Slots 0 and 6175..6200 stay empty; the texts point into
// the compiled-in text, so filling the table copies none.
class NameTable {
public:
    static constexpr int kLastSlot = 6200;
    static constexpr int kNameCount = 6174;
    // ReadData1 fills indices 1..kSplit - 1, ReadData2 kSplit..kNameCount.
    static constexpr int kSplit = 3000;

    // The name at `index`, the empty text outside 1..6174 (and for any index
    // that was not filled).
    std::u16string_view name(int index) const {
        return index >= 0 && index <= kLastSlot ? names_[static_cast<std::size_t>(index)]
                                                : std::u16string_view{};
    }
    // Defined for the filled indices 1..6174.
    NameGender gender(int index) const { return genders_[static_cast<std::size_t>(index)]; }

    void set(const CatalogueRow& row);

private:
    std::array<std::u16string_view, kLastSlot + 1> names_{};
    std::array<NameGender, kLastSlot + 1> genders_{};
};

void ReadData1(NameTable& table);
void ReadData2(NameTable& table);

}  // namespace delvarin
