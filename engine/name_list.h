// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "planets.h"
#include "read_data.h"
#include "text.h"

namespace delvarin {

// What a parent asks for, as the window's controls or the list command's
// options say it. The request owns its texts.
struct NameListRequest {
    bool convertLetters = true;
    std::u16string mother;
    std::u16string prefix{kDefaultPrefix};  // as typed, spaces included
    bool prefixInUse = false;
    bool boy = false;
    PlanetChoice planets;
};

// PlanetNotFound: a chosen label names none of the six planets.
enum class NameListStatus { Made, PlanetNotFound };

// The message shown for a status; empty for a made list.
std::u16string_view NameListMessage(NameListStatus status);

struct NameList {
    NameListStatus status;
    // One line per name, "prefix name (value)" and CR LF, then "- - -". Empty
    // unless the list was made.
    std::u16string text;
    int lines = 0;
    // The catalogue index of each line's name, in the order of the lines.
    std::vector<int> indices;
};

// The names of the chosen gender whose value plus the mother's value falls,
// modulo 12, on the sign of one chosen planet, in catalogue order.
NameList MakeNameList(const NameData& data, const NameListRequest& request);

}  // namespace delvarin
