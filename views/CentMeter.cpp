// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/CentMeter.h"

#include <QCoreApplication>
#include <cmath>

#include "analysis/Numeric.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "views/SpokenReading.h"

CCentMeter::CCentMeter(CCentCounter* pCounter, QWidget* pParent)
    : CBufferedWindow(pParent),
      m_pOwnCounter(pCounter ? nullptr : std::make_unique<CCentCounter>()),
      m_pCounter(pCounter ? pCounter : m_pOwnCounter.get()) {
    setFixedSize(WIDTH, HEIGHT);
    setAccessibleName(QCoreApplication::translate("CCentMeter", "Cent meter"));
    m_bPaintsEveryPixel = true;
}

QString CCentMeter::SpokenText() const {
    if (!m_pCounter->HasSignal() && m_pHold && m_pHold->IsHolding())
        return CentsInWords(m_pHold->GetShownCents()) +
               QCoreApplication::translate("SpokenReading", ", held");
    if (!m_pCounter->HasSignal())
        return QCoreApplication::translate("SpokenReading", NO_INPUT_SIGNAL_TEXT);
    return CentsInWords(m_pCounter->GetShownCents());
}

int CCentMeter::LitBar(int nShownCents) {
    const int i = FloorToInt((static_cast<double>(nShownCents) + 50) / (100.0 / 30));
    return i == 30 ? 29 : i;
}

CCentMeter::Zone CCentMeter::ZoneOf(int nBar) {
    // Compared unsigned, so a bar left of the row counts as outer.
    const unsigned i = static_cast<unsigned>(nBar);
    if (i >= 13 && i <= 17) return ZONE_CENTRE;
    if (i >= 10 && i <= 20) return ZONE_MIDDLE;
    return ZONE_OUTER;
}

CCentMeter::Shown CCentMeter::ReadShown() const {
    Shown shown{m_pCounter->GetShownCents(), m_pCounter->GetCents() != NO_SIGNAL_CENTS, false};
    // A held reading is drawn in grey, so that it is plainly not a live one.
    shown.bHeld = !shown.bSignal && m_pHold && m_pHold->IsHolding();
    if (shown.bHeld) {
        shown.nCents = m_pHold->GetShownCents();
        shown.bSignal = true;
    }
    return shown;
}

bool CCentMeter::GetPictureKey(PictureKey& key) const {
    const Shown shown = ReadShown();
    key.insert(key.end(), {shown.nCents, shown.bSignal, shown.bHeld});
    return true;
}

void CCentMeter::OnDraw(CDC* pDC) {
    const int width = pDC->GetWidth();
    const auto [nShownCents, bSignal, bHeld] = ReadShown();

    pDC->SelectObject(&m_brDarkGrey);
    pDC->SelectObject(&m_penDarkGrey);
    pDC->Rectangle(0, 0, width, 20);

    const int lit = LitBar(nShownCents);
    CBrush* pZoneBrush = &m_brRed;
    CPen* pZonePen = &m_penRed;
    switch (ZoneOf(lit)) {
        case ZONE_CENTRE:
            pZoneBrush = &m_brGreen;
            pZonePen = &m_penGreen;
            break;
        case ZONE_MIDDLE:
            pZoneBrush = &m_brYellow;
            pZonePen = &m_penYellow;
            break;
        case ZONE_OUTER:
            break;
    }
    if (bHeld) {
        pZoneBrush = &m_brHeld;
        pZonePen = &m_penHeld;
    }

    for (int b = 0; b < 30; ++b) {
        if (b == lit && bSignal) {
            pDC->SelectObject(pZoneBrush);
            pDC->SelectObject(pZonePen);
        } else {
            pDC->SelectObject(&m_brGrey);
            pDC->SelectObject(&m_penGrey);
        }
        pDC->Rectangle(4 * b, 0, 4 * b + 3, 20);
    }

    pDC->SelectObject(&m_penDarkGrey);
    pDC->SelectObject(bSignal ? pZoneBrush : &m_brGrey);
    pDC->Rectangle(0, 20, width, 35);
    if (!bSignal) return;
    const QString text =
        QString::asprintf(LoadResString(IDS_FORMAT_CENTS), nShownCents) + QLatin1Char(' ');
    const COLORREF crOld = bHeld ? pDC->SetTextColor(RGB(96, 96, 96)) : 0;
    pDC->TextOut(50, 20, text);
    if (bHeld) pDC->SetTextColor(crOld);
}
