// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <stdexcept>

namespace delvarin {
namespace {

constexpr CatalogueRow kRows[] = {
#include "data/catalogue.inc"
};

static_assert(std::size(kRows) == NameTable::kNameCount);

constexpr bool RowsAreInIndexOrder() {
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (kRows[i].index != static_cast<int>(i) + 1) return false;
    return true;
}
static_assert(RowsAreInIndexOrder(), "catalogue rows must run 1..6174 without holes");

void Fill(NameTable& table, int first, int last) {
    for (int i = first; i <= last; ++i) table.set(kRows[i - 1]);
}

}  // namespace

std::string_view GenderText(NameGender g) {
    switch (g) {
        case NameGender::Boy:
            return "Boy";
        case NameGender::Girl:
            return "Girl";
        case NameGender::Both:
            return "Both";
    }
    return {};
}

std::span<const CatalogueRow> CatalogueRows() {
    return kRows;
}

void NameTable::set(const CatalogueRow& row) {
    if (row.index < 1 || row.index > kNameCount)
        throw std::out_of_range("catalogue index outside 1..6174");
    names_[static_cast<std::size_t>(row.index)] = row.name;
    genders_[static_cast<std::size_t>(row.index)] = row.gender;
}

void ReadData1(NameTable& table) {
    Fill(table, 1, NameTable::kSplit - 1);
}

void ReadData2(NameTable& table) {
    Fill(table, NameTable::kSplit, NameTable::kNameCount);
}

}  // namespace delvarin
