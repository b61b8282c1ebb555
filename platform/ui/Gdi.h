// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

// A small GDI-style drawing layer on a QImage back buffer. The views are
// written against GDI's rules (pen outline on the rectangle's boundary, right
// and bottom exclusive, lines without their end point, opaque text cells),
// so this layer reproduces those rules exactly: rectangles, lines and block
// copies are written straight into the image (QPainter has no line rule that
// matches GDI's), text goes through QPainter with antialiasing off.

using COLORREF = std::uint32_t;  // 0x00BBGGRR
using DWORD = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF cr) {
    return static_cast<int>(cr & 0xFF);
}
constexpr int GetGValue(COLORREF cr) {
    return static_cast<int>((cr >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF cr) {
    return static_cast<int>((cr >> 16) & 0xFF);
}
// The QImage pixel (opaque) of a colour reference, and back.
constexpr std::uint32_t ToQRgb(COLORREF cr) {
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(cr)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(cr)) << 8) |
           static_cast<std::uint32_t>(GetBValue(cr));
}
constexpr COLORREF FromQRgb(std::uint32_t rgb) {
    return RGB(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
               static_cast<int>(rgb & 0xFF));
}

constexpr int PS_SOLID = 0;
constexpr int PS_DOT = 2;  // cosmetic: 3 pixels on, 3 off, starting on

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCAND = 0x008800C6;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Pixel sizes of the dialog font ("MS Sans Serif" 8 points on the design's
// platform), which stands as DejaVu Sans 11 px in the views' drawing.
constexpr int DIALOG_FONT_PIXELS = 11;
extern const char* const DIALOG_FONT_FAMILY;
// The template font as a widget font, for the windows and dialogs built from
// templates. The templates' base units assume letters that average 6 px, so
// this is a font whose letters do: DejaVu Sans Condensed at 11 px (Debian
// fonts-dejavu-extra). Where that family is missing, the fallback is made
// smaller until its letters average no more than that.
QFont DialogWidgetFont();
extern const char* const DIALOG_WIDGET_FONT_FAMILY;
// Average width of the letters a-z, A-Z in pixels, rounded as the platform
// rounds its horizontal base unit.
int AverageLetterWidth(const QFont& font);

// Pens are drawn one pixel wide whatever the width, the only width the
// program uses.
class CPen {
public:
    CPen() = default;
    CPen(int nStyle, int nWidth, COLORREF crColor) { CreatePen(nStyle, nWidth, crColor); }
    bool CreatePen(int nStyle, int nWidth, COLORREF crColor);

    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_crColor = 0;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) : m_crColor(crColor) {}
    bool CreateSolidBrush(COLORREF crColor) {
        m_crColor = crColor;
        return true;
    }

    COLORREF m_crColor = RGB(255, 255, 255);
};

struct LOGFONT {
    int lfHeight = 0;  // negative: character height in pixels
    int lfWeight = 400;
    QString lfFaceName;
};

class CFont {
public:
    // An empty font object: nothing created yet, its attributes cannot be read.
    CFont() = default;
    bool CreateFont(const QString& family, int nPixelHeight);
    // The dialog font of the program's windows.
    bool CreateDialogFont() {
        return CreateFont(QString::fromLatin1(DIALOG_FONT_FAMILY), DIALOG_FONT_PIXELS);
    }
    bool GetLogFont(LOGFONT* pLogFont) const;
    bool IsCreated() const { return m_bCreated; }
    const QFont& GetQFont() const { return m_font; }

private:
    QFont m_font;
    int m_nPixelHeight = 0;
    bool m_bCreated = false;
};

struct BITMAP {
    int bmWidth = 0;
    int bmHeight = 0;
};

class CBitmap {
public:
    // Loads the bitmap resource of that number from the program's resources.
    bool LoadBitmap(unsigned nId);
    // Takes a picture as it is (tests and the preview build their own).
    bool Attach(const QImage& image);
    bool GetBitmap(BITMAP* pBitmap) const;
    bool IsNull() const { return m_image.isNull(); }
    QImage& GetImage() { return m_image; }
    const QImage& GetImage() const { return m_image; }

private:
    QImage m_image;  // always Format_RGB32
};

// A device context. Either it draws on an image owned by the caller (a
// view's back buffer), or it is a memory device context whose surface is the
// bitmap selected into it.
//
// Coordinates are logical pixels. A surface whose device pixel ratio is an
// integer n > 1 holds n x n image pixels per logical pixel: rectangles, lines
// and block copies fill whole n x n blocks, so the picture is the ratio-1
// picture enlarged exactly, while text is drawn at the image's resolution.
class CDC {
public:
    CDC();
    explicit CDC(QImage* pSurface);
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory device context; the reference context only decides the pixel
    // format, which is the same for all here.
    bool CreateCompatibleDC(CDC* pDC);

    // Selecting returns the previous object; a bitmap can only go into a
    // memory device context, and a null one fails (nullptr).
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);

    COLORREF SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const { return m_crBk; }
    int SetBkMode(int nMode);
    int GetBkMode() const { return m_nBkMode; }

    // Pen outline on the boundary, brush inside; right and bottom exclusive.
    bool Rectangle(int left, int top, int right, int bottom);
    // Fills with a colour and makes it the background colour (no pen).
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF cr);
    QPoint MoveTo(int x, int y);
    // Draws from the current position to (x, y) without that end point, and
    // moves there.
    bool LineTo(int x, int y);
    QPoint GetCurrentPosition() const { return m_ptCurrent; }
    // Text with the top left of its cell at (x, y); in OPAQUE mode the cell
    // is first filled with the background colour.
    bool TextOut(int x, int y, const QString& text);
    bool BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);

    // Size of the drawing surface in logical pixels (the client area for a
    // view's context).
    int GetWidth() const;
    int GetHeight() const;
    QImage* GetSurface() { return Surface(); }
    // Image pixels per logical pixel along each axis (1 for a plain image).
    int GetScale() const;

    // Where TextOut records the rectangle (logical pixels) each text covers,
    // cell and ink; nullptr records nothing.
    void SetTextCellRecorder(std::vector<QRect>* pCells) { m_pTextCells = pCells; }
    bool RecordsTextCells() const { return m_pTextCells != nullptr; }

private:
    QImage* Surface() const;
    void RasterLine(int x0, int y0, int x1, int y1);
    // Fills logical pixels with one colour, clipped to the surface.
    void FillLogical(QImage& image, const QRect& logical, std::uint32_t rgb) const;

    QImage* m_pSurface = nullptr;  // not owned
    bool m_bMemory = false;
    CBitmap* m_pBitmap = nullptr;  // selected into a memory context

    // The objects a fresh GDI context starts with.
    CPen m_stockPen{PS_SOLID, 1, RGB(0, 0, 0)};
    CBrush m_stockBrush{RGB(255, 255, 255)};
    CFont m_stockFont;

    CPen* m_pPen = &m_stockPen;
    CBrush* m_pBrush = &m_stockBrush;
    CFont* m_pFont = &m_stockFont;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBk = RGB(255, 255, 255);
    int m_nBkMode = OPAQUE;
    QPoint m_ptCurrent{0, 0};
    std::vector<QRect>* m_pTextCells = nullptr;
};
