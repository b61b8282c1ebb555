// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/BufferedWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/ui/Gdi.h"

namespace {
// Spoken text goes out no more often than this.
constexpr qint64 ANNOUNCE_INTERVAL_MS = 500;

qint64 NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The smallest length from nLogical on that is a whole number of device
// pixels at ratio dpr (within a few pixels; else nLogical).
int WholeDeviceSize(int nLogical, qreal dpr) {
    for (int n = nLogical; n < nLogical + 16; ++n)
        if (std::abs(n * dpr - std::round(n * dpr)) < 1e-6) return n;
    return nLogical;
}

// A view as assistive technology sees it: its name, and its reading in
// words as value and description, read at the moment it is asked for.
class CViewAccessible : public QAccessibleWidget {
public:
    explicit CViewAccessible(CBufferedWindow* pView)
        : QAccessibleWidget(pView, QAccessible::StaticText), m_pView(pView) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value || t == QAccessible::Description) {
            const QString spoken = m_pView->ShownSpokenText();
            if (!spoken.isEmpty()) return spoken;
        }
        return QAccessibleWidget::text(t);
    }

private:
    CBufferedWindow* m_pView;
};

QAccessibleInterface* ViewAccessibleFactory(const QString&, QObject* pObject) {
    if (auto* pView = dynamic_cast<CBufferedWindow*>(pObject)) return new CViewAccessible(pView);
    return nullptr;
}
}  // namespace

CBufferedWindow::CBufferedWindow(QWidget* pParent, bool bBorder)
    : QWidget(pParent), m_bBorder(bBorder) {
    // Every pixel is drawn by OnDraw on an erased back buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool s_bFactory = (QAccessible::installFactory(ViewAccessibleFactory), true);
    (void)s_bFactory;
}

QSize CBufferedWindow::ClientSize() const {
    const int inset = m_bBorder ? 2 : 0;
    return QSize(std::max(0, width() - inset), std::max(0, height() - inset));
}

QPoint CBufferedWindow::ToClient(const QPoint& widgetPoint) const {
    return m_bBorder ? widgetPoint - QPoint(1, 1) : widgetPoint;
}

void CBufferedWindow::Render(QImage& image) {
    if (image.isNull()) return;
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    // Erasing paints the window class's background, the window colour white.
    if (!m_bPaintsEveryPixel) image.fill(QColor(255, 255, 255));
    m_textCells.clear();
    CDC dc(&image);
    if (m_bRecordTextCells) dc.SetTextCellRecorder(&m_textCells);
    OnDraw(&dc);
    m_strDrawnSpoken = SpokenText();
    m_bDrawn = true;
}

