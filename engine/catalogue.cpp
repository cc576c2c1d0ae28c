// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <stdexcept>
#include <string_view>
#include <vector>

namespace delvarin {
namespace {

// The rows as one text: compiled in, they take a third of the room that row
// records pointing into it would, which a web page downloads.
#include "data/catalogue.inc"

// The digits name the genders in the enumeration's order.
static_assert(static_cast<int>(NameGender::Boy) == 0 && static_cast<int>(NameGender::Girl) == 1 &&
              static_cast<int>(NameGender::Both) == 2);

constexpr bool IsGenderDigit(char16_t c) {
    return c == u'0' || c == u'1' || c == u'2';
}

// Every row starts with a gender and has a name; there are 6174.
constexpr bool RowsAreWellFormed() {
    std::size_t rows = 0;
    bool rowStart = true;
    for (std::size_t i = 0; i < kCatalogueText.size(); ++i) {
        const char16_t c = kCatalogueText[i];
        if (rowStart &&
            (!IsGenderDigit(c) || i + 1 >= kCatalogueText.size() || kCatalogueText[i + 1] == u'\n'))
            return false;
        rowStart = c == u'\n';
        rows += rowStart;
    }
    return rowStart && rows == NameTable::kNameCount;
}
static_assert(RowsAreWellFormed(), "catalogue rows must run 1..6174, each a gender and a name");

std::vector<CatalogueRow> ParseRows() {
    std::vector<CatalogueRow> rows;
    rows.reserve(NameTable::kNameCount);
    std::u16string_view rest = kCatalogueText;
    while (!rest.empty()) {
        const std::size_t end = rest.find(u'\n');
        rows.push_back({static_cast<int>(rows.size()) + 1,
                        static_cast<NameGender>(rest.front() - u'0'), rest.substr(1, end - 1)});
        rest.remove_prefix(end + 1);
    }
    return rows;
}

void Fill(NameTable& table, int first, int last) {
    const auto rows = CatalogueRows();
    for (int i = first; i <= last; ++i) table.set(rows[static_cast<std::size_t>(i - 1)]);
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
    static const std::vector<CatalogueRow> rows = ParseRows();
    return rows;
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
