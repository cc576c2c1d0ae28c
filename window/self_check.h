// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace delvarin {

// When DELVARIN_SELF_CHECK is set, reports once the window is on screen, on
// stdout, and ends the program: the moment it was shown (nanoseconds of the
// realtime clock, so a launcher can take the start-up time), the resident
// memory, and what the window's name box is set in. Installers and the
// start-up benchmark read it.
bool SelfCheckRequested();
void ReportWhenShown(QWidget* window, int names);

}  // namespace delvarin
