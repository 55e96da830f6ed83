// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FormStretch.h"

namespace app {

QRect StretchedPlace(const QRect& designed, const QRect& editor, QSize growth)
{
    if (designed.contains(editor))
        return designed.adjusted(0, 0, growth.width(), growth.height());
    if (designed.top() <= editor.bottom())
        return designed;
    const int dx = designed.center().x() > editor.center().x() ? growth.width() : 0;
    return designed.translated(dx, growth.height());
}

}  // namespace app
