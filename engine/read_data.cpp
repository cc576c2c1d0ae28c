// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_data.h"

namespace delvarin {

void ReadData(NameData& data) {
    ReadData1(data.names);
    ReadData2(data.names);
    ReadData3(data.names, data.signLists);
    ReadData4(data.names, data.signLists);
}

const NameData& SharedNameData() {
    static const NameData data = [] {
        NameData d;
        ReadData(d);
        return d;
    }();
    return data;
}

}  // namespace delvarin
