// SPDX-License-Identifier: GPL-3.0-or-later
// The engine and the window's layout table as a WebAssembly module. Texts
// cross as UTF-16 code units, exactly as the window's boxes hold them: the
// page writes its argument texts into module memory, and each call leaves
// its text answer in one buffer that the page reads back.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "abjad.h"
#include "check.h"
#include "layout.h"
#include "name_list.h"
#include "planets.h"
#include "read_data.h"
#include "text.h"

namespace {

using namespace delvarin;

std::u16string answer;

std::u16string_view In(const char16_t* text, int length) {
    return {text, static_cast<std::size_t>(length)};
}

void Quoted(std::string& json, std::u16string_view text) {
    json += '"';
    for (char16_t c : text) {
        if (c == u'"' || c == u'\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c > 0x7E) {
            static constexpr char kHex[] = "0123456789abcdef";
            json += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) json += kHex[(c >> shift) & 0xF];
        } else {
            json += static_cast<char>(c);
        }
    }
    json += '"';
}

void Quoted(std::string& json, std::string_view text) {
    Quoted(json, std::u16string(text.begin(), text.end()));
}

std::string_view KindName(layout::Kind kind) {
    switch (kind) {
        case layout::Kind::Timer:
            return "Timer";
        case layout::Kind::DropDown:
            return "DropDown";
        case layout::Kind::Frame:
            return "Frame";
        case layout::Kind::OptionButton:
            return "OptionButton";
        case layout::Kind::Label:
            return "Label";
        case layout::Kind::TextBox:
            return "TextBox";
        case layout::Kind::ResultBox:
            return "ResultBox";
        case layout::Kind::CommandButton:
            return "CommandButton";
        case layout::Kind::CheckBox:
            return "CheckBox";
        case layout::Kind::Picture:
            return "Picture";
        case layout::Kind::Line:
            return "Line";
    }
    return "";
}

std::string_view FaceName(layout::Face face) {
    switch (face) {
        case layout::Face::IranSansZ:
            return "IranSansZ";
        case layout::Face::Arial:
            return "Arial";
        case layout::Face::Verdana:
            return "Verdana";
    }
    return "";
}

std::string_view AlignName(layout::Align align) {
    switch (align) {
        case layout::Align::Left:
            return "left";
        case layout::Align::Right:
            return "right";
        case layout::Align::Centre:
            return "center";
    }
    return "";
}

// The design's colours as CSS: RGB values with red in the low byte, system
// colours as the browser's own keywords.
std::string Css(layout::Colour colour) {
    switch (colour) {
        case layout::kWindowText:
            return "WindowText";
        case layout::kActiveBorder:
            return "ActiveBorder";
        case layout::kButtonFace:
            return "ButtonFace";
        default:
            break;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string css = "#";
    for (int shift : {0, 8, 16}) {
        css += kHex[(colour >> (shift + 4)) & 0xF];
        css += kHex[(colour >> shift) & 0xF];
    }
    return css;
}

void Field(std::string& json, std::string_view name) {
    if (json.back() != '{') json += ',';
    Quoted(json, name);
    json += ':';
}

std::string LayoutJson() {
    std::string json = "{";
    Field(json, "title");
    Quoted(json, layout::kWindowTitle);
    Field(json, "clientWidth");
    json += std::to_string(layout::kClientWidth);
    Field(json, "clientHeight");
    json += std::to_string(layout::kClientHeight);
    Field(json, "narrowWidth");
    json += std::to_string(layout::kNarrowWidth);
    Field(json, "wideningStep");
    json += std::to_string(layout::kWideningStep);
    Field(json, "timerIntervalMs");
    json += std::to_string(layout::kTimerIntervalMs);
    Field(json, "repaintEvery");
    json += std::to_string(layout::kRepaintEvery);
    Field(json, "lineWidthPx");
    json += std::to_string(layout::kLineWidthPx);
    Field(json, "blogArticle");
    Quoted(json, layout::kBlogArticleAddress);
    Field(json, "homePage");
    Quoted(json, layout::kHomePageAddress);
    Field(json, "lightYellow");
    Quoted(json, Css(layout::kLightYellow));
    Field(json, "buttonFace");
    Quoted(json, Css(layout::kButtonFace));
    Field(json, "groups");
    json += '[';
    for (std::u16string_view group : kPlanetGroupNames) {
        if (json.back() != '[') json += ',';
        Quoted(json, group);
    }
    json += "],\"rows\":[";
    for (const layout::ControlRow& row : layout::kRows) {
        if (json.back() != '[') json += ',';
        json += '{';
        Field(json, "name");
        Quoted(json, row.name);
        Field(json, "kind");
        Quoted(json, KindName(row.kind));
        Field(json, "inFrame");
        json += row.inFrame ? "true" : "false";
        Field(json, "box");
        json += '[' + std::to_string(row.box.left) + ',' + std::to_string(row.box.top) + ',' +
                std::to_string(row.box.width) + ',' + std::to_string(row.box.height) + ']';
        Field(json, "ends");
        json += '[' + std::to_string(row.ends.x1) + ',' + std::to_string(row.ends.y1) + ',' +
                std::to_string(row.ends.x2) + ',' + std::to_string(row.ends.y2) + ']';
        Field(json, "text");
        Quoted(json, row.text);
        if (row.font) {
            Field(json, "face");
            Quoted(json, FaceName(row.font->face));
            Field(json, "points");
            json += std::to_string(row.font->points);
        }
        if (row.back) {
            Field(json, "back");
            Quoted(json, Css(*row.back));
        }
        if (row.fore) {
            Field(json, "fore");
            Quoted(json, Css(*row.fore));
        }
        Field(json, "transparent");
        json += row.transparent ? "true" : "false";
        Field(json, "align");
        Quoted(json, AlignName(row.align));
        Field(json, "rightToLeft");
        json += row.rightToLeft ? "true" : "false";
        if (row.tabIndex) {
            Field(json, "tabIndex");
            json += std::to_string(*row.tabIndex);
        }
        Field(json, "enabled");
        json += row.enabled ? "true" : "false";
        Field(json, "help");
        json += row.pointer == layout::Pointer::Help ? "true" : "false";
        json += '}';
    }
    json += "]}";
    return json;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char16_t* delvarin_answer() {
    return answer.data();
}
EMSCRIPTEN_KEEPALIVE int delvarin_answer_length() {
    return static_cast<int>(answer.size());
}

// The layout table and the window's constants, as JSON text.
EMSCRIPTEN_KEEPALIVE void delvarin_layout() {
    static const std::string json = LayoutJson();
    answer.assign(json.begin(), json.end());
}

// Loads the catalogue and its sign lists, as the window's start-up does.
EMSCRIPTEN_KEEPALIVE int delvarin_read_data() {
    int names = 0;
    for (int i = 0; i <= NameTable::kLastSlot; ++i)
        names += !SharedNameData().names.name(i).empty();
    return names;
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
            return 0;
        case NameListStatus::PlanetNotFound:
            answer = NameListMessage(list.status);
            return 1;
    }
    return 1;
}

}  // extern "C"
