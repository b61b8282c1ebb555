// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/SpectrumArea.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "analysis/Numeric.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "resources/Menus.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {
struct Tick {
    float fFrequency;
    const char* pLabel;
};

constexpr Tick LINEAR_TICKS[17] = {
    {40, "  40"},    {250, "250"},    {500, "500"},    {750, "750"},    {1000, " 1k"},
    {1250, "1.25k"}, {1500, "1.5k"},  {1750, "1.75k"}, {2000, " 2k"},   {2250, "2.25k"},
    {2500, "2.5k"},  {2750, "2.75k"}, {3000, " 3k"},   {3250, "3.25k"}, {3500, "3.5k"},
    {3750, "3.75k"}, {4000, "4k"},
};

constexpr Tick LOG_TICKS[7] = {
    {40, "  40"}, {100, "100"}, {200, "200"}, {400, "400"},
    {1000, "1k"}, {2000, "2k"}, {4000, "4k"},
};

// The initial client area of the main window gives this window size.
constexpr int INITIAL_WIDTH = 534 - 170;
constexpr int INITIAL_HEIGHT = 330 - 135;

// Beyond this distance from the window no part of a tick or its label shows.
constexpr int OFF_WINDOW = 1000;

// The curve's row for a column in a client area H high. Columns come from
// float arithmetic: a NaN lies on the bottom line, and a wild value is held
// just outside the window so that a segment never runs for billions of
// pixels.
int CurveRow(float column, int H, int offset) {
    const int y = TruncToInt(H - 20 - static_cast<double>(column) + offset, H - 20 + offset);
    return std::clamp(y, -1, H + 1);
}
}  // namespace

bool CSpectrumArea::PeakCross(int p, int nColumns, int H, int& top, int& bottom) const {
    if (p < 1 || p >= nColumns) return false;
    const double y = H - 20 - static_cast<double>(m_pColumns->GetColumn(p));
    if (!std::isfinite(y)) return false;
    top = std::clamp(TruncToInt(y - 2), -10, H + 10);
    bottom = std::clamp(TruncToInt(y + 3), -5, H + 15);
    return true;
}

// The picture key: the window's, then the settings, the peak's cross
// (column, top, bottom), the curve's start, one row per column.
namespace {
constexpr size_t KEY_CROSS = CBufferedWindow::WINDOW_KEY_SIZE + 9;
constexpr size_t KEY_CURVE = KEY_CROSS + 3;
}  // namespace

bool CSpectrumArea::GetPictureKey(PictureKey& key) const {
    const CSpectrumColumns::Settings s = m_pColumns->GetSettings();
    auto bits = [](auto value) {
        qint64 n = 0;
        std::memcpy(&n, &value, sizeof value);
        return n;
    };
    const int H = ClientSize().height();
    const int nColumns = std::min(ClientSize().width() - 40, MAX_SPECTRUM_COLUMNS);
    const int p = m_pColumns->GetPeakColumn();
    int top = 0, bottom = 0;
    const bool bCross = PeakCross(p, nColumns, H, top, bottom);
    key.insert(key.end(), {reinterpret_cast<qint64>(m_pFont), m_crBackground,
                           m_pSpectrumPen ? qint64(m_pSpectrumPen->m_crColor) : -1, bits(s.fFrom),
                           bits(s.fRange), s.nDynamicRange, s.bLogarithmic,
                           bits(m_pColumns->m_dLogRange.load(std::memory_order_relaxed)),
                           m_pColumns->m_nZoomLevel.load(std::memory_order_relaxed), bCross ? p : 0,
                           top, bottom});
    if (nColumns > 0) key.push_back(CurveRow(m_pColumns->GetColumn(0), H, 0));
    for (int c = 0; c < nColumns; ++c) key.push_back(CurveRow(m_pColumns->GetColumn(c), H, 1));
    return true;
}

CSpectrumArea::CSpectrumArea(CSpectrumColumns* pColumns, QWidget* pParent)
    : CBufferedWindow(pParent, true),
      m_pSpectrumPen(std::make_unique<CPen>(PS_SOLID, 1, RGB(0, 128, 0))),
      m_pOwnColumns(pColumns ? nullptr : std::make_unique<CSpectrumColumns>()),
      m_pColumns(pColumns ? pColumns : m_pOwnColumns.get()) {
    m_pZoomMenu = LoadZoomMenu(this);
    SetSize(INITIAL_WIDTH, INITIAL_HEIGHT);
    m_bPaintsEveryPixel = true;
}

CSpectrumArea::~CSpectrumArea() = default;

void CSpectrumArea::SetSize(int width, int height) {
    width = std::max(width, MIN_WIDTH);
    height = std::max(height, MIN_HEIGHT);
    resize(width, height);
    m_pColumns->SetSize(width - 2, height - 2);
}

