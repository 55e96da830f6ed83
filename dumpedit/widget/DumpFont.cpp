// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/widget/DumpFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>

namespace dumpedit {

bool IsFixedPitchFont(const QFont& font)
{
    if (QFontInfo(font).fixedPitch()) {
        return true;
    }
    const QFontMetricsF metrics(font);
    const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (const QLatin1Char c : {QLatin1Char('i'), QLatin1Char('W'), QLatin1Char('.'), QLatin1Char('M')}) {
        if (metrics.horizontalAdvance(c) != zero) {
            return false;
        }
    }
    return zero > 0;
}

QFont GridAlignedFont(const QFont& font)
{
    QFont aligned(font);
    aligned.setHintingPreference(QFont::PreferFullHinting);
    aligned.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const qreal advance = QFontMetricsF(aligned).horizontalAdvance(QLatin1Char('0'));
    const qreal rounded = std::round(advance);
    if (advance != rounded) {
        aligned.setLetterSpacing(QFont::AbsoluteSpacing, rounded - advance);
    }
    return aligned;
}

QFont DefaultDumpFont()
{
    return GridAlignedFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

}  // namespace dumpedit
