// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/Gdi.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/ui/DialogUnits.h"
#include "resources/Resources.h"

const char* const DIALOG_FONT_FAMILY = "DejaVu Sans";
const char* const DIALOG_WIDGET_FONT_FAMILY = "DejaVu Sans Condensed";

namespace {
// GDI keeps coordinates within a few hundred thousand pixels; beyond this a
// line is cut down so that a wild value cannot make a line of billions of
// pixels.
constexpr int COORD_LIMIT = 1 << 16;
int ClampCoord(int v) {
    return std::clamp(v, -COORD_LIMIT, COORD_LIMIT);
}

QPen MakeQPen(const CPen& pen) {
    // Width 0 is Qt's cosmetic one-pixel pen, GDI's width 1.
    QPen qpen(QColor::fromRgb(ToQRgb(pen.m_crColor)), 0);
    if (pen.m_nStyle == PS_DOT) {
        qpen.setStyle(Qt::CustomDashLine);
        qpen.setDashPattern({3, 3});
        qpen.setCapStyle(Qt::FlatCap);
    }
    return qpen;
}
}  // namespace

bool CPen::CreatePen(int nStyle, int nWidth, COLORREF crColor) {
    m_nStyle = nStyle == PS_DOT ? PS_DOT : PS_SOLID;
    m_nWidth = nWidth < 1 ? 1 : nWidth;
    m_crColor = crColor;
    return true;
}

int AverageLetterWidth(const QFont& font) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (QFontMetrics(font).horizontalAdvance(letters) / 26 + 1) / 2;
}

QFont DialogWidgetFont() {
    QFont font;
    font.setFamily(QString::fromLatin1(DIALOG_WIDGET_FONT_FAMILY));
    font.setPixelSize(DIALOG_FONT_PIXELS);
    // The base units are fixed (DialogUnits.h); a wider substitute would
    // overflow the controls, so it gets smaller instead.
    for (int nPixels = DIALOG_FONT_PIXELS - 1;
         nPixels >= 8 && AverageLetterWidth(font) > DIALOG_BASE_UNIT_X; --nPixels)
        font.setPixelSize(nPixels);
    return font;
}

bool CFont::CreateFont(const QString& family, int nPixelHeight) {
    if (nPixelHeight <= 0) return false;
    m_font = QFont(family);
    m_font.setPixelSize(nPixelHeight);
    // Without antialiasing the glyphs are plain pixels of the text colour,
    // the same on every run.
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_font.setHintingPreference(QFont::PreferFullHinting);
    m_nPixelHeight = nPixelHeight;
    m_bCreated = true;
    return true;
}

bool CFont::GetLogFont(LOGFONT* pLogFont) const {
    if (!m_bCreated || pLogFont == nullptr) return false;
    pLogFont->lfHeight = -m_nPixelHeight;
    pLogFont->lfWeight = m_font.bold() ? 700 : 400;
    pLogFont->lfFaceName = m_font.family();
    return true;
}

bool CBitmap::LoadBitmap(unsigned nId) {
    QImage image = LoadBitmapResource(nId);
    if (image.isNull()) return false;
    return Attach(image);
}

bool CBitmap::Attach(const QImage& image) {
    if (image.isNull()) return false;
    m_image = image.convertToFormat(QImage::Format_RGB32);
    return true;
}

bool CBitmap::GetBitmap(BITMAP* pBitmap) const {
    if (m_image.isNull() || pBitmap == nullptr) return false;
    pBitmap->bmWidth = m_image.width();
    pBitmap->bmHeight = m_image.height();
    return true;
}

namespace {
// The stock font, made once: a context is made for every paint, and a copy
// shares the font instead of looking it up again. Never destroyed, so it
// does not outlive the application's font database.
const CFont& StockFont() {
    static const CFont* s_pFont = [] {
        auto* pFont = new CFont;
        pFont->CreateDialogFont();
        return pFont;
    }();
    return *s_pFont;
}
}  // namespace

CDC::CDC() : m_stockFont(StockFont()) {}

CDC::CDC(QImage* pSurface) : m_pSurface(pSurface), m_stockFont(StockFont()) {
    // Every pixel access below assumes 32-bit pixels; a fresh back buffer is
    // made so, anything else is converted once.
    if (m_pSurface && !m_pSurface->isNull() && m_pSurface->format() != QImage::Format_RGB32 &&
        m_pSurface->format() != QImage::Format_ARGB32 &&
        m_pSurface->format() != QImage::Format_ARGB32_Premultiplied)
        *m_pSurface = m_pSurface->convertToFormat(QImage::Format_RGB32);
}

bool CDC::CreateCompatibleDC(CDC*) {
    m_bMemory = true;
    m_pSurface = nullptr;
    m_pBitmap = nullptr;
    return true;
}

QImage* CDC::Surface() const {
    if (m_bMemory) return m_pBitmap ? &m_pBitmap->GetImage() : nullptr;
    return m_pSurface;
}

int CDC::GetScale() const {
    const QImage* p = Surface();
    if (!p) return 1;
    return std::max(1, static_cast<int>(std::lround(p->devicePixelRatio())));
}

