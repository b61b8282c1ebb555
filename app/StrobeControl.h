// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CPitchAnalyser;
class CSpectrumArea;
class CStrobeView;
class CFont;
class QMenu;

// View -> Strobe and View -> Spectrum: the strobe takes the spectrum area's
// place, and the phase meter runs only while it is shown.
class CStrobeControl {
public:
    // The strobe goes on the spectrum area's parent, hidden.
    CStrobeControl(CPitchAnalyser& analyser, CSpectrumArea* pSpectrum, CFont* pFont);

    // The two menu items, with access keys T and P.
    static void AppendMenuItems(QMenu* pView);
    // ID_VIEW_STROBE or ID_VIEW_SPECTRUM; false for another command.
    bool OnCommand(unsigned nId, QMenu* pMenu);
    void Show(bool bStrobe, QMenu* pMenu);
    bool IsShown() const { return m_bShown; }
    // Follows the spectrum area's place and size.
    void Layout();
    CStrobeView* GetView() const { return m_pView; }

private:
    CPitchAnalyser& m_analyser;
    CSpectrumArea* m_pSpectrum;
    CStrobeView* m_pView;
    bool m_bShown = false;
};
