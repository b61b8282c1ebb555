// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

// The window's languages: "" for the designed English, then the translations
// the program ships (translations/kalvo_<language>.ts).
inline std::vector<std::string> Languages() {
    return {"", "de", "fr", "es", "it", "pt_BR"};
}
inline std::vector<std::string> TranslatedLanguages() {
    return {"de", "fr", "es", "it", "pt_BR"};
}

// The .qm files as the build made them.
inline QString TranslationFile(const std::string& strLanguage) {
    return QStringLiteral(KALVO_TRANSLATIONS_BUILD_DIR "/kalvo_%1.qm")
        .arg(QString::fromStdString(strLanguage));
}

// A translator installed for the lifetime of the scope; the window and its
// dialogs must be built inside it, since they take their texts when made.
class CLanguageScope {
public:
    explicit CLanguageScope(const std::string& strLanguage) {
        if (strLanguage.empty()) return;
        m_pTranslator = std::make_unique<QTranslator>();
        m_bLoaded = m_pTranslator->load(TranslationFile(strLanguage));
        if (m_bLoaded) QCoreApplication::installTranslator(m_pTranslator.get());
    }
    ~CLanguageScope() {
        if (m_bLoaded) QCoreApplication::removeTranslator(m_pTranslator.get());
    }
    CLanguageScope(const CLanguageScope&) = delete;
    CLanguageScope& operator=(const CLanguageScope&) = delete;
    // English needs no file; any other language must have loaded.
    bool Ok(const std::string& strLanguage) const { return strLanguage.empty() || m_bLoaded; }

private:
    std::unique_ptr<QTranslator> m_pTranslator;
    bool m_bLoaded = false;
};

// The pseudo-locale: every text that goes through Qt's translation system
// comes back as "[[" + source + "]]", so that a text shown without the
// brackets was never offered for translation.
class CPseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        (void)disambiguation;
        (void)n;
        if (!sourceText || !*sourceText) return {};
        // Qt asks this of every translator for the layout direction: the
        // answer must stay a direction.
        if (qstrcmp(context, "QGuiApplication") == 0 &&
            qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
            return {};
        return QStringLiteral("[[") + QString::fromUtf8(sourceText) + QStringLiteral("]]");
    }
};

// A text that begins with a translated one: "[[Guitar]] (E3 A3 ...)" and
// "[[Recording to:]]" with the files beneath are, "Guitar (E3 ...)" is not.
inline bool IsWrapped(const QString& text) {
    return text.startsWith(QLatin1String("[["));
}
