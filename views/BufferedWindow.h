#pragma once

#include <QImage>
#include <QWidget>

class CDC;

// A child window that draws through a device context into a back buffer.
// The same drawing serves the paint event and an offscreen Render, so what a
// test checks on an image is what the window shows.
class CBufferedWindow : public QWidget {
public:
    // bBorder: a one-pixel black border around the client area.
    explicit CBufferedWindow(QWidget* pParent, bool bBorder = false);

    virtual void OnDraw(CDC* pDC) = 0;

    // Erases image to the window colour and draws the view on it; the image
    // size is the client size.
    void Render(QImage& image);
    // The same into a new image of the current client size.
    QImage RenderImage();
    QSize ClientSize() const;
    // Client coordinates of a point given in widget coordinates.
    QPoint ToClient(const QPoint& widgetPoint) const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bBorder;
    QImage m_backBuffer;
};
