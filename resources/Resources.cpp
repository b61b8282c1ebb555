// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Resources.h"

#include <QFile>
#include <QString>

// The resources live in a static library; naming their initialiser keeps the
// linker from dropping them.
static void InitKalvoResources() {
    Q_INIT_RESOURCE(kalvo);
}

QImage LoadBitmapResource(unsigned nId) {
    static const bool s_bInitialised = (InitKalvoResources(), true);
    (void)s_bInitialised;
    const QString path = QStringLiteral(":/bitmaps/%1.xpm").arg(nId);
    if (!QFile::exists(path)) return QImage();
    return QImage(path, "XPM");
}
