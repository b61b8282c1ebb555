#include "resources/AppResources.h"

#include <QFile>
#include <QIcon>
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
