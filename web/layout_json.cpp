// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the window's layout table, its constants and every character the
// page can show, as JSON: the page is written from it when it is built, so
// it paints before its module has loaded. Run by node at build time.
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "check.h"
#include "layout.h"
#include "name_list.h"
#include "planets.h"
#include "text.h"

namespace {

using namespace delvarin;

// Every character the catalogue, the table and the engine's texts hold: the
// page's face is cut down to these.
std::u16string ShownCharacters() {
    std::u16string all;
    for (const CatalogueRow& row : CatalogueRows()) all += row.name;
    for (const layout::ControlRow& row : layout::kRows) all += row.text;
    for (const PlanetEntry& entry : PlanetTable) {
        all += entry.label;
        all += entry.description;
    }
    for (std::u16string_view group : kPlanetGroupNames) all += group;
    all += kAllEntries;
    for (CheckStatus s :
         {CheckStatus::MotherNotPersian, CheckStatus::NoGender, CheckStatus::PrefixNotPersian})
        all += CheckMessage(s);
    all += NameListMessage(NameListStatus::PlanetNotFound);
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
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
    Field(json, "timerIntervalMs");
    json += std::to_string(layout::kTimerIntervalMs);
    Field(json, "lineWidthPx");
    json += std::to_string(layout::kLineWidthPx);
    Field(json, "blogArticle");
    Quoted(json, layout::kBlogArticleAddress);
    Field(json, "homePage");
    Quoted(json, layout::kHomePageAddress);
    // The colour the form gives a box that is off or busy.
    Field(json, "buttonFace");
    json += std::to_string(layout::kButtonFace);
    Field(json, "boxLimit");
    json += std::to_string(kBoxLimit);
    Field(json, "groups");
    json += '[';
    for (std::u16string_view group : kPlanetGroupNames) {
        if (json.back() != '[') json += ',';
        Quoted(json, group);
    }
    json += ']';
    const PlanetGroup first = *PlanetGroupEntries(0);
    Field(json, "firstGroupEntries");
    json += '[';
    for (std::u16string_view label : first.labels) {
        if (json.back() != '[') json += ',';
        Quoted(json, label);
    }
    json += ']';
    Field(json, "firstGroupSelected");
    json += std::to_string(first.selected);
    Field(json, "shownCharacters");
    Quoted(json, ShownCharacters());
    json += ",\"rows\":[";
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
        Field(json, "labelledBy");
        Quoted(json, row.labelledBy);
        Field(json, "spokenName");
        Quoted(json, row.spokenName);
        Field(json, "valueOf");
        Quoted(json, row.valueOf);
        Field(json, "description");
        Quoted(json, row.description);
        Field(json, "decorative");
        json += row.decorative ? "true" : "false";
        json += '}';
    }
    json += "]}";
    return json;
}

}  // namespace

int main() {
    const std::string json = LayoutJson();
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
