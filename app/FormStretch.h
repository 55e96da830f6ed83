// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

namespace app {

// Where a form control goes when the form is `growth` larger than designed: the editor and the
// group around it grow with the form; a control below the editor moves down with its bottom
// edge, and one in its right half also keeps its distance to the editor's right edge. Anything
// else stays where it was designed.
QRect StretchedPlace(const QRect& designed, const QRect& editor, QSize growth);

}  // namespace app
