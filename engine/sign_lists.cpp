// SPDX-License-Identifier: GPL-3.0-or-later
#include "sign_lists.h"

#include "abjad.h"
#include "text.h"

namespace delvarin {
namespace {

bool IsBoysSet(SignSet set) {
    return set == SignSet::BoyLists || set == SignSet::BoyListsDel;
}
bool IsConvertSet(SignSet set) {
    return set == SignSet::BoyLists || set == SignSet::GirlLists;
}

void AppendIndex(std::u16string& text, int index) {
    AppendDecimal(text, index);
    text.push_back(u'|');
}

}  // namespace

std::string_view SignSetName(SignSet set) {
    switch (set) {
        case SignSet::BoyLists:
            return "BoyLists";
        case SignSet::BoyListsDel:
            return "BoyListsDel";
        case SignSet::GirlLists:
            return "GirlLists";
        case SignSet::GirlListsDel:
            return "GirlListsDel";
    }
    return {};
}

void SignLists::build(SignSet set, const NameTable& names) {
    auto& lists = lists_[static_cast<std::size_t>(set)];
    for (auto& text : lists) {
        text.clear();
        text.push_back(u'|');
        text.reserve(1600);  // the longest list text holds 1494 characters
    }
    const bool boys = IsBoysSet(set);
    const bool convert = IsConvertSet(set);
    for (int i = 1; i <= NameTable::kNameCount; ++i) {
        const NameGender g = names.gender(i);
        if (boys ? !IsBoys(g) : !IsGirls(g)) continue;
        const std::int32_t value = GetAbjad(names.name(i), convert);
        AppendIndex(lists[static_cast<std::size_t>(value % kSigns)], i);
    }
}

void ReadData3(const NameTable& names, SignLists& lists) {
    lists.build(SignSet::BoyLists, names);
    lists.build(SignSet::BoyListsDel, names);
}

void ReadData4(const NameTable& names, SignLists& lists) {
    lists.build(SignSet::GirlLists, names);
    lists.build(SignSet::GirlListsDel, names);
}

}  // namespace delvarin
