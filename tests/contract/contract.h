// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The contract every front end keeps: the cases of cases.txt, read once and
// run against a Driver that acts and looks as a parent does.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace delvarin::contract {

// Texts as UTF-8, as the case file holds them; controls by their row names.
class Driver {
public:
    virtual ~Driver() = default;
    virtual void Type(const std::string& box, const std::string& text) = 0;
    virtual void Click(const std::string& control) = 0;
    virtual void Pick(const std::string& list, int index) = 0;
    virtual void Return(const std::string& box) = 0;
    virtual void Shortcut(const std::string& control) = 0;
    // Waits for the timer's tick.
    virtual void Tick() = 0;
    virtual void CloseMessage() = 0;
    // Scrolls a box to its far end, down and sideways.
    virtual void Scroll(const std::string& box) = 0;

    virtual std::string Text(const std::string& control) = 0;
    virtual bool Enabled(const std::string& control) = 0;
    // "yellow" for the design's light yellow, "face" for the button face.
    virtual std::string Back(const std::string& control) = 0;
    virtual std::string Focus() = 0;
    virtual bool Value(const std::string& control) = 0;
    virtual std::string Chosen(const std::string& list) = 0;
    virtual int Items(const std::string& list) = 0;
    virtual bool Wide() = 0;
    // Every message shown so far; the open one is the last.
    virtual std::vector<std::string> Messages() = 0;
    virtual std::vector<std::string> Opened() = 0;
    // The result box's lines as shown.
    virtual std::vector<std::string> Lines() = 0;
    virtual bool ScrolledToStart(const std::string& box) = 0;
};

struct Case {
    std::string name;
    std::vector<std::string> lines;
};

inline void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

inline std::vector<Case> ReadCases() {
    std::ifstream file(DELVARIN_CONTRACT_CASES);
    std::vector<Case> cases;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("case ", 0) == 0)
            cases.push_back({line.substr(5), {}});
        else if (!line.empty() && line[0] != '#' && !cases.empty())
            cases.back().lines.push_back(line);
    }
    return cases;
}

// gtest's name for a case: its letters and digits.
inline std::string TestName(const testing::TestParamInfo<Case>& info) {
    std::string name;
    bool upper = true;
    for (char c : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

inline void Run(Driver& d, const Case& c) {
    for (const std::string& line : c.lines) {
        SCOPED_TRACE(line);
        std::istringstream in(line);
        std::string verb, what, control;
        in >> verb;
        // The rest of the line after n words, its one separating space gone.
        auto rest = [&](std::size_t words) {
            std::size_t at = 0;
            for (std::size_t i = 0; i < words; ++i) {
                at = line.find(' ', at);
                if (at == std::string::npos) return std::string();
                ++at;
            }
            return line.substr(at);
        };
        auto yes = [&] {
            return rest(3) == "yes";
        };
        if (verb == "type") {
            in >> control;
            d.Type(control, rest(2));
        } else if (verb == "click") {
            in >> control;
            d.Click(control);
        } else if (verb == "pick") {
            int index = 0;
            in >> control >> index;
            d.Pick(control, index);
        } else if (verb == "return") {
            in >> control;
            d.Return(control);
        } else if (verb == "shortcut") {
            in >> control;
            d.Shortcut(control);
        } else if (verb == "tick") {
            d.Tick();
        } else if (verb == "close") {
            d.CloseMessage();
        } else if (verb == "scroll") {
            in >> control;
            d.Scroll(control);
        } else if (verb == "see") {
            in >> what >> control;
            if (what == "text") {
                EXPECT_EQ(d.Text(control), rest(3));
            } else if (what == "enabled") {
                EXPECT_EQ(d.Enabled(control), yes());
            } else if (what == "back") {
                EXPECT_EQ(d.Back(control), rest(3));
            } else if (what == "focus") {
                EXPECT_EQ(d.Focus(), control);
            } else if (what == "value") {
                EXPECT_EQ(d.Value(control), yes());
            } else if (what == "chosen") {
                EXPECT_EQ(d.Chosen(control), rest(3));
            } else if (what == "items") {
                EXPECT_EQ(d.Items(control), std::stoi(rest(3)));
            } else if (what == "wide") {
                EXPECT_EQ(d.Wide(), control == "yes");
            } else if (what == "message") {
                const auto shown = d.Messages();
                ASSERT_FALSE(shown.empty());
                EXPECT_EQ(shown.back(), rest(2));
            } else if (what == "messages") {
                EXPECT_EQ(d.Messages().size(), std::stoul(control));
            } else if (what == "opened") {
                const auto opened = d.Opened();
                EXPECT_NE(std::find(opened.begin(), opened.end(), control), opened.end());
            } else if (what == "lines") {
                EXPECT_EQ(d.Lines().size(), std::stoul(control));
            } else if (what == "line") {
                const auto lines = d.Lines();
                const std::size_t k = std::stoul(control);
                ASSERT_LE(k, lines.size());
                EXPECT_EQ(lines[k - 1], rest(3));
            } else if (what == "scrolled-to-start") {
                EXPECT_TRUE(d.ScrolledToStart(control));
            } else {
                ADD_FAILURE() << "no such look";
            }
        } else {
            ADD_FAILURE() << "no such act";
        }
    }
}

}  // namespace delvarin::contract
