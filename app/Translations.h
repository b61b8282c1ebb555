// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The window's language, chosen once at start from the user's locale
// (QLocale::system().uiLanguages(): LANGUAGE, then LC_ALL, LC_MESSAGES and
// LANG). English is the source text: without a translation for any of the
// user's languages, or with English listed before them, nothing is loaded.

// Where kalvo_<language>.qm files are looked for, in this order:
// $KALVO_TRANSLATIONS_DIR, share/kalvo/translations beside the program's
// folder (an installation, also one moved as a whole), translations/ beside
// it (a build tree: build/app/kalvo finds build/translations), and the
// installation's own folder.
QStringList TranslationFolders();

// The translation among those available ("de", "pt_BR", ...) for the first of
// the user's languages that has one: "de-AT" takes "de", "pt-PT" and "pt"
// take "pt_BR" when that is the only Portuguese. "" when English (or "C")
// comes first or none is available.
QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available);

// Installs the chosen translation of the program, and Qt's own for the
// standard buttons and dialogs where the system has it (Debian
// qt6-translations-l10n), into the application. Returns the language loaded,
// "" for none (English).
QString InstallTranslations(QCoreApplication& app, const QStringList& uiLanguages);
