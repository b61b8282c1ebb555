// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/NoteArea.h"

#include <QCoreApplication>
#include <cstdlib>

#include "analysis/NoteTable.h"
#include "platform/ui/MessageBox.h"
#include "resources/Resource.h"
#include "views/SpokenReading.h"

namespace {
// Top edge of the note head by p - 12; the head's centre row, 3 pixels lower,
// falls on the note's line or space of the staff placed at 27, 7.
constexpr int NOTE_Y[50] = {
    100, 100, 97, 97, 94, 91, 91, 88, 88, 85, 85, 82,  // C3 ... B3
    79,  79,  76, 76, 73, 70, 70, 67, 67, 64, 64, 60,  // C4 ... B4
    55,  55,  50, 50, 46, 43, 43, 40, 40, 37, 37, 34,  // C5 ... B5
    31,  31,  28, 28, 25, 22, 22, 19, 19, 16, 16, 13,  // C6 ... B6
    10,  10,                                           // C7, C7#
};

bool IsBlackKey(int note) {
    switch (note % 12) {
        case 1:
        case 3:
        case 6:
        case 8:
        case 10:
            return true;
        default:
            return false;
    }
}
}  // namespace

CNoteArea::CNoteArea(CNoteSearch* pSearch, QWidget* pParent)
    : CBufferedWindow(pParent),
      m_pOwnSearch(pSearch ? nullptr : std::make_unique<CNoteSearch>()),
      m_pSearch(pSearch ? pSearch : m_pOwnSearch.get()) {
    setFixedSize(SIZE, SIZE);
    setAccessibleName(QCoreApplication::translate("CNoteArea", "Note area"));
    // Its words carry the whole reading, so a screen reader hears them change.
    m_bAnnounceChanges = true;
    OnCreate();
}

QString CNoteArea::SpokenText() const {
    const bool bHeld = IsHeld();
    const int note = bHeld ? m_pHold->GetNote() : m_pSearch->GetNoteIndex();
    const QString name = NoteInWords(note, m_bSharps != 0, m_nNaming);
    if (note == 0 || name.isEmpty() || (m_pCounter && !m_pCounter->HasSignal() && !bHeld))
        return QCoreApplication::translate("SpokenReading", NO_INPUT_SIGNAL_TEXT);
    // One block's reading: its own cents with its own frequency (the meter's
    // damped value lags behind the frequency and could contradict it).
    QString text = name;
    if (m_pCounter)
        text += QStringLiteral(", ") +
                CentsInWords(bHeld ? m_pHold->GetCents() : m_pCounter->GetCents());
    const QString hz = bHeld       ? FrequencyInWords(m_pHold->GetFrequency())
                       : m_pDigits ? FrequencyInWords(m_pDigits->GetFrequency())
                                   : QString();
    if (!hz.isEmpty()) text += QStringLiteral(", ") + hz;
    if (bHeld) text += QCoreApplication::translate("SpokenReading", ", held");
    return text;
}

bool CNoteArea::IsHeld() const {
    return m_pHold && m_pHold->IsHolding() && (!m_pCounter || !m_pCounter->HasSignal());
}

int CNoteArea::NoteY(int p) {
    return p >= 12 && p <= 61 ? NOTE_Y[p - 12] : NOTE_Y[0];
}

int CNoteArea::LoadPictures(Pictures& pictures, const std::array<unsigned, 4>& anIds) {
    CBitmap* apBitmaps[4] = {&pictures.staff, &pictures.noteHead, &pictures.flat, &pictures.sharp};
    BITMAP* apInfo[4] = {&pictures.staffInfo, &pictures.noteHeadInfo, &pictures.flatInfo,
                         &pictures.sharpInfo};
    CDC* apDCs[4] = {&pictures.dcStaff, &pictures.dcNoteHead, &pictures.dcFlat, &pictures.dcSharp};
    for (int i = 0; i < 4; ++i)
        if (!apBitmaps[i]->LoadBitmap(anIds[i])) return IDS_CLEF_NOT_LOADED;
    for (int i = 0; i < 4; ++i) apBitmaps[i]->GetBitmap(apInfo[i]);
    for (int i = 0; i < 4; ++i) apDCs[i]->CreateCompatibleDC(nullptr);
    for (int i = 0; i < 4; ++i)
        if (!apDCs[i]->SelectObject(apBitmaps[i])) return IDS_CLEF_NOT_DISPLAYED;
    return 0;
}

