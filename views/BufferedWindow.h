// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <QtGlobal>
#include <vector>

class CDC;

// A child window that draws through a device context into a back buffer.
// The same drawing serves the paint event and an offscreen Render, so what a
// test checks on an image is what the window shows.
//
// On a screen with a device pixel ratio above 1 the back buffer has the
// next integer ratio n: the drawing keeps its geometry in n x n blocks and
// its text at that resolution. A fractional ratio (1.5) gets that picture
// smoothly scaled down, so every line keeps one thickness instead of
// alternating between one and two pixels.
class CBufferedWindow : public QWidget {
public:
    // bBorder: a one-pixel black border around the client area.
    explicit CBufferedWindow(QWidget* pParent, bool bBorder = false);

    virtual void OnDraw(CDC* pDC) = 0;

    // Erases image to the window colour and draws the view on it; the image
    // size is the client size times the image's device pixel ratio.
    void Render(QImage& image);
    // The same into a new image of the current client size, with nScale
    // image pixels per logical pixel.
    QImage RenderImage(int nScale = 1);
    QSize ClientSize() const;
    // Client coordinates of a point given in widget coordinates.
    QPoint ToClient(const QPoint& widgetPoint) const;
    // Where the latest Render drew text (client pixels): cells and ink.
    // Measuring the ink costs a text layout per string, so it is kept only
    // once asked for.
    void RecordTextCells(bool bRecord) { m_bRecordTextCells = bRecord; }
    const std::vector<QRect>& GetTextCells() const { return m_textCells; }

    // What the view tells a screen reader: its reading in words, from the
    // data it draws. Empty for a view without one.
    virtual QString SpokenText() const { return {}; }
    // The spoken text of the picture drawn last (while the display is
    // frozen the data moves on, the picture does not); before the first
    // drawing, that of the data.
    QString ShownSpokenText() const { return m_bDrawn ? m_strDrawnSpoken : SpokenText(); }
    // How many times the spoken text was announced.
    unsigned GetAnnouncementCount() const { return m_nAnnouncements; }

    // Schedules a paint (update) of what would differ from the picture on
    // the screen, and returns that part of the window (empty: nothing). New
    // data comes with every block, a new picture much more rarely; a picture
    // that stands is not drawn or sent to the screen again, only its spoken
    // text moves on.
    QRect UpdateIfChanged();
    // How many entries of a picture key the window's size and scale take.
    static constexpr size_t WINDOW_KEY_SIZE = 3;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

    // What the picture shows, in a few numbers: two equal keys give the same
    // pixels (the window's size and scale are added to them here). Read the
    // data the way OnDraw reads it. A view that returns false is drawn
    // whenever asked.
    using PictureKey = std::vector<qint64>;
    virtual bool GetPictureKey(PictureKey& key) const {
        (void)key;
        return false;
    }
    // The part of the client area in which the pictures of two keys (at the
    // same size and scale) differ; by default the whole.
    virtual QRect ChangedRect(const PictureKey& shown, const PictureKey& next) const {
        (void)shown;
        (void)next;
        return QRect(QPoint(0, 0), ClientSize());
    }
    // A view whose OnDraw paints every pixel is not erased first.
    bool m_bPaintsEveryPixel = false;
    // The view's repaints tell assistive technology when its spoken text
    // changed.
    bool m_bAnnounceChanges = false;

private:
    // Tells assistive technology that SpokenText changed, at most twice a
    // second and only when it did change.
    void AnnounceSpokenText();
    bool CurrentPictureKey(PictureKey& key) const;
    // The part of the window (widget coordinates) in which two keys'
    // pictures differ.
    QRect DifferingRect(const PictureKey& a, const PictureKey& b) const;

    bool m_bBorder;
    QImage m_backBuffer;
    QImage m_scaledBuffer;
    std::vector<QRect> m_textCells;
    bool m_bRecordTextCells = false;
    QString m_strDrawnSpoken;
    bool m_bDrawn = false;
    QString m_strAnnounced;
    qint64 m_nLastAnnounceMs = 0;
    bool m_bAnnouncePending = false;
    unsigned m_nAnnouncements = 0;
    // The key of the picture on the screen, and one to compare with it.
    PictureKey m_shownKey, m_nextKey;
    bool m_bShownKey = false;
};