QRect CSpectrumArea::ChangedRect(const PictureKey& shown, const PictureKey& next) const {
    const QRect all(QPoint(0, 0), ClientSize());
    if (shown.size() != next.size() || shown.size() < KEY_CURVE ||
        !std::equal(shown.begin(), shown.begin() + KEY_CROSS, next.begin()))
        return all;
    // Only the curve and the cross moved: the strips they cover, in their
    // whole height (the one-pixel segments between columns reach only
    // the columns at either end).
    QRect changed;
    auto add = [&](qint64 left, qint64 right) {
        changed |= QRect(QPoint(int(left), 0), QPoint(int(right), all.bottom()));
    };
    if (!std::equal(shown.begin() + KEY_CROSS, shown.begin() + KEY_CURVE, next.begin() + KEY_CROSS))
        for (const PictureKey* pKey : {&shown, &next})
            if ((*pKey)[KEY_CROSS] != 0) add((*pKey)[KEY_CROSS] + 16, (*pKey)[KEY_CROSS] + 24);
    for (size_t i = KEY_CURVE; i < next.size(); ++i)
        if (shown[i] != next[i]) {
            // The start, or the column c = i - KEY_CURVE - 1 at x = 20 + c.
            const qint64 x = 20 + qint64(i - KEY_CURVE) - 1;
            add(x - 2, x + 2);
        }
    return changed & all;
}

void CSpectrumArea::SetSpectrumColor(COLORREF cr) {
    m_pSpectrumPen = std::make_unique<CPen>(PS_SOLID, 1, cr);
}

void CSpectrumArea::SetDefaultColors() {
    m_crBackground = RGB(255, 255, 255);
    SetSpectrumColor(RGB(0, 128, 0));
}

void CSpectrumArea::ReportFontAttributes() {
    // Once per view, and after the paint: a modal box inside a paint would
    // come back on every repaint.
    if (m_bFontReported) return;
    m_bFontReported = true;
    QMetaObject::invokeMethod(
        this,
        [] {
            MessageBeep(MB_ICONEXCLAMATION);
            ShowMessage(IDS_FONT_ATTRIBUTES, MB_ICONEXCLAMATION);
        },
        Qt::QueuedConnection);
}

void CSpectrumArea::OnDraw(CDC* pDC) {
    const int H = pDC->GetHeight();
    const int Wc = pDC->GetWidth();
    m_pColumns->SetSize(Wc, H);

    // One consistent set of settings for the whole picture.
    const BackgroundKey key{m_pColumns->GetSettings(),
                            m_pColumns->m_dLogRange.load(std::memory_order_relaxed),
                            m_pColumns->m_nZoomLevel.load(std::memory_order_relaxed),
                            m_crBackground,
                            m_pFont,
                            pDC->GetScale()};
    // The ticks, labels and grid change with the settings, not with the
    // data, and their text costs more than the curve: they are drawn once
    // into an image of their own and copied under each curve. Where text
    // cells are being recorded, they are drawn where they are.
    if (pDC->RecordsTextCells()) {
        DrawBackground(pDC, key);
    } else {
        if (!(key == m_backgroundKey) || m_background.size() != QSize(Wc, H) * key.nScale) {
            m_backgroundKey = key;
            m_background = QImage(QSize(Wc, H) * key.nScale, QImage::Format_RGB32);
            m_background.setDevicePixelRatio(key.nScale);
            CDC background(&m_background);
            DrawBackground(&background, key);
        }
        CDC background(&m_background);
        pDC->BitBlt(0, 0, Wc, H, &background, 0, 0, SRCCOPY);
    }

    DrawCurve(pDC);
}

bool CSpectrumArea::BackgroundKey::operator==(const BackgroundKey& o) const {
    return settings.fFrom == o.settings.fFrom && settings.fRange == o.settings.fRange &&
           settings.nDynamicRange == o.settings.nDynamicRange &&
           settings.bLogarithmic == o.settings.bLogarithmic && dLogRange == o.dLogRange &&
           nZoomLevel == o.nZoomLevel && crBackground == o.crBackground && pFont == o.pFont &&
           nScale == o.nScale;
}

