// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from the views: names, the reading in words, and
// a change event when the words change.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "analysis/NoteNaming.h"
#include "analysis/NoteTable.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpokenReading.h"

namespace {
QString Text(QWidget* pWidget, QAccessible::Text t) {
    QAccessibleInterface* pInterface = QAccessible::queryAccessibleInterface(pWidget);
    return pInterface ? pInterface->text(t) : QStringLiteral("(no interface)");
}

TEST(Accessibility, ViewsSayTheReadingInWords) {
    CCentCounter counter;
    CFrequencyDigits digits;
    CNoteArea note;
    CCentMeter meter(&counter);
    CFrequencyDisplay frequency(&digits);
    note.SetReadingSources(&counter, &digits);
    EXPECT_EQ(Text(&note, QAccessible::Name), "Note area");
    EXPECT_EQ(Text(&meter, QAccessible::Name), "Cent meter");
    EXPECT_EQ(Text(&frequency, QAccessible::Name), "Frequency display");
    for (QWidget* pView : std::initializer_list<QWidget*>{&note, &meter, &frequency})
        EXPECT_EQ(Text(pView, QAccessible::Description), "no input signal");

    // 441.2 Hz, three blocks after a silence: the meter has come up 3 cents.
    note.SetFrequency(441.2f);
    for (int i = 0; i < 3; ++i) {
        counter.SetPitch(441.2f, NoteTable[note.GetNoteIndex()]);
        counter.ComputeCents();
    }
    digits.ShowFrequency(441.2f);
    // The note's words are one block's reading: its own cents (4.7) with its
    // own frequency; the meter says what it shows.
    EXPECT_EQ(Text(&note, QAccessible::Value), "A5, 5 cents sharp, 441.2 Hz");
    EXPECT_EQ(Text(&note, QAccessible::Description), "A5, 5 cents sharp, 441.2 Hz");
    EXPECT_EQ(Text(&meter, QAccessible::Description), "3 cents sharp");
    EXPECT_EQ(Text(&frequency, QAccessible::Description), "441.2 Hz");
    // Black keys as the staff shows them.
    EXPECT_EQ(NoteInWords(46, true), "A sharp 5");
    EXPECT_EQ(NoteInWords(46, false), "B flat 5");
    EXPECT_EQ(CentsInWords(-1), "1 cent flat");
    // In each naming: A5, and the B below it.
    const int nB4 = NOTE_A5 - 10;
    EXPECT_EQ(NoteInWords(NOTE_A5, true, NOTE_NAMES_GERMAN), "A5");
    EXPECT_EQ(NoteInWords(nB4, true, NOTE_NAMES_GERMAN), "H4");
    EXPECT_EQ(NoteInWords(NOTE_A5 + 1, false, NOTE_NAMES_GERMAN), "B5");
    EXPECT_EQ(NoteInWords(NOTE_A5, true, NOTE_NAMES_SOLFEGE), "La5");
    EXPECT_EQ(NoteInWords(nB4, true, NOTE_NAMES_SOLFEGE), "Si4");
    EXPECT_EQ(NoteInWords(nB4, true, NOTE_NAMES_ENGLISH), "B4");

    // Repaints announce the words once per change, never the same twice.
    // (Qt passes the events on only while a screen reader listens.)
    note.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&note));
    EXPECT_EQ(note.GetAnnouncementCount(), 1u);  // the first picture's words
    note.repaint();
    note.repaint();
    EXPECT_EQ(note.GetAnnouncementCount(), 1u);
    counter.SetPitch(-1.0f, 0.0f);  // the signal goes away
    counter.ComputeCents();
    note.repaint();
    // Within half a second of the last one it waits, then says it.
    for (int i = 0; i < 100 && note.GetAnnouncementCount() == 1; ++i) QTest::qWait(20);
    EXPECT_EQ(note.GetAnnouncementCount(), 2u);
    EXPECT_EQ(Text(&note, QAccessible::Description), "no input signal");
}
}  // namespace
