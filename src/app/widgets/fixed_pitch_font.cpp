// The font of the text windows whose reports are laid out in columns.
#include "app/widgets/fixed_pitch_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace quillon::app {

QFont fixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(font).fixedPitch())
        return font;
    // The system's choice may resolve to a face that only looks fixed (Noto Sans Mono under
    // fontconfig, a proportional substitute under Wine): take a family that is fixed.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (!QFontDatabase::isFixedPitch(family))
            continue;
        QFont candidate = font;
        candidate.setFamilies({family});
        if (QFontInfo(candidate).fixedPitch())
            return candidate;
    }
    return font;
}

}  // namespace quillon::app
