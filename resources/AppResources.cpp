// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/AppResources.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QString>

#include "resources/Resources.h"

QPixmap LoadIconResource(unsigned nId) {
    // The bitmap loader registers the program's resources on first use.
    static const bool s_bRegistered = (LoadBitmapResource(0), true);
    (void)s_bRegistered;
    const QString path = QStringLiteral(":/icons/%1.xpm").arg(nId);
    if (!QFile::exists(path)) return QPixmap();
    // On a screen of ratio 2 or more, the picture drawn for it where there
    // is one.
    const QString path2x = QStringLiteral(":/icons/%1@2x.xpm").arg(nId);
    if (qApp && qApp->devicePixelRatio() >= 1.5 && QFile::exists(path2x)) {
        QPixmap pixmap(path2x, "XPM");
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    return QPixmap(path, "XPM");
}

// The resources live in a static library; naming their initialiser keeps the
// linker from dropping them.
static void InitAppIconResources() {
    Q_INIT_RESOURCE(appicon);
}

QIcon ApplicationIcon(unsigned nSmallIconId) {
    static const bool s_bRegistered = (InitAppIconResources(), true);
    (void)s_bRegistered;
    QIcon fallback(LoadIconResource(nSmallIconId));
    for (int nSize : {48, 64, 128, 256})
        fallback.addFile(QStringLiteral(":/appicon/%1.png").arg(nSize), QSize(nSize, nSize));
    return QIcon::fromTheme(QStringLiteral("org.kalvo.Kalvo"), fallback);
}
