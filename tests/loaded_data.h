// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "read_data.h"

namespace delvarin::test {

// The catalogue and sign lists, loaded once for the whole test program.
inline const NameData& LoadedData() {
    static const NameData data = [] {
        NameData d;
        ReadData(d);
        return d;
    }();
    return data;
}

}  // namespace delvarin::test