void CSpectrumArea::DrawBackground(CDC* pDC, const BackgroundKey& key) {
    const int H = pDC->GetHeight();
    const int Wc = pDC->GetWidth();
    const int labelRow = H - 19;
    const int W = Wc - 40;
    const int P = H - 40;
    const CSpectrumColumns::Settings& s = key.settings;
    const double dLogRange = key.dLogRange;
    const unsigned nZoomLevel = key.nZoomLevel;
    const int D = s.nDynamicRange;

    pDC->FillSolidRect(0, 0, Wc, H, key.crBackground);

    int L = 11;
    LOGFONT lf;
    if (m_pFont) pDC->SelectObject(m_pFont);
    if (m_pFont && m_pFont->GetLogFont(&lf))
        L = std::abs(lf.lfHeight);
    else
        ReportFontAttributes();

    // Frequency ticks. An x that is NaN or far off never falls inside the
    // plot and is not drawn.
    if (!s.bLogarithmic) {
        const int skip = nZoomLevel == 0 ? 3 : nZoomLevel == 1 ? 1 : 0;
        for (int i = 0; i < 17; ++i) {
            const int x = TruncToInt(
                W * (static_cast<double>(LINEAR_TICKS[i].fFrequency) - s.fFrom) / s.fRange + 20,
                INT_MIN);
            if (x < 20 || x > W + 20) continue;
            pDC->TextOut(x - L, labelRow, QString::fromLatin1(LINEAR_TICKS[i].pLabel));
            pDC->SelectObject(i == 0 || i == 16 ? &m_penFrame : &m_penGrid);
            pDC->MoveTo(x, H - 20);
            pDC->LineTo(x, 20);
            i += skip;
        }
    } else {
        for (int i = 0; i < 7; ++i) {
            const int x = TruncToInt(
                W * std::log10(static_cast<double>(LOG_TICKS[i].fFrequency) / s.fFrom) / dLogRange +
                    20,
                INT_MIN);
            // Drawn wherever x is not 0, also left or right of the plot (a
            // 40 Hz row below the range's start), and clipped by the window.
            // A row far outside the window (or NaN) would show nothing.
            if (x == 0 || x < -OFF_WINDOW || x > Wc + OFF_WINDOW) continue;
            pDC->TextOut(x - L, labelRow, QString::fromLatin1(LOG_TICKS[i].pLabel));
            pDC->SelectObject(i == 0 || i == 6 ? &m_penFrame : &m_penGrid);
            pDC->MoveTo(x, H - 20);
            pDC->LineTo(x, 20);
        }
    }

    // dB grid.
    int grid[3];
    int nGrid = 0;
    switch (D) {
        case 30:
        case 45:
        case 60:
            grid[0] = P / 3;
            grid[1] = 2 * P / 3;
            nGrid = 2;
            break;
        case 40:
        case 80:
            grid[0] = P / 4;
            grid[1] = P / 2;
            grid[2] = 3 * P / 4;
            nGrid = 3;
            break;
        case 35:
        case 50:
        case 70:
            grid[0] = P / 2;
            nGrid = 1;
            break;
        default:
            break;
    }
    pDC->SelectObject(&m_penGrid);
    for (int k = 0; k < nGrid; ++k) {
        pDC->MoveTo(20, H - 20 - grid[k]);
        pDC->LineTo(W + 20, H - 20 - grid[k]);
    }

    // dB labels.
    pDC->SelectObject(&m_penFrame);
    auto label = [&](const char* text, int y) { pDC->TextOut(2, y, QString::fromLatin1(text)); };
    label("   0", H - P - 25);
    switch (D) {
        case 30:
            label("-10", H - 2 * P / 3 - 25);
            label("-20", H - P / 3 - 25);
            label("-30", H - 30);
            break;
        case 40:
            label("-10", H - 3 * P / 4 - 25);
            label("-20", H - P / 2 - 25);
            label("-30", H - P / 4 - 25);
            label("-40", H - 30);
            break;
        case 45:
            label("-15", H - 2 * P / 3 - 25);
            label("-30", H - P / 3 - 25);
            label("-45", H - 30);
            break;
        case 60:
            label("-20", H - 2 * P / 3 - 25);
            label("-40", H - P / 3 - 25);
            label("-60", H - 30);
            break;
        case 80:
            label("-20", H - 3 * P / 4 - 25);
            label("-40", H - P / 2 - 25);
            label("-60", H - P / 4 - 25);
            label("-80", H - 30);
            break;
        case 35:
        case 50:
        case 70:
            pDC->TextOut(2, H - P / 2 - 25,
                         QString::asprintf(LoadResString(IDS_FORMAT_DB_LABEL), -(D / 2)));
            pDC->TextOut(2, H - 30, QString::asprintf(LoadResString(IDS_FORMAT_DB_LABEL), -D));
            break;
        default:
            break;
    }

    pDC->TextOut(5, 2, QStringLiteral("dB"));
    pDC->TextOut(Wc - 15, labelRow, QStringLiteral("Hz"));
}

