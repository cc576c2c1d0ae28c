// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace delvarin {

// When DELVARIN_SELF_CHECK is set, reports once the window is on screen, on
// stdout, and ends the program: the moment it was shown (nanoseconds of the
// realtime clock, so a launcher can take the start-up time), the resident
// memory, then the names `countNames` finds in the catalogue (which the
// window reads only for its first list) and what the window's name box is
// set in. Installers and the start-up benchmark read it.
bool SelfCheckRequested();
void ReportWhenShown(QWidget* window, int (*countNames)());
// A self-check has nobody to press OK: message boxes are reported on stdout,
// "message TITLE: TEXT", instead of waiting, so a check passes in any locale.
void ReportMessagesInstead();

class Window;

// DELVARIN_SELF_CHECK=widths instead reports, once the window manager has had
// time to frame the window, the frame and the narrowed outer width, then
// widens the window as a request does and reports its client width: the
// desktop check reads them where no outside tool can (Wayland).
bool WidthCheckRequested();
void ReportWidthsWhenFramed(Window* window);

}  // namespace delvarin
