// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/AppResources.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QPainter>
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

QFont BannerFont() {
    // The designed pictures' letters: bold, about 9 pixels high.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

QPixmap TranslatedBanner(const QPixmap& designed, const QString& text,
                         const char* pszDesignedText) {
    if (designed.isNull() || text == QLatin1String(pszDesignedText)) return designed;
    // The frame is the corner's colour, the ground the most common colour
    // inside it, the letters the next.
    const QImage image = designed.toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb frame = image.pixel(0, 0);
    QMap<QRgb, int> counts;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x) ++counts[image.pixel(x, y)];
    QRgb ground = frame, letters = frame;
    int nGround = 0, nLetters = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > nGround) {
            letters = ground;
            nLetters = nGround;
            ground = it.key();
            nGround = it.value();
        } else if (it.value() > nLetters) {
            letters = it.key();
            nLetters = it.value();
        }
    }
    QPixmap banner(designed.size());
    banner.setDevicePixelRatio(designed.devicePixelRatio());
    const QSizeF size = designed.deviceIndependentSize();
    QPainter painter(&banner);
    painter.fillRect(QRectF(QPointF(0, 0), size), QColor(frame));
    painter.fillRect(QRectF(1, 1, size.width() - 2, size.height() - 2), QColor(ground));
    painter.setPen(QColor(letters));
    painter.setFont(BannerFont());
    painter.drawText(QRectF(QPointF(0, 0), size), Qt::AlignCenter, text);
    return banner;
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
