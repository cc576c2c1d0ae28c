// SPDX-License-Identifier: GPL-3.0-or-later
// The engine as a WebAssembly module for the page. Texts cross as UTF-16
// code units, exactly as the window's boxes hold them: the page writes its
// argument texts into module memory, and each call leaves its text answer in
// one buffer that the page reads back.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "abjad.h"
#include "check.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"
#include "text.h"

namespace {

using namespace delvarin;

std::u16string answer;
// The catalogue index of each line of the last list made.
std::vector<int> lineIndices;

std::u16string_view In(const char16_t* text, int length) {
    return {text, static_cast<std::size_t>(length)};
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char16_t* delvarin_answer() {
    return answer.data();
}
EMSCRIPTEN_KEEPALIVE int delvarin_answer_length() {
    return static_cast<int>(answer.size());
}

// The catalogue indices of the last list's lines, and how many there are.
EMSCRIPTEN_KEEPALIVE const int* delvarin_line_indices() {
    return lineIndices.data();
}
EMSCRIPTEN_KEEPALIVE int delvarin_line_count() {
    return static_cast<int>(lineIndices.size());
}

// A name box's text after an edit; returns the caret.
EMSCRIPTEN_KEEPALIVE int delvarin_edit(const char16_t* before, int beforeLength,
                                       const char16_t* after, int afterLength, int cursor) {
    BoxEdit edit = EditBoxText(In(before, beforeLength), In(after, afterLength),
                               static_cast<std::size_t>(cursor));
    answer = std::move(edit.text);
    return static_cast<int>(edit.cursor);
}

EMSCRIPTEN_KEEPALIVE void delvarin_value_text(const char16_t* text, int length, int convert) {
    answer = ValueText(In(text, length), convert != 0);
}

// The group's labels, one per line; returns the index the group selects.
EMSCRIPTEN_KEEPALIVE int delvarin_group_entries(int group) {
    answer.clear();
    const auto entries = PlanetGroupEntries(group);
    if (!entries) return -1;
    for (std::u16string_view label : entries->labels) {
        answer += label;
        answer += u'\n';
    }
    return entries->selected;
}

EMSCRIPTEN_KEEPALIVE void delvarin_planet_description(const char16_t* label, int length) {
    const auto entry = FindPlanet(In(label, length));
    answer = entry ? std::u16string(entry->description) : std::u16string();
}

// 0 when the request may go on; otherwise the refusal's message.
EMSCRIPTEN_KEEPALIVE int delvarin_check(const char16_t* mother, int motherLength, int boy, int girl,
                                        const char16_t* prefix, int prefixLength, int prefixInUse) {
    const CheckStatus status = CheckComplete(In(mother, motherLength), boy != 0, girl != 0,
                                             In(prefix, prefixLength), prefixInUse);
    switch (status) {
        case CheckStatus::MayProceed:
            answer.clear();
            return 0;
        case CheckStatus::MotherNotPersian:
        case CheckStatus::NoGender:
        case CheckStatus::PrefixNotPersian:
            answer = CheckMessage(status);
            return 1;
    }
    return 1;
}

// The list, or the message that stands in its place (returns 1). `entries`
// holds the planet list's labels, one per line, as the page's list shows them.
EMSCRIPTEN_KEEPALIVE int delvarin_make_list(int convert, const char16_t* mother, int motherLength,
                                            const char16_t* prefix, int prefixLength,
                                            int prefixInUse, int boy, const char16_t* chosen,
                                            int chosenLength, const char16_t* entries,
                                            int entriesLength) {
    PlanetChoice planets{std::u16string(In(chosen, chosenLength)), {}};
    std::u16string_view all = In(entries, entriesLength);
    for (std::size_t end; (end = all.find(u'\n')) != std::u16string_view::npos;
         all.remove_prefix(end + 1))
        planets.entries.emplace_back(all.substr(0, end));
    NameList list =
        MakeNameList(SharedNameData(), {
                                           .convertLetters = convert != 0,
                                           .mother = std::u16string(In(mother, motherLength)),
                                           .prefix = std::u16string(In(prefix, prefixLength)),
                                           .prefixInUse = prefixInUse != 0,
                                           .boy = boy != 0,
                                           .planets = std::move(planets),
                                       });
    switch (list.status) {
        case NameListStatus::Made:
            answer = std::move(list.text);
            lineIndices = std::move(list.indices);
            return 0;
        case NameListStatus::PlanetNotFound:
            answer = NameListMessage(list.status);
            return 1;
    }
    return 1;
}

}  // extern "C"
