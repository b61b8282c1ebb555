#include "views/BufferedWindow.h"

#include <QPainter>

#include "platform/ui/Gdi.h"

CBufferedWindow::CBufferedWindow(QWidget* pParent, bool bBorder)
    : QWidget(pParent), m_bBorder(bBorder) {
    // Every pixel is drawn by OnDraw on an erased back buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    image.fill(QColor(255, 255, 255));
    CDC dc(&image);
    OnDraw(&dc);
}

QImage CBufferedWindow::RenderImage() {
    QImage image(ClientSize(), QImage::Format_RGB32);
    Render(image);
    return image;
}

void CBufferedWindow::paintEvent(QPaintEvent*) {
    const QSize client = ClientSize();
    if (client.isEmpty()) return;
    if (m_backBuffer.size() != client) m_backBuffer = QImage(client, QImage::Format_RGB32);
    Render(m_backBuffer);
    QPainter painter(this);
    if (m_bBorder) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, width() - 1, height() - 1);
        painter.drawImage(QPoint(1, 1), m_backBuffer);
    } else {
        painter.drawImage(QPoint(0, 0), m_backBuffer);
    }
}
