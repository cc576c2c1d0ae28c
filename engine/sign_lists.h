// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalogue.h"

namespace delvarin {

enum class SignSet : std::uint8_t { BoyLists, BoyListsDel, GirlLists, GirlListsDel };

inline constexpr std::array<SignSet, 4> kSignSets{SignSet::BoyLists, SignSet::BoyListsDel,
                                                  SignSet::GirlLists, SignSet::GirlListsDel};

std::string_view SignSetName(SignSet set);

// The set that a request reads: by gender and letter table.
inline constexpr SignSet SignSetFor(bool boy, bool convertLetters) {
    if (boy) return convertLetters ? SignSet::BoyLists : SignSet::BoyListsDel;
    return convertLetters ? SignSet::GirlLists : SignSet::GirlListsDel;
}

// For each set and remainder k, the list text "|i|j|…|" of the catalogue
// indices, ascending, of that set's gender whose Abjad value is k modulo 12.
class SignLists {
public:
    static constexpr int kSigns = 12;

    const std::u16string& list(SignSet set, int k) const {
        return lists_[static_cast<std::size_t>(set)][static_cast<std::size_t>(k)];
    }

    // Builds one set from the filled catalogue.
    void build(SignSet set, const NameTable& names);

private:
    std::array<std::array<std::u16string, kSigns>, kSignSets.size()> lists_;
};

void ReadData3(const NameTable& names, SignLists& lists);  // the boys' two sets
void ReadData4(const NameTable& names, SignLists& lists);  // the girls' two sets

}  // namespace delvarin
