// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/StrobeView.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "views/SpokenReading.h"

namespace {
constexpr double TWO_PI = 2 * M_PI;
// Runs a phase on for at most this long after its block: a capture that
// stalls does not spin the bands on a guess.
constexpr double MAX_EXTRAPOLATION_S = 0.25;
// A row that moves more than this part of a period per frame would alias
// (seem to crawl, or to run backwards): like a real strobe it blurs.
constexpr double MAX_PERIODS_PER_FRAME = 0.3;

COLORREF Mix(COLORREF a, COLORREF b) {
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
               (GetBValue(a) + GetBValue(b)) / 2);
}
}  // namespace

CStrobeView::CStrobeView(const CPhaseMeter* pMeter, QWidget* pParent)
    : CBufferedWindow(pParent, true), m_pMeter(pMeter), m_pTimer(new QTimer(this)) {
    setAccessibleName(QCoreApplication::translate("CStrobeView", "Strobe"));
    m_fnClock = [] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    m_bPaintsEveryPixel = true;
    m_pTimer->setInterval(FRAME_MS);
    QObject::connect(m_pTimer, &QTimer::timeout, this, [this] { Tick(); });
}

void CStrobeView::showEvent(QShowEvent* pEvent) {
    CBufferedWindow::showEvent(pEvent);
    m_pTimer->start();
}

void CStrobeView::hideEvent(QHideEvent* pEvent) {
    m_pTimer->stop();
    CBufferedWindow::hideEvent(pEvent);
}

void CStrobeView::Tick() {
    if (m_pFrozen && m_pFrozen->load(std::memory_order_relaxed)) return;
    const double now = m_fnClock();
    const uint32_t nSequence = m_pMeter->GetSequence();
    if (nSequence != m_nSequence) {
        m_nSequence = nSequence;
        m_dBlockTime = now;
        for (int h = 0; h < STROBE_ROWS; ++h) m_rows[h] = m_pMeter->GetRow(h);
    }
    const double dt = std::clamp(now - m_dBlockTime, 0.0, MAX_EXTRAPOLATION_S);
    for (int h = 0; h < STROBE_ROWS; ++h) m_adPhase[h] = m_rows[h].dPhase + m_rows[h].dRate * dt;
    // Only a picture that changes is drawn and sent to the screen: an in-tune
    // note, or none, costs nothing per frame.
    if (m_fnColors) m_fnColors(m_crBackground, m_crBands);
    UpdateIfChanged();
}

bool CStrobeView::GetPictureKey(PictureKey& key) const {
    key.insert(key.end(), {m_crBackground, m_crBands, reinterpret_cast<qint64>(m_pFont)});
    for (int h = 0; h < STROBE_ROWS; ++h) key.push_back(RowState(h));
    const QString text = ReadingText();
    key.push_back(text.size());
    for (QChar c : text) key.push_back(c.unicode());
    return true;
}

int CStrobeView::RowState(int h) const {
    if (!m_rows[h].bShown) return ROW_HIDDEN;
    const double periodsPerFrame =
        std::fabs(m_rows[h].dRate) * PHASE_GAIN / TWO_PI * FRAME_MS / 1000.0;
    if (periodsPerFrame > MAX_PERIODS_PER_FRAME) return ROW_BLURRED;
    // Sharp: the phase grows, the bands move right.
    const double periods = m_adPhase[h] * PHASE_GAIN / TWO_PI;
    return std::clamp(static_cast<int>(std::floor((periods - std::floor(periods)) * BAND_PERIOD)),
                      0, BAND_PERIOD - 1);
}

QString CStrobeView::ReadingText() const {
    bool bShown = false;
    for (const CPhaseMeter::Row& row : m_rows) bShown = bShown || row.bShown;
    if (!bShown) return {};
    QString text = m_fnTargetName
                       ? QString::fromStdString(m_fnTargetName(m_pMeter->GetPublishedTarget()))
                       : QString();
    if (m_pMeter->HasPublishedFine()) {
        // No "-0.0": what rounds to nothing is in tune.
        const double tenths = std::nearbyint(m_pMeter->GetPublishedFineCents() * 10);
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += QString::asprintf(
            QCoreApplication::translate("CStrobeView", "%+.1f cents").toUtf8().constData(),
            tenths == 0 ? 0.0 : tenths / 10);
    }
    return text;
}

