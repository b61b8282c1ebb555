// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CNoteArea;
class QMenu;

// Settings -> Note Names: English, German or solfege (analysis/NoteNaming.h),
// the locale's until the user chooses one.

// The submenu, its items numbered ID_NOTE_NAMES_FIRST + naming.
void AppendNoteNamesMenu(QMenu* pSettings);
// The naming of the command nId, or -1 when it is none of the submenu's.
int NoteNamingOfCommand(unsigned nId);
// The locale's musicians' names: German for German, solfege for French,
// Italian, Spanish and Portuguese, else English.
int LocaleNoteNaming();
// Puts the chosen naming (-1: none, the locale's) into effect: the check
// mark in pMenu and the note area's words (either may be null). Returns the
// choice to remember: nChosen when it is a naming, else -1.
int ApplyNoteNaming(int nChosen, QMenu* pMenu, CNoteArea* pNoteArea);
