// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frame a window draws for itself where nobody else draws one that
// offers close alone. Qt's own Wayland decorations always offer minimise and
// maximise: a fixed window that answers a maximise with its own size is cut
// off by the compositor, and a minimised one is lost where the desktop has
// no task bar.

#include <QMargins>

class QWidget;

namespace delvarin::widgets {

// True on Wayland when the compositor leaves decorations to the program.
bool DrawsOwnFrame();

// Gives the top-level `window` a title bar (icon, whole title, close) that
// moves the window when dragged, and a thin border. Returns the margins they
// take, which the window's contents must leave free.
QMargins AddOwnFrame(QWidget* window);

}  // namespace delvarin::widgets