QString CStrobeView::SpokenText() const {
    bool bShown = false;
    for (const CPhaseMeter::Row& row : m_rows) bShown = bShown || row.bShown;
    if (!bShown) return QCoreApplication::translate("SpokenReading", NO_INPUT_SIGNAL_TEXT);
    QString text = m_fnTargetName
                       ? QString::fromStdString(m_fnTargetName(m_pMeter->GetPublishedTarget()))
                       : QString();
    if (!m_pMeter->HasPublishedFine()) return text;
    const double tenths = std::nearbyint(m_pMeter->GetPublishedFineCents() * 10);
    if (!text.isEmpty()) text += QStringLiteral(", ");
    if (tenths == 0) return text + QCoreApplication::translate("SpokenReading", "in tune");
    const double cents = std::fabs(tenths) / 10;
    const QString format =
        tenths > 0 ? (cents == 1.0 ? QCoreApplication::translate("SpokenReading", "%1 cent sharp")
                                   : QCoreApplication::translate("SpokenReading", "%1 cents sharp"))
                   : (cents == 1.0 ? QCoreApplication::translate("SpokenReading", "%1 cent flat")
                                   : QCoreApplication::translate("SpokenReading", "%1 cents flat"));
    return text + format.arg(cents, 0, 'f', 1);
}

void CStrobeView::DrawReading(CDC* pDC, const QString& text, int nWidth) {
    auto draw = [this, &text](CDC* pTarget) {
        if (m_pFont) pTarget->SelectObject(m_pFont);
        pTarget->SetBkMode(TRANSPARENT);
        pTarget->SetTextColor(m_crBands);
        pTarget->TextOut(4, 2, text);
    };
    // Where text cells are being recorded, the text is drawn where it is.
    if (pDC->RecordsTextCells()) {
        draw(pDC);
        return;
    }
    const ReadingKey key{
        text, m_crBackground, m_crBands, nWidth, pDC->GetHeight(), pDC->GetScale(), m_pFont};
    if (!(key == m_readingKey) || m_readingImage.isNull()) {
        m_readingKey = key;
        // Below the cell as much again as a margin for the ink, so that the
        // image holds every pixel the text can touch.
        const int nCell = QFontMetrics(m_pFont ? m_pFont->GetQFont() : font()).height();
        m_nReadingHeight = std::min(key.nHeight, 2 * (2 + nCell));
        m_readingImage =
            QImage(QSize(key.nWidth, m_nReadingHeight) * key.nScale, QImage::Format_RGB32);
        m_readingImage.setDevicePixelRatio(key.nScale);
        CDC line(&m_readingImage);
        line.FillSolidRect(0, 0, key.nWidth, m_nReadingHeight, m_crBackground);
        draw(&line);
    }
    CDC line(&m_readingImage);
    pDC->BitBlt(0, 0, key.nWidth, m_nReadingHeight, &line, 0, 0, SRCCOPY);
}

void CStrobeView::OnDraw(CDC* pDC) {
    const int W = pDC->GetWidth();
    const int H = pDC->GetHeight();
    if (m_fnColors) m_fnColors(m_crBackground, m_crBands);
    pDC->FillSolidRect(0, 0, W, H, m_crBackground);

    const QString text = ReadingText();
    if (!text.isEmpty()) DrawReading(pDC, text, W);

    const int rowHeight = std::max(1, (H - TEXT_HEIGHT) / STROBE_ROWS);
    const int half = BAND_PERIOD / 2;
    for (int h = 0; h < STROBE_ROWS; ++h) {
        const int offset = RowState(h);
        if (offset == ROW_HIDDEN) continue;
        const int top = TEXT_HEIGHT + h * rowHeight;
        // A pixel between rows keeps them apart.
        const int height = rowHeight - 1;
        if (offset == ROW_BLURRED) {
            pDC->FillSolidRect(0, top, W, height, Mix(m_crBackground, m_crBands));
            continue;
        }
        for (int x = offset - BAND_PERIOD; x < W; x += BAND_PERIOD) {
            const int left = std::max(x, 0), right = std::min(x + half, W);
            if (right > left) pDC->FillSolidRect(left, top, right - left, height, m_crBands);
        }
    }
}
