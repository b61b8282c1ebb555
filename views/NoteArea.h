// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "analysis/CentCounter.h"
#include "analysis/FrequencyDigits.h"
#include "analysis/NoteSearch.h"
#include "analysis/ReadingHold.h"
#include "platform/ui/Gdi.h"
#include "views/BufferedWindow.h"

// The note area: the closest note on a grand staff, with its sharp or flat
// and the octave sign for the top notes, all drawn by copying four bitmaps.
class CNoteArea : public CBufferedWindow {
public:
    static constexpr int SIZE = 120;
    static constexpr int NOTE_X = 73;

    // pSearch: the closest-note search to show (not owned); nullptr gives the
    // view its own. Creation loads the bitmaps and ends the process with
    // status 7 when they cannot be loaded or selected.
    explicit CNoteArea(CNoteSearch* pSearch = nullptr, QWidget* pParent = nullptr);

    int SetFrequency(float frequency) { return m_pSearch->SetFrequency(frequency); }
    int GetNoteIndex() const { return m_pSearch->GetNoteIndex(); }
    CNoteSearch* GetSearch() const { return m_pSearch; }

    void OnDraw(CDC* pDC) override;

    // The cent count and the frequency that complete the note's reading in
    // words (not owned); without them the words name the note only.
    void SetReadingSources(const CCentCounter* pCounter, const CFrequencyDigits* pDigits) {
        m_pCounter = pCounter;
        m_pDigits = pDigits;
    }
    // A held reading to show where there is no signal (not owned).
    void SetHold(const CReadingHold* pHold) { m_pHold = pHold; }
    // "A5, 3 cents sharp, 441.2 Hz" (the cents of the same block as the
    // frequency), "..., held", or "no input signal".
    QString SpokenText() const override;

    // The four pictures and the memory device contexts they are selected into.
    struct Pictures {
        CBitmap staff, noteHead, flat, sharp;
        BITMAP staffInfo, noteHeadInfo, flatInfo, sharpInfo;
        CDC dcStaff, dcNoteHead, dcFlat, dcSharp;
    };
    // Loads the bitmaps with these numbers (staff, note head, flat, sharp) and
    // selects each into its context. Returns 0, or the message that says what
    // failed: 134 (a bitmap cannot be loaded) or 132 (cannot be selected).
    static int LoadPictures(Pictures& pictures, const std::array<unsigned, 4>& anIds);
    // Error beep, the message with the stop icon, and the end of the process.
    [[noreturn]] static void FailCreation(int nMessage);

    // Top edge of the note head for a position index p (12 ... 61).
    static int NoteY(int p);

    int m_bSharps = 0;         // 1: black keys as sharps, 0: as flats
    int m_nNaming = 0;         // how the words name the notes (analysis/NoteNaming.h)
    CFont* m_pFont = nullptr;  // the main window's dialog font, not owned

protected:
    bool GetPictureKey(PictureKey& key) const override;

private:
    const CReadingHold* m_pHold = nullptr;
    bool IsHeld() const;
    // The note on the staff: the held one while holding.
    int ShownNote(bool bHeld) const {
        return bHeld ? m_pHold->GetNote() : m_pSearch->GetNoteIndex();
    }
    int OnCreate();

    std::unique_ptr<CNoteSearch> m_pOwnSearch;
    CNoteSearch* m_pSearch;
    const CCentCounter* m_pCounter = nullptr;
    const CFrequencyDigits* m_pDigits = nullptr;
    Pictures m_pictures;
};
