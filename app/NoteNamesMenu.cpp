// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NoteNamesMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

#include "analysis/NoteNaming.h"
#include "app/AppIds.h"
#include "platform/ui/Menu.h"
#include "views/NoteArea.h"

void AppendNoteNamesMenu(QMenu* pSettings) {
    QMenu* pNames = pSettings->addMenu(QCoreApplication::translate("NoteNamesMenu", "Note &Names"));
    auto* pGroup = new QActionGroup(pNames);
    const char* const apszNamings[NOTE_NAMING_COUNT] = {
        QT_TRANSLATE_NOOP("NoteNamesMenu", "&English (C D E F G A B)"),
        QT_TRANSLATE_NOOP("NoteNamesMenu", "&German (C D E F G A H)"),
        QT_TRANSLATE_NOOP("NoteNamesMenu", "&Solfege (Do Re Mi Fa Sol La Si)")};
    for (int i = 0; i < NOTE_NAMING_COUNT; ++i)
        pGroup->addAction(
            AppendMenuItem(pNames, ID_NOTE_NAMES_FIRST + i,
                           QCoreApplication::translate("NoteNamesMenu", apszNamings[i])));
}

int NoteNamingOfCommand(unsigned nId) {
    return nId >= ID_NOTE_NAMES_FIRST && nId < ID_NOTE_NAMES_FIRST + NOTE_NAMING_COUNT
               ? static_cast<int>(nId - ID_NOTE_NAMES_FIRST)
               : -1;
}

int LocaleNoteNaming() {
    switch (QLocale().language()) {
        case QLocale::German:
            return NOTE_NAMES_GERMAN;
        case QLocale::French:
        case QLocale::Italian:
        case QLocale::Spanish:
        case QLocale::Portuguese:
            return NOTE_NAMES_SOLFEGE;
        default:
            return NOTE_NAMES_ENGLISH;
    }
}

int ApplyNoteNaming(int nChosen, QMenu* pMenu, CNoteArea* pNoteArea) {
    const int nKept = nChosen >= 0 && nChosen < NOTE_NAMING_COUNT ? nChosen : -1;
    const int nNaming = nKept >= 0 ? nKept : LocaleNoteNaming();
    if (pMenu)
        for (int i = 0; i < NOTE_NAMING_COUNT; ++i)
            CheckMenuItem(pMenu, ID_NOTE_NAMES_FIRST + i, i == nNaming);
    if (pNoteArea) {
        pNoteArea->m_nNaming = nNaming;
        pNoteArea->update();
    }
    return nKept;
}