int CDC::GetWidth() const {
    const QImage* p = Surface();
    return p ? p->width() / GetScale() : 0;
}

int CDC::GetHeight() const {
    const QImage* p = Surface();
    return p ? p->height() / GetScale() : 0;
}

void CDC::FillLogical(QImage& image, const QRect& logical, std::uint32_t rgb) const {
    const int n = GetScale();
    const QRect area =
        QRect(logical.x() * n, logical.y() * n, logical.width() * n, logical.height() * n)
            .intersected(image.rect());
    if (area.isEmpty()) return;
    // The rows are reached from one pointer: each scanLine() would check
    // again whether the image is shared (a strobe fills thousands a second).
    uchar* const pBits = image.bits();
    const qsizetype nStride = image.bytesPerLine();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(pBits + row * nStride);
        std::fill(line + area.left(), line + area.right() + 1, rgb);
    }
}

CPen* CDC::SelectObject(CPen* pPen) {
    if (!pPen) return nullptr;
    CPen* pOld = m_pPen;
    m_pPen = pPen;
    return pOld;
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    if (!pBrush) return nullptr;
    CBrush* pOld = m_pBrush;
    m_pBrush = pBrush;
    return pOld;
}

CFont* CDC::SelectObject(CFont* pFont) {
    if (!pFont) return nullptr;
    CFont* pOld = m_pFont;
    m_pFont = pFont;
    return pOld;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    if (!m_bMemory || !pBitmap || pBitmap->IsNull()) return nullptr;
    CBitmap* pOld = m_pBitmap;
    m_pBitmap = pBitmap;
    // GDI hands back the memory context's initial bitmap on the first
    // selection; there is none here, so the new one stands for "success".
    return pOld ? pOld : pBitmap;
}

COLORREF CDC::SetTextColor(COLORREF cr) {
    const COLORREF old = m_crText;
    m_crText = cr;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF cr) {
    const COLORREF old = m_crBk;
    m_crBk = cr;
    return old;
}

int CDC::SetBkMode(int nMode) {
    const int old = m_nBkMode;
    if (nMode == TRANSPARENT || nMode == OPAQUE) m_nBkMode = nMode;
    return old;
}

