// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StrobeControl.h"

#include <QCoreApplication>
#include <QMenu>

#include "analysis/PitchAnalyser.h"
#include "app/AppIds.h"
#include "platform/ui/Menu.h"
#include "views/SpectrumArea.h"
#include "views/StrobeView.h"

CStrobeControl::CStrobeControl(CPitchAnalyser& analyser, CSpectrumArea* pSpectrum, CFont* pFont)
    : m_analyser(analyser),
      m_pSpectrum(pSpectrum),
      m_pView(new CStrobeView(&analyser.m_phaseMeter, pSpectrum->parentWidget())) {
    m_pView->m_pFont = pFont;
    // Freeze holds the strobe as it holds the other views.
    m_pView->m_pFrozen = &analyser.GetControlState().m_bFrozen;
    if (pFont) m_pView->setFont(pFont->GetQFont());
    // Names as the tuning in use gives them.
    m_pView->m_fnTargetName = [&analyser](int nTarget) {
        const char* pszName = analyser.GetTuning()->NameOf(nTarget);
        return std::string(pszName ? pszName : "");
    };
    // The spectrum's colours: its area and its curve.
    m_pView->m_fnColors = [pSpectrum](COLORREF& crBackground, COLORREF& crBands) {
        crBackground = pSpectrum->m_crBackground;
        if (pSpectrum->m_pSpectrumPen) crBands = pSpectrum->m_pSpectrumPen->m_crColor;
    };
    m_pView->hide();
    Layout();
}

void CStrobeControl::AppendMenuItems(QMenu* pView) {
    pView->addSeparator();
    AppendMenuItem(pView, ID_VIEW_STROBE, QCoreApplication::translate("CStrobeControl", "S&trobe"));
    AppendMenuItem(pView, ID_VIEW_SPECTRUM,
                   QCoreApplication::translate("CStrobeControl", "S&pectrum"));
    CheckMenuItem(pView, ID_VIEW_STROBE, false);
    CheckMenuItem(pView, ID_VIEW_SPECTRUM, true);
}

bool CStrobeControl::OnCommand(unsigned nId, QMenu* pMenu) {
    if (nId != ID_VIEW_STROBE && nId != ID_VIEW_SPECTRUM) return false;
    Show(nId == ID_VIEW_STROBE, pMenu);
    return true;
}

void CStrobeControl::Show(bool bStrobe, QMenu* pMenu) {
    m_bShown = bStrobe;
    m_analyser.m_phaseMeter.m_bEnabled.store(bStrobe ? 1 : 0, std::memory_order_relaxed);
    Layout();
    // Hidden, the spectrum takes no right click, so its zoom menu is off too.
    m_pSpectrum->setVisible(!bStrobe);
    m_pView->setVisible(bStrobe);
    if (pMenu) {
        CheckMenuItem(pMenu, ID_VIEW_STROBE, bStrobe);
        CheckMenuItem(pMenu, ID_VIEW_SPECTRUM, !bStrobe);
    }
}

void CStrobeControl::Layout() {
    m_pView->setGeometry(m_pSpectrum->geometry());
}