void CSpectrumArea::DrawCurve(CDC* pDC) {
    const int H = pDC->GetHeight();
    const int W = pDC->GetWidth() - 40;

    // Curve.
    const int nColumns = std::min(W, MAX_SPECTRUM_COLUMNS);
    if (nColumns > 0) {
        pDC->SelectObject(m_pSpectrumPen.get());
        pDC->MoveTo(20, CurveRow(m_pColumns->GetColumn(0), H, 0));
        for (int c = 0; c < nColumns; ++c)
            pDC->LineTo(20 + c, CurveRow(m_pColumns->GetColumn(c), H, 1));
    }

    // Peak cross.
    const int p = m_pColumns->GetPeakColumn();
    if (int top = 0, bottom = 0; PeakCross(p, nColumns, H, top, bottom)) {
        pDC->SelectObject(&m_penMarker);
        pDC->MoveTo(p + 18, top);
        pDC->LineTo(p + 23, bottom);
        pDC->MoveTo(p + 22, top);
        pDC->LineTo(p + 17, bottom);
    }

    // Frame.
    pDC->SelectObject(&m_penFrame);
    pDC->MoveTo(20, 20);
    pDC->LineTo(W + 20, 20);
    pDC->LineTo(W + 20, H - 19);
    pDC->LineTo(20, H - 19);
    pDC->LineTo(20, 20);
}

bool CSpectrumArea::BeginZoomMenu(const QPoint& clientPoint) {
    if (!m_pfnZoom) {
        ShowMessage(IDS_DISPLAY_PLUGIN_MISSING, MB_ICONINFORMATION);
        return false;
    }
    const int W = ClientSize().width() - 40;
    const int x = clientPoint.x();
    if (x < 20 || x > W + 20 || W <= 0) return false;

    const double fraction = static_cast<double>(x - 20) / W;
    const double from = m_pColumns->m_fFrom.load(std::memory_order_relaxed);
    if (!m_pColumns->m_bLogarithmic.load(std::memory_order_relaxed)) {
        const double range = m_pColumns->m_fRange.load(std::memory_order_relaxed);
        m_fZoomCentre = static_cast<float>(from + std::floor(fraction * range));
    } else {
        const double logRange = m_pColumns->m_dLogRange.load(std::memory_order_relaxed);
        m_fZoomCentre = static_cast<float>(std::floor(from * std::pow(10.0, fraction * logRange)));
    }
    UpdateZoomMenuItems();
    return true;
}

void CSpectrumArea::contextMenuEvent(QContextMenuEvent* pEvent) {
    if (!BeginZoomMenu(ToClient(pEvent->pos()))) return;
    QAction* pChosen = m_pZoomMenu->exec(pEvent->globalPos());
    switch (GetMenuItemId(pChosen)) {
        case ID_ZOOM_IN:
            OnZoomIn();
            break;
        case ID_ZOOM_OUT:
            OnZoomOut();
            break;
        default:
            break;
    }
}

void CSpectrumArea::OnZoomIn() {
    unsigned level = m_pColumns->m_nZoomLevel.load(std::memory_order_relaxed);
    if (level < MAX_ZOOM_LEVEL) ++level;
    CallZoom(level);
}

void CSpectrumArea::OnZoomOut() {
    unsigned level = m_pColumns->m_nZoomLevel.load(std::memory_order_relaxed);
    if (level > 0) --level;
    CallZoom(level);
}

void CSpectrumArea::CallZoom(unsigned nLevel) {
    m_pColumns->m_nZoomLevel.store(nLevel, std::memory_order_relaxed);
    if (m_pfnZoom) {
        // The plug-in writes plain variables; the view's fields are atomics
        // that the capture thread reads.
        float from = m_pColumns->m_fFrom.load(std::memory_order_relaxed);
        float to = m_pColumns->m_fTo.load(std::memory_order_relaxed);
        float range = m_pColumns->m_fRange.load(std::memory_order_relaxed);
        double logRange = m_pColumns->m_dLogRange.load(std::memory_order_relaxed);
        m_pfnZoom(nLevel, m_fZoomCentre, &from, &to, &range, &logRange);
        m_pColumns->m_fFrom.store(from, std::memory_order_relaxed);
        m_pColumns->m_fTo.store(to, std::memory_order_relaxed);
        m_pColumns->m_fRange.store(range, std::memory_order_relaxed);
        m_pColumns->m_dLogRange.store(logRange, std::memory_order_relaxed);
    }
    UpdateZoomMenuItems();
}

void CSpectrumArea::UpdateZoomMenuItems() {
    const unsigned level = m_pColumns->m_nZoomLevel.load(std::memory_order_relaxed);
    EnableMenuItem(m_pZoomMenu, ID_ZOOM_IN, level < MAX_ZOOM_LEVEL);
    EnableMenuItem(m_pZoomMenu, ID_ZOOM_OUT, level > 0);
}