bool CDC::Rectangle(int left, int top, int right, int bottom) {
    QImage* pImage = Surface();
    if (!pImage) return false;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return true;
    if (m_pPen->m_nStyle != PS_SOLID) {
        // Rare (no view outlines with dots): QPainter's dash pattern.
        QPainter painter(pImage);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(MakeQPen(*m_pPen));
        painter.setBrush(QColor::fromRgb(ToQRgb(m_pBrush->m_crColor)));
        painter.setBackgroundMode(m_nBkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
        painter.setBackground(QColor::fromRgb(ToQRgb(m_crBk)));
        painter.drawRect(left, top, right - left - 1, bottom - top - 1);
        return true;
    }
    // The same pixels as QPainter's drawRect(left, top, right - left - 1,
    // bottom - top - 1) with a cosmetic pen, written directly: a repaint
    // draws dozens of these. Brush inside, then the four edges in the pen.
    const std::uint32_t pen = ToQRgb(m_pPen->m_crColor);
    const std::uint32_t brush = ToQRgb(m_pBrush->m_crColor);
    const int w = right - left, h = bottom - top;
    if (w > 2 && h > 2) FillLogical(*pImage, QRect(left + 1, top + 1, w - 2, h - 2), brush);
    FillLogical(*pImage, QRect(left, top, w, 1), pen);
    FillLogical(*pImage, QRect(left, bottom - 1, w, 1), pen);
    FillLogical(*pImage, QRect(left, top, 1, h), pen);
    FillLogical(*pImage, QRect(right - 1, top, 1, h), pen);
    return true;
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF cr) {
    m_crBk = cr;
    QImage* pImage = Surface();
    if (!pImage || cx <= 0 || cy <= 0) return;
    FillLogical(*pImage, QRect(x, y, cx, cy), ToQRgb(cr));
}

QPoint CDC::MoveTo(int x, int y) {
    const QPoint old = m_ptCurrent;
    m_ptCurrent = QPoint(x, y);
    return old;
}

bool CDC::LineTo(int x, int y) {
    RasterLine(m_ptCurrent.x(), m_ptCurrent.y(), x, y);
    m_ptCurrent = QPoint(x, y);
    return Surface() != nullptr;
}

// GDI's line rule: one pixel per step of the major axis, the end point left
// out; the minor axis steps when the error term is positive, and at an exact
// tie only towards the smaller coordinate, so a line and its reverse cover
// the same pixels except for their excluded ends.
void CDC::RasterLine(int x0, int y0, int x1, int y1) {
    QImage* pImage = Surface();
    if (!pImage) return;
    x0 = ClampCoord(x0);
    y0 = ClampCoord(y0);
    x1 = ClampCoord(x1);
    y1 = ClampCoord(y1);
    const int dx = x1 - x0, dy = y1 - y0;
    const int adx = std::abs(dx), ady = std::abs(dy);
    const bool bXMajor = adx >= ady;
    const int major = bXMajor ? adx : ady;
    const int minor = bXMajor ? ady : adx;
    if (major == 0) return;
    // Nothing to do when the line's box misses the surface.
    if (std::max(x0, x1) < 0 || std::max(y0, y1) < 0 || std::min(x0, x1) >= GetWidth() ||
        std::min(y0, y1) >= GetHeight())
        return;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const int minorStep = bXMajor ? sy : sx;

    const std::uint32_t on = ToQRgb(m_pPen->m_crColor);
    const std::uint32_t gap = ToQRgb(m_crBk);
    const bool bDotted = m_pPen->m_nStyle == PS_DOT;
    const bool bOpaqueGaps = m_nBkMode == OPAQUE;
    uchar* const bits = pImage->bits();
    const qsizetype stride = pImage->bytesPerLine();
    const int n = GetScale();
    const int width = pImage->width() / n, height = pImage->height() / n;
    auto plot = [&](int px, int py, std::uint32_t rgb) {
        if (static_cast<unsigned>(px) >= static_cast<unsigned>(width) ||
            static_cast<unsigned>(py) >= static_cast<unsigned>(height))
            return;
        if (n == 1) {
            reinterpret_cast<std::uint32_t*>(bits + py * stride)[px] = rgb;
            return;
        }
        for (int row = py * n; row < (py + 1) * n; ++row) {
            auto* line = reinterpret_cast<std::uint32_t*>(bits + row * stride);
            std::fill(line + px * n, line + (px + 1) * n, rgb);
        }
    };

    int x = x0, y = y0;
    long long e = 2LL * minor - major;
    for (int i = 0; i < major; ++i) {
        if (!bDotted || i % 6 < 3)
            plot(x, y, on);
        else if (bOpaqueGaps)
            plot(x, y, gap);
        const bool bStepMinor = e > 0 || (e == 0 && minorStep < 0);
        if (bStepMinor) {
            if (bXMajor)
                y += sy;
            else
                x += sx;
            e += 2LL * minor - 2LL * major;
        } else {
            e += 2LL * minor;
        }
        if (bXMajor)
            x += sx;
        else
            y += sy;
    }
}

bool CDC::TextOut(int x, int y, const QString& text) {
    QImage* pImage = Surface();
    if (!pImage) return false;
    const CFont* pFont = m_pFont->IsCreated() ? m_pFont : &m_stockFont;
    const QFont& font = pFont->GetQFont();
    const QFontMetrics metrics(font);
    // The painter takes the image's pixel ratio: cells in logical pixels,
    // glyphs at the image's resolution.
    QPainter painter(pImage);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    if (m_nBkMode == OPAQUE) painter.fillRect(cell, QColor::fromRgb(ToQRgb(m_crBk)));
    painter.setPen(QColor::fromRgb(ToQRgb(m_crText)));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    if (m_pTextCells)
        m_pTextCells->push_back(
            cell.united(metrics.boundingRect(text).translated(x, y + metrics.ascent())));
    return true;
}

bool CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
    QImage* pDst = Surface();
    QImage* pSrc = pSrcDC ? pSrcDC->Surface() : nullptr;
    if (!pDst || !pSrc || (dwRop != SRCCOPY && dwRop != SRCAND)) return false;
    // Clip the copy to both surfaces first (logical pixels).
    const int col0 = std::max({0, -x, -xSrc});
    const int col1 = std::min({nWidth, GetWidth() - x, pSrcDC->GetWidth() - xSrc});
    const int row0 = std::max({0, -y, -ySrc});
    const int row1 = std::min({nHeight, GetHeight() - y, pSrcDC->GetHeight() - ySrc});
    if (col0 >= col1 || row0 >= row1) return true;
    // Image pixels: each destination pixel takes the source pixel at the
    // same place of the logical pixel (a 1x bitmap fills n x n blocks).
    const int nd = GetScale(), ns = pSrcDC->GetScale();
    for (int dy = row0 * nd; dy < row1 * nd; ++dy) {
        auto* dst = reinterpret_cast<std::uint32_t*>(pDst->scanLine(y * nd + dy));
        const auto* src =
            reinterpret_cast<const std::uint32_t*>(pSrc->constScanLine(ySrc * ns + dy * ns / nd));
        std::uint32_t* d = dst + x * nd;
        const std::uint32_t* s = src + xSrc * ns;
        // Both surfaces hold opaque 32-bit pixels; AND keeps alpha at 0xFF.
        if (nd == ns) {
            if (dwRop == SRCAND)
                for (int dx = col0 * nd; dx < col1 * nd; ++dx) d[dx] &= s[dx];
            else
                for (int dx = col0 * nd; dx < col1 * nd; ++dx) d[dx] = s[dx] | 0xFF000000u;
        } else if (dwRop == SRCAND) {
            for (int dx = col0 * nd; dx < col1 * nd; ++dx) d[dx] &= s[dx * ns / nd];
        } else {
            for (int dx = col0 * nd; dx < col1 * nd; ++dx) d[dx] = s[dx * ns / nd] | 0xFF000000u;
        }
    }
    return true;
}
