// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "analysis/SpectrumColumns.h"
#include "platform/ui/Gdi.h"
#include "views/BufferedWindow.h"

class QMenu;

// The display plug-in's Zoom: level, centre, and the range it writes back
// (from, to, range, log range).
using PFN_ZOOM = void (*)(unsigned, float, float*, float*, float*, double*);

// The spectrum area: the prepared columns as a curve over a linear or
// logarithmic frequency axis and a dB axis, the peak cross, and the zoom menu.
class CSpectrumArea : public CBufferedWindow {
public:
    static constexpr unsigned MAX_ZOOM_LEVEL = 3;
    static constexpr int MIN_WIDTH = 125;
    static constexpr int MIN_HEIGHT = 155;

    // pColumns: the spectrum data and display settings to show (not owned);
    // nullptr gives the view its own.
    explicit CSpectrumArea(CSpectrumColumns* pColumns = nullptr, QWidget* pParent = nullptr);
    ~CSpectrumArea() override;

    CSpectrumColumns* GetColumns() const { return m_pColumns; }
    void SetPeakColumn(int column) { m_pColumns->SetPeakColumn(column); }

    // Window size, the one-pixel border included; the columns get the client
    // size, which the plot's geometry comes from.
    void SetSize(int width, int height);

    // The display plug-in's Zoom; nullptr when the plug-in is missing, which
    // makes the zoom menu show message 173 instead.
    void SetZoomFunction(PFN_ZOOM pfnZoom) { m_pfnZoom = pfnZoom; }

    void SetSpectrumColor(COLORREF cr);  // replaces m_pSpectrumPen
    void SetDefaultColors();

    void OnDraw(CDC* pDC) override;

    // The right click at a client point: message 173 without the plug-in,
    // nothing outside the plot's width, otherwise the zoom centre is taken
    // from the point and the menu is due (true).
    bool BeginZoomMenu(const QPoint& clientPoint);
    void OnZoomIn();
    void OnZoomOut();
    // Greys exactly the items whose command cannot change the zoom level.
    void UpdateZoomMenuItems();
    QMenu* GetZoomMenu() const { return m_pZoomMenu; }

    float m_fZoomCentre = 0.0f;
    CFont* m_pFont = nullptr;  // the main window's dialog font, not owned
    std::unique_ptr<CPen> m_pSpectrumPen;
    COLORREF m_crBackground = RGB(255, 255, 255);

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    bool GetPictureKey(PictureKey& key) const override;
    QRect ChangedRect(const PictureKey& shown, const PictureKey& next) const override;

private:
    void CallZoom(unsigned nLevel);
    // What the ticks, labels and grid are drawn from (the settings' range,
    // dynamic range and scale), besides the size.
    struct BackgroundKey {
        CSpectrumColumns::Settings settings;
        double dLogRange = 0.0;
        unsigned nZoomLevel = 0;
        COLORREF crBackground = 0;
        const CFont* pFont = nullptr;
        int nScale = 0;
        bool operator==(const BackgroundKey& other) const;
    };
    // The plot's background: ticks with their labels, the dB grid and labels.
    void DrawBackground(CDC* pDC, const BackgroundKey& key);
    // What the data draws over it: the curve, the peak's cross, the frame.
    void DrawCurve(CDC* pDC);
    BackgroundKey m_backgroundKey;
    QImage m_background;
    // Where the peak's cross is drawn, if it is.
    bool PeakCross(int p, int nColumns, int H, int& top, int& bottom) const;
    void ReportFontAttributes();

    std::unique_ptr<CSpectrumColumns> m_pOwnColumns;
    CSpectrumColumns* m_pColumns;
    PFN_ZOOM m_pfnZoom = nullptr;
    QMenu* m_pZoomMenu = nullptr;
    bool m_bFontReported = false;

    CPen m_penMarker{PS_SOLID, 1, RGB(224, 0, 0)};
    CPen m_penFrame{PS_SOLID, 1, RGB(0, 0, 0)};
    CPen m_penGrid{PS_DOT, 1, RGB(0, 0, 0)};
};
