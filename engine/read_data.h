// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"
#include "sign_lists.h"

namespace delvarin {

// What the list maker reads: the catalogue and its sign lists. Filled once at
// start-up and only read after that.
struct NameData {
    NameTable names;
    SignLists signLists;
};

// Fills the catalogue (ReadData1, ReadData2), then the boys' and the girls'
// sign lists (ReadData3, ReadData4). A step that throws stops the rest.
void ReadData(NameData& data);

// The data read once, on first use, for front ends that have no start-up of
// their own to read it in (the list command, the web module).
const NameData& SharedNameData();

}  // namespace delvarin
