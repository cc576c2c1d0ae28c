// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the window needs from the platform, as plain functions that tests
// can feed.

#include <QString>
#include <QStringList>

#include <optional>

#include "layout.h"

class QWindow;

namespace delvarin {

// True when `face` stands anywhere in the installed font names joined by NUL
// characters, letter case counting: "IranSansZ (TrueType)" finds "IranSansZ".
bool FontNamesHold(const QStringList& installedNames, const QString& face);

// The program's folder, a separator unless it already ends in one, the file.
QString ProgramFilePath(const QString& folder, const QString& fileName);

// The left and right borders that the window manager draws around `window`,
// together, in device pixels, where the platform tells them exactly (an X11
// window manager's _NET_FRAME_EXTENTS); nothing elsewhere.
std::optional<int> NativeFrameWidth(const QWindow* window);

// True when the Wayland compositor answering WAYLAND_DISPLAY draws window
// frames itself (it offers xdg-decoration); false for every other compositor
// and where the build has no Wayland client library.
bool CompositorDrawsFrames();

// The family each face of the layout is drawn in. A face the system lacks
// (Arial, say) is drawn in the family fontconfig puts in its place, as Qt
// would find it by itself, but without Qt's search through every installed
// font at the first control in that face. StartFindingFamilies starts the
// search on another core, first thing; FamilyOf waits for it, or searches
// when it was never started. The program's own face is its own.
void StartFindingFamilies();
QString FamilyOf(layout::Face face);

// Makes the font file at `path` usable by the program's windows. Only a
// regular, readable file is tried: opening a named pipe, say, would wait
// forever. True when a face was registered.
bool RegisterFontFile(const QString& path);

}  // namespace delvarin
