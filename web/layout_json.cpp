// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the window's layout table, its constants, its events, the state
// Form_Load leaves each control in and every character the page can show, as
// JSON: the page is written from it when it is built, so it paints before its
// module has loaded, in the form's own starting state. Run by node at build
// time.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "check.h"
#include "events.h"
#include "form1.h"
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

// The design's colours as CSS: RGB values with red in the low byte, system
// colours as the browser's own keywords.
std::string Css(layout::Colour colour) {
    if (const auto system = layout::SystemColourOf(colour)) {
        static constexpr std::array<std::string_view, 3> kKeywords{"WindowText", "ActiveBorder",
                                                                   "ButtonFace"};
        return std::string(kKeywords[static_cast<std::size_t>(*system)]);
    }
    static constexpr char kHex[] = "0123456789abcdef";
    const layout::Rgb rgb = layout::RgbOf(colour);
    std::string css = "#";
    for (int c : {rgb.red, rgb.green, rgb.blue}) {
        css += kHex[c >> 4];
        css += kHex[c & 0xF];
    }
    return css;
}

// Start-up run against a front end that draws nothing: what Form_Load leaves
// is the state the page's markup is written in.
class Recorder : public form::FrontEnd {
public:
    void ShowText(std::size_t, std::u16string_view) override {}
    void AppendText(std::size_t, std::u16string_view) override {}
    void Repaint(std::size_t) override {}
    void ScrollToStart(std::size_t) override {}
    void ShowBackColour(std::size_t, layout::Colour) override {}
    void ShowEnabled(std::size_t, bool) override {}
    void Focus(std::size_t) override {}
    void ShowItems(std::size_t, const std::vector<std::u16string>&, int) override {}
    void ShowValue(std::size_t, bool) override {}
    void ShowOuterWidth(double) override {}
    void ShowPointer(form::Pointer) override {}
    void RunTimer(bool) override {}
    void ShowMessage(const form::Message&) override {}
    void OpenAddress(std::string_view) override {}
    double FrameTwips() const override { return kPageFrameTwips; }
    int SystemCodePage() const override { return 1256; }
    bool HasFont(std::u16string_view) const override { return true; }
    void InstalFont(std::u16string_view) override {}

    // The page draws a frame of 2 px a side around its window.
    static constexpr double kPageFrameTwips = 4 * layout::kTwipsPerPixel;
};

void Field(std::string& json, std::string_view name) {
    if (json.back() != '{') json += ',';
    Quoted(json, name);
    json += ':';
}

std::string LayoutJson() {
    std::string json = "{";
    Field(json, "title");
    Quoted(json, layout::kWindowTitle);
    Field(json, "nameCount");
    json += std::to_string(NameTable::kNameCount);
    Field(json, "messageButton");
    Quoted(json, layout::kMessageButton);
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
    Field(json, "twipsPerPixel");
    json += std::to_string(layout::kTwipsPerPixel);
    Field(json, "frameTwips");
    json += std::to_string(static_cast<int>(Recorder::kPageFrameTwips));
    Field(json, "colours");
    json += '{';
    for (const auto& [name, colour] : {std::pair{"lightYellow", layout::kLightYellow},
                                       {"darkRed", layout::kDarkRed},
                                       {"red", layout::kRed}}) {
        Field(json, name);
        Quoted(json, Css(colour));
    }
    json += '}';
    Field(json, "events");
    json += '[';
    for (const form::EventRow& e : form::kEvents) {
        if (json.back() != '[') json += ',';
        json += "{\"row\":" + std::to_string(e.row) +
                ",\"event\":" + std::to_string(static_cast<int>(e.event)) + ",\"name\":";
        Quoted(json, form::NameOf(e.event));
        json += ",\"key\":";
        Quoted(json, e.key ? std::string(1, e.key) : std::string());
        json += '}';
    }
    json += ']';
    Field(json, "eventNames");
    json += '[';
    for (std::string_view name : form::kEventNames) {
        if (json.back() != '[') json += ',';
        Quoted(json, name);
    }
    json += ']';
    Field(json, "tabOrder");
    json += '[';
    for (std::size_t row : form::TabOrder()) {
        if (json.back() != '[') json += ',';
        Quoted(json, layout::kRows[row].name);
    }
    json += ']';
    Field(json, "shownCharacters");
    Quoted(json, ShownCharacters());
    Recorder recorder;
    form::Form1 form(recorder, form::ReadAt::FirstList);
    form.Form_Load();
    json += ",\"rows\":[";
    for (std::size_t i = 0; i < layout::kRows.size(); ++i) {
        const layout::ControlRow& row = layout::kRows[i];
        if (json.back() != '[') json += ',';
        json += '{';
        Field(json, "name");
        Quoted(json, row.name);
        Field(json, "kind");
        Quoted(json, layout::NameOf(row.kind, layout::kKindNames));
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
            Quoted(json, layout::NameOf(row.font->face, layout::kFaceNames));
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
        Quoted(json, layout::NameOf(row.align, layout::kAlignNames));
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
        Field(json, "link");
        json += row.link ? "true" : "false";
        const form::ControlState& start = form.controls().State(i);
        Field(json, "start");
        json += '{';
        Field(json, "text");
        Quoted(json, start.text);
        Field(json, "items");
        json += '[';
        for (const std::u16string& item : start.items) {
            if (json.back() != '[') json += ',';
            Quoted(json, item);
        }
        json += ']';
        Field(json, "chosen");
        json += std::to_string(start.chosen);
        Field(json, "value");
        json += start.value ? "true" : "false";
        Field(json, "enabled");
        json += start.enabled ? "true" : "false";
        Field(json, "off");
        json += start.back == layout::kButtonFace ? "true" : "false";
        json += "}}";
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