void CNoteArea::FailCreation(int nMessage) {
    ShowMessage(static_cast<unsigned>(nMessage), MB_ICONSTOP);
    std::exit(7);
}

int CNoteArea::OnCreate() {
    // Staff, note head, flat, sharp: the order of loading and of the messages.
    const int nFailure = LoadPictures(m_pictures, {IDB_STAFF, IDB_NOTEHEAD, IDB_FLAT, IDB_SHARP});
    if (nFailure != 0) FailCreation(nFailure);
    return 0;
}

bool CNoteArea::GetPictureKey(PictureKey& key) const {
    const bool bHeld = IsHeld();
    const int note = ShownNote(bHeld);
    // Every note out of range shows the same words.
    key.insert(key.end(), {note < 12 || note > 72 ? 0 : note, bHeld, m_bSharps,
                           reinterpret_cast<qint64>(m_pFont)});
    return true;
}

void CNoteArea::OnDraw(CDC* pDC) {
    Pictures& pic = m_pictures;
    pDC->BitBlt((SIZE - pic.staffInfo.bmWidth) / 2, (SIZE - pic.staffInfo.bmHeight) / 2,
                pic.staffInfo.bmWidth, pic.staffInfo.bmHeight, &pic.dcStaff, 0, 0, SRCCOPY);
    if (m_pFont) pDC->SelectObject(m_pFont);

    // Read once: the capture thread may store the next note while this draws.
    const bool bHeld = IsHeld();
    const int note = ShownNote(bHeld);
    if (bHeld) {
        const COLORREF crOld = pDC->SetTextColor(RGB(128, 128, 128));
        pDC->TextOut(88, 1, QCoreApplication::translate("CNoteArea", "held"));
        pDC->SetTextColor(crOld);
    }
    if (note < 12 || note > 72) {
        const COLORREF crOld = pDC->SetTextColor(RGB(128, 0, 0));
        pDC->TextOut(9, 1, QCoreApplication::translate("CNoteArea", "Out of range"));
        pDC->SetTextColor(crOld);
        return;
    }

    int d = note;
    if (note >= 61) {
        // C7# ... C8 are written an octave lower under an octave sign.
        d = note - 12;
        pDC->MoveTo(65, 2);
        pDC->LineTo(85, 2);
        pDC->LineTo(85, 6);
        pDC->TextOut(55, -2, QStringLiteral("8"));
    }

    // In flats mode a black key takes the place of the natural note above it.
    int p = d;
    const char* name = NoteName(d);
    if (!m_bSharps && name && name[0] != 'B' && name[0] != 'E') p = d + 1;

    const int y = NoteY(p);
    pDC->BitBlt(NOTE_X, y, pic.noteHeadInfo.bmWidth, pic.noteHeadInfo.bmHeight, &pic.dcNoteHead, 0,
                0, SRCAND);
    if (!IsBlackKey(d)) return;
    if (m_bSharps)
        pDC->BitBlt(NOTE_X - pic.sharpInfo.bmWidth, y - 3, pic.sharpInfo.bmWidth,
                    pic.sharpInfo.bmHeight, &pic.dcSharp, 0, 0, SRCAND);
    else
        pDC->BitBlt(NOTE_X - pic.flatInfo.bmWidth, y - 7, pic.flatInfo.bmWidth,
                    pic.flatInfo.bmHeight, &pic.dcFlat, 0, 0, SRCAND);
}
