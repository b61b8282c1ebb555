// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#ifndef KALVO_TRANSLATIONS_INSTALL_DIR
#define KALVO_TRANSLATIONS_INSTALL_DIR "/usr/share/kalvo/translations"
#endif

namespace {
const QString PREFIX = QStringLiteral("kalvo_");
const QString SUFFIX = QStringLiteral(".qm");

// "de_DE.UTF-8", "de-DE", "de_DE@euro" as "de_DE".
QString Normalised(QString strLanguage) {
    strLanguage.replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype nEnd = strLanguage.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    return nEnd < 0 ? strLanguage : strLanguage.left(nEnd);
}

// The languages with a translation in the folder.
QStringList Available(const QString& strFolder) {
    QStringList languages;
    const QStringList files = QDir(strFolder).entryList({PREFIX + QLatin1Char('*') + SUFFIX},
                                                        QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& strFile : files)
        languages << strFile.mid(PREFIX.size(), strFile.size() - PREFIX.size() - SUFFIX.size());
    return languages;
}
}  // namespace

QStringList TranslationFolders() {
    QStringList folders;
    const QString strOverride = qEnvironmentVariable("KALVO_TRANSLATIONS_DIR");
    if (!strOverride.isEmpty()) folders << strOverride;
    const QString strOwn = QCoreApplication::applicationDirPath();
    if (!strOwn.isEmpty()) {
        folders << QDir::cleanPath(strOwn + QStringLiteral("/../share/kalvo/translations"));
        folders << QDir::cleanPath(strOwn + QStringLiteral("/../translations"));
    }
    const QString strInstalled = QStringLiteral(KALVO_TRANSLATIONS_INSTALL_DIR);
    if (!folders.contains(strInstalled)) folders << strInstalled;
    return folders;
}

QString ChooseTranslation(const QStringList& uiLanguages, const QStringList& available) {
    for (const QString& strEntry : uiLanguages) {
        const QString strLanguage = Normalised(strEntry);
        if (strLanguage.isEmpty()) continue;
        const QString strBase = strLanguage.section(QLatin1Char('_'), 0, 0).toLower();
        // English is the source text: a user who puts it first reads it.
        if (strBase == QLatin1String("en") || strBase == QLatin1String("c") ||
            strBase == QLatin1String("posix"))
            return {};
        if (available.contains(strLanguage)) return strLanguage;
        if (available.contains(strBase)) return strBase;
        // Another country's variant of the language: better than English.
        for (const QString& strOffered : available)
            if (strOffered.section(QLatin1Char('_'), 0, 0).toLower() == strBase) return strOffered;
    }
    return {};
}

QString InstallTranslations(QCoreApplication& app, const QStringList& uiLanguages) {
    const QStringList folders = TranslationFolders();
    QStringList available;
    for (const QString& strFolder : folders)
        for (const QString& strLanguage : Available(strFolder))
            if (!available.contains(strLanguage)) available << strLanguage;
    const QString strChosen = ChooseTranslation(uiLanguages, available);
    if (strChosen.isEmpty()) return {};
    auto* pTranslator = new QTranslator(&app);
    bool bLoaded = false;
    for (const QString& strFolder : folders) {
        const QString strFile = strFolder + QLatin1Char('/') + PREFIX + strChosen + SUFFIX;
        if (QFileInfo::exists(strFile) && pTranslator->load(strFile)) {
            bLoaded = true;
            break;
        }
    }
    if (!bLoaded) {
        delete pTranslator;
        return {};
    }
    QCoreApplication::installTranslator(pTranslator);
    // Qt's own texts (OK, Cancel, Yes, No, the file and colour dialogs) in
    // the same language, where the system has them; "pt_BR" falls back to
    // "pt" there.
    auto* pQt = new QTranslator(&app);
    if (pQt->load(QLocale(strChosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(pQt);
    else
        delete pQt;
    return strChosen;
}
