// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What screen readers learn of the window beyond what Qt tells them: a
// drop-down named by its caption (Qt names one by the item it shows), a
// picture or hot spot that is a link with an action, a value label tied to
// the box whose value it shows, and controls drawn for the eye alone left
// out.

class QObject;
class QWidget;

namespace delvarin::widgets {

// Installs the interfaces below; once is enough, more is harmless.
void InstallAccessibility();

// Left out of what assistive technology sees.
void SetDecorative(QWidget* control);

// `label` shows the value of `box`.
void SetValueOf(QWidget* label, QWidget* box);

}  // namespace delvarin::widgets