QImage CBufferedWindow::RenderImage(int nScale) {
    nScale = std::max(1, nScale);
    QImage image(ClientSize() * nScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(nScale);
    Render(image);
    return image;
}

bool CBufferedWindow::CurrentPictureKey(PictureKey& key) const {
    key.clear();
    key.push_back(width());
    key.push_back(height());
    key.push_back(qRound64(devicePixelRatioF() * 1e6));
    return GetPictureKey(key);
}

QRect CBufferedWindow::DifferingRect(const PictureKey& a, const PictureKey& b) const {
    // Another size or scale is another picture; a fractional scale smooths
    // each pixel into its neighbours.
    const qreal dpr = devicePixelRatioF();
    if (a.size() < WINDOW_KEY_SIZE || b.size() < WINDOW_KEY_SIZE ||
        !std::equal(a.begin(), a.begin() + WINDOW_KEY_SIZE, b.begin()) || dpr != std::round(dpr))
        return rect();
    const QPoint origin = QPoint(0, 0) - ToClient(QPoint(0, 0));
    return ChangedRect(a, b).translated(origin) & rect();
}

QRect CBufferedWindow::UpdateIfChanged() {
    if (!isVisible()) return {};
    if (!m_bShownKey || !CurrentPictureKey(m_nextKey)) {
        update();
        return rect();
    }
    if (m_nextKey == m_shownKey) {
        m_strDrawnSpoken = SpokenText();
        AnnounceSpokenText();
        return {};
    }
    const QRect changed = DifferingRect(m_shownKey, m_nextKey);
    update(changed);
    return changed;
}

void CBufferedWindow::paintEvent(QPaintEvent* pEvent) {
    const QSize client = ClientSize();
    if (client.isEmpty()) return;
    // What the screen shows after this paint, if it is all one picture: the
    // painted part is new, the rest must be the same in both pictures. Taken
    // before the drawing: data that moves on meanwhile makes the next key
    // differ, never a stale picture look current. A grab or a render into
    // another device leaves the screen as it is.
    QPainter painter(this);
    QBackingStore* pStore = backingStore();
    QPaintDevice* pScreen = pStore ? pStore->paintDevice() : nullptr;
    if (pScreen && painter.paintEngine() == pScreen->paintEngine()) {
        const bool bKey = CurrentPictureKey(m_nextKey);
        const QRegion& painted = pEvent->region();
        m_bShownKey = bKey && (m_bShownKey || (QRegion(rect()) - painted).isEmpty()) &&
                      (QRegion(DifferingRect(m_shownKey, m_nextKey)) - painted).isEmpty();
        std::swap(m_shownKey, m_nextKey);
    }
    const qreal dpr = devicePixelRatioF();
    // The next integer ratio (a hair of tolerance for 2.0000001).
    const int n = std::max(1, static_cast<int>(std::ceil(dpr - 1e-6)));
    if (m_backBuffer.size() != client * n || m_backBuffer.devicePixelRatio() != n) {
        m_backBuffer = QImage(client * n, QImage::Format_RGB32);
        m_backBuffer.setDevicePixelRatio(n);
    }
    Render(m_backBuffer);
    AnnounceSpokenText();
    if (n == 1) {
        if (m_bBorder) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(0, 0, width() - 1, height() - 1);
            painter.drawImage(QPoint(1, 1), m_backBuffer);
        } else {
            painter.drawImage(QPoint(0, 0), m_backBuffer);
        }
        return;
    }
    // The border in whole logical pixels, like everything else.
    auto drawBorder = [this](QPainter& p) {
        if (!m_bBorder) return;
        const int w = width(), h = height();
        for (const QRect& edge :
             {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
            p.fillRect(edge, Qt::black);
    };
    const QPoint origin = m_bBorder ? QPoint(1, 1) : QPoint(0, 0);
    if (dpr == n) {
        drawBorder(painter);
        painter.drawImage(origin, m_backBuffer);
        return;
    }
    // Fractional ratio: the whole window at n, averaged down to the screen's
    // pixels. Area averaging keeps each one-pixel line's weight the same
    // wherever it falls.
    // The picture is padded to a size that is a whole number of device
    // pixels (1.5 x 195 is not), so that the scale is exactly dpr / n and no
    // line drifts off its place; the padding lies outside the window.
    const QSize padded(WholeDeviceSize(width(), dpr), WholeDeviceSize(height(), dpr));
    QImage whole(padded * n, QImage::Format_RGB32);
    whole.setDevicePixelRatio(n);
    whole.fill(Qt::white);
    {
        QPainter p(&whole);
        drawBorder(p);
        p.drawImage(origin, m_backBuffer);
    }
    const QSize device(qRound(padded.width() * dpr), qRound(padded.height() * dpr));
    m_scaledBuffer = whole.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_scaledBuffer.setDevicePixelRatio(dpr);
    painter.drawImage(QPointF(0, 0), m_scaledBuffer);
}

void CBufferedWindow::AnnounceSpokenText() {
    const QString text = m_strDrawnSpoken;
    if (!m_bAnnounceChanges || text.isEmpty() || text == m_strAnnounced) return;
    const qint64 now = NowMs();
    const qint64 wait = m_nLastAnnounceMs + ANNOUNCE_INTERVAL_MS - now;
    if (m_nLastAnnounceMs != 0 && wait > 0) {
        // Said once the interval is over, if it is still news then.
        if (!m_bAnnouncePending) {
            m_bAnnouncePending = true;
            QTimer::singleShot(static_cast<int>(wait), this, [this] {
                m_bAnnouncePending = false;
                AnnounceSpokenText();
            });
        }
        return;
    }
    m_strAnnounced = text;
    m_nLastAnnounceMs = now;
    ++m_nAnnouncements;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
