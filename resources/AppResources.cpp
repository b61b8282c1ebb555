#include "resources/AppResources.h"

#include <QFile>
#include <QString>

#include "resources/Resources.h"

QPixmap LoadIconResource(unsigned nId) {
    // The bitmap loader registers the program's resources on first use.
    static const bool s_bRegistered = (LoadBitmapResource(0), true);
    (void)s_bRegistered;
    const QString path = QStringLiteral(":/icons/%1.xpm").arg(nId);
    if (!QFile::exists(path)) return QPixmap();
    return QPixmap(path, "XPM");
}
