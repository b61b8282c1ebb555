// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "analysis/NoteNaming.h"
#include "dialogs/MidiSettingsDlg.h"
#include "dialogs/SpectrumSettingsDlg.h"

namespace {
// A reason in the user's language, as the messages that show it take it.
std::string Reason(const char* pszText) {
    return QCoreApplication::translate("AppSettings", pszText).toStdString();
}

// The settings file, read key by key: a value that does not read is noted
// and leaves its default.
class CReader {
public:
    // Keys are matched whatever their case: a file edited by hand may say
    // [Analysis] and A5.
    CReader(QSettings& file, QStringList& bad) : m_bad(bad) {
        for (const QString& strKey : file.allKeys())
            m_values.insert(strKey.toLower(), file.value(strKey));
    }

    bool Has(const char* pszKey) const { return m_values.contains(QLatin1String(pszKey)); }

    // A plain text; a list or group under the key is no text.
    bool Text(const char* pszKey, QString& strValue) {
        if (!Has(pszKey)) return false;
        const QVariant v = m_values.value(QLatin1String(pszKey));
        if (v.typeId() != QMetaType::QString) return Bad(pszKey);
        strValue = v.toString();
        return true;
    }

    void Int(const char* pszKey, int nMin, int nMax, int& nValue) {
        QString str;
        if (!Text(pszKey, str)) return;
        int n = 0;
        if (!ParseWholeNumber(str.toStdString(), n) || n < nMin || n > nMax) {
            Bad(pszKey);
            return;
        }
        nValue = n;
    }

    // One of the names; the value is its position.
    void Choice(const char* pszKey, std::initializer_list<const char*> names, int& nValue) {
        QString str;
        if (!Text(pszKey, str)) return;
        int i = 0;
        for (const char* pszName : names) {
            if (str == QLatin1String(pszName)) {
                nValue = i;
                return;
            }
            ++i;
        }
        Bad(pszKey);
    }

    void Flag(const char* pszKey, bool& bValue) {
        int n = bValue ? 1 : 0;
        Choice(pszKey, {"false", "true"}, n);
        bValue = n == 1;
    }

    void Color(const char* pszKey, COLORREF& cr) {
        QString str;
        if (!Text(pszKey, str)) return;
        const QColor c = QColor::fromString(str);
        if (!str.startsWith('#') || str.size() != 7 || !c.isValid()) {
            Bad(pszKey);
            return;
        }
        cr = RGB(c.red(), c.green(), c.blue());
    }

    // A value that some index table gives: the index whose value it is.
    template <class F>
    void Listed(const char* pszKey, int nCount, F fnValueOf, int& nIndex) {
        int n = 0;
        QString str;
        if (!Text(pszKey, str)) return;
        if (ParseWholeNumber(str.toStdString(), n))
            for (int i = 0; i < nCount; ++i)
                if (static_cast<int>(fnValueOf(i)) == n) {
                    nIndex = i;
                    return;
                }
        Bad(pszKey);
    }

    bool Bad(const char* pszKey) {
        m_bad << QLatin1String(pszKey);
        return false;
    }

private:
    QHash<QString, QVariant> m_values;
    QStringList& m_bad;
};

QString ColorText(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)).name();
}

// The file a settings path stands for: a link is followed to the file it
// names, which need not exist yet, so that saving writes through the link.
bool FollowLinks(const QString& strPath, QString& strTarget, std::string& strReason) {
    strTarget = QFileInfo(strPath).absoluteFilePath();
    for (int i = 0; i < 40; ++i) {
        const QFileInfo info(strTarget);
        if (!info.isSymLink()) return true;
        strTarget = info.symLinkTarget();
    }
    strReason = std::strerror(ELOOP);
    return false;
}

// Only text that QSettings itself would write: sections, key = value lines
// and comments, in UTF-8. Anything else was not written as settings, and is
// left alone rather than read as a run of bad values.
bool LooksLikeSettings(const QByteArray& bytes, std::string& strReason) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        strReason =
            Reason(QT_TRANSLATE_NOOP("AppSettings", "not a settings file: it is not UTF-8 text"));
        return false;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        bool bControl = false;
        for (QChar c : line) bControl = bControl || (c.unicode() < 0x20 && c != QLatin1Char('\t'));
        const bool bKnown =
            line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')) ||
            (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) ||
            line.indexOf(QLatin1Char('=')) > 0;
        if (bControl || !bKnown) {
            strReason = QCoreApplication::translate(
                            "AppSettings",
                            "not a settings file: line %1 is neither a [section] nor a key = value")
                            .arg(i + 1)
                            .toStdString();
            return false;
        }
    }
    return true;
}

}  // namespace

bool CanWriteFolder(const std::string& strFolder, std::string& strReason) {
    struct stat st;
    if (stat(strFolder.c_str(), &st) != 0) {
        strReason = std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        strReason = std::strerror(ENOTDIR);
        return false;
    }
    std::string strProbe = strFolder + "/.kalvo-write-test-XXXXXX";
    const int fd = mkstemp(strProbe.data());
    if (fd < 0) {
        strReason = std::strerror(errno);
        return false;
    }
    close(fd);
    unlink(strProbe.c_str());
    return true;
}

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kalvo/kalvo.conf");
}

ESettingsFile ReadSettingsFile(const QString& strPath, CAppSettings& s, QStringList& bad,
                               std::string& strReason) {
    const QByteArray path = strPath.toLocal8Bit();
    struct stat st;
    if (stat(path.constData(), &st) != 0) {
        if (errno == ENOENT) return ESettingsFile::None;
        strReason = std::strerror(errno);
        return ESettingsFile::Refused;
    }
    // A folder in its place holds no settings; saving says why it fails.
    if (S_ISDIR(st.st_mode)) return ESettingsFile::None;
    if (!S_ISREG(st.st_mode)) {
        strReason = Reason(QT_TRANSLATE_NOOP("AppSettings", "not a regular file"));
        return ESettingsFile::Refused;
    }
    if (st.st_size > MAX_SETTINGS_FILE_BYTES) {
        strReason = Reason(QT_TRANSLATE_NOOP(
            "AppSettings", "larger than 1 MB, which no settings file of Kalvo is"));
        return ESettingsFile::Refused;
    }
    // Read here first, so that what cannot be read is told, not taken for
    // an empty file.
    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        strReason = std::strerror(errno);
        return ESettingsFile::Refused;
    }
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) strReason = std::strerror(errno);
        if (n <= 0) break;
        bytes.append(buffer, n);
        if (bytes.size() > MAX_SETTINGS_FILE_BYTES) {
            strReason = Reason(QT_TRANSLATE_NOOP(
                "AppSettings", "larger than 1 MB, which no settings file of Kalvo is"));
            break;
        }
    }
    close(fd);
    if (!strReason.empty() || !LooksLikeSettings(bytes, strReason)) return ESettingsFile::Refused;

    QSettings file(strPath, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        strReason =
            Reason(QT_TRANSLATE_NOOP("AppSettings", "not a settings file that can be read"));
        return ESettingsFile::Refused;
    }
    CReader r(file, bad);

    for (const TuningOption& option : TuningOptions()) {
        const std::string strKey = std::string("analysis/") + option.name;
        QString str;
        if (!r.Text(strKey.c_str(), str)) continue;
        std::string strError;
        CTuningValues values = s.tuning;
        if (option.parse(str.toStdString(), values, strError))
            s.tuning = values;
        else
            r.Bad(strKey.c_str());
    }

    r.Choice("spectrum/scale", {"linear", "logarithmic"}, s.nSpectrumScale);
    r.Listed("spectrum/dynamic-range", 8, &CSpectrumSettingsDlg::DynamicRangeOf, s.nDynamicIndex);
    int nFrom = s.nFrom, nTo = s.nTo;
    r.Int("spectrum/from", CSpectrumSettingsDlg::MIN_RANGE_HZ, CSpectrumSettingsDlg::MAX_RANGE_HZ,
          nFrom);
    r.Int("spectrum/to", CSpectrumSettingsDlg::MIN_RANGE_HZ, CSpectrumSettingsDlg::MAX_RANGE_HZ,
          nTo);
    // The range as a pair: the dialog's own checks.
    if (nTo - nFrom >= CSpectrumSettingsDlg::MIN_SPAN_HZ) {
        s.nFrom = nFrom;
        s.nTo = nTo;
    } else {
        r.Bad("spectrum/from");
        r.Bad("spectrum/to");
    }

    r.Int("midi/accidentals", 0, 7, s.nAccidentals);
    r.Choice("midi/accidental", {"sharp", "flat"}, s.nSharpFlat);
    r.Choice("midi/key", {"major", "minor"}, s.nMajorMinor);
    r.Choice("midi/pitch", {"keep", "round"}, s.nPitchMode);
    r.Int("midi/instrument", 0, MIDI_INSTRUMENT_COUNT - 1, s.nInstrument);
    r.Int("midi/tempo", CMidiSettingsDlg::MIN_TEMPO, CMidiSettingsDlg::MAX_TEMPO, s.nTempo);
    r.Listed("midi/pitch-change", 4, &CMidiSettingsDlg::DeltaCentsOf, s.nPitchChangeIndex);
    r.Listed("midi/min-db", 5, &CMidiSettingsDlg::MinDbOf, s.nMinDbIndex);

    r.Color("view/background", s.crBackground);
    r.Color("view/spectrum", s.crSpectrum);
    r.Color("view/spectrum-area", s.crSpectrumArea);
    r.Choice("view/refresh", {"high", "normal", "low"}, s.nRefreshRate);
    r.Flag("view/damping", s.bDamping);
    r.Flag("view/sharps", s.bSharps);
    r.Flag("view/hold", s.bHold);
    r.Choice("view/note-names", {"english", "german", "solfege"}, s.nNoteNaming);
    r.Flag("view/strobe", s.bStrobe);
    int nSnapshot = 0;
    r.Choice("view/snapshot", {"clipboard"}, nSnapshot);

    QString str;
    if (r.Text("recording/folder", str) && !str.isEmpty()) {
        std::string strReason;
        if (QFileInfo(str).isAbsolute() &&
            CanWriteFolder(str.toLocal8Bit().toStdString(), strReason))
            s.strRecordFolder = str.toLocal8Bit().toStdString();
        else
            r.Bad("recording/folder");
    }
    if (r.Text("capture/source", str)) s.strSource = str.toStdString();

    if (r.Has("window/x") || r.Has("window/width")) {
        const size_t nBad = bad.size();
        int x = 0, y = 0, w = 0, h = 0;
        r.Int("window/x", -32768, 32767, x);
        r.Int("window/y", -32768, 32767, y);
        r.Int("window/width", 1, 32767, w);
        r.Int("window/height", 1, 32767, h);
        if (static_cast<size_t>(bad.size()) == nBad && r.Has("window/y") &&
            r.Has("window/height")) {
            s.bPlaced = true;
            s.nX = x, s.nY = y, s.nWidth = w, s.nHeight = h;
        }
    }
    return ESettingsFile::Read;
}

bool WriteSettingsFile(const QString& strPath, const CAppSettings& s, std::string& strReason) {
    QString strTarget;
    if (!FollowLinks(strPath, strTarget, strReason)) return false;
    const QString strFolder = QFileInfo(strTarget).absolutePath();
    if (!QDir().mkpath(strFolder)) {
        strReason = QCoreApplication::translate("AppSettings", "cannot make the folder %1")
                        .arg(strFolder)
                        .toStdString();
        return false;
    }
    // Two windows closing at once take turns; a lock that is not let go
    // within a second (another program's, or a leftover that cannot be
    // removed) keeps the old file rather than hold up the window.
    QLockFile lock(strTarget + QStringLiteral(".lock"));
    if (!lock.tryLock(SETTINGS_LOCK_WAIT_MS)) {
        strReason = QCoreApplication::translate(
                        "AppSettings",
                        "the lock %1 could not be taken within a second (another program holds "
                        "it, or it was left behind and cannot be removed)")
                        .arg(strTarget + QStringLiteral(".lock"))
                        .toStdString();
        return false;
    }
    // Written into a new file of its own beside the old one and renamed
    // over it: a failed write leaves the old one whole, and no name of
    // ours is ever shared with a leftover.
    QByteArray strNewName = (strTarget + QStringLiteral(".XXXXXX")).toLocal8Bit();
    const int fd = mkostemp(strNewName.data(), O_CLOEXEC);
    if (fd < 0) {
        strReason = std::strerror(errno);
        return false;
    }
    close(fd);
    const QString strNew = QString::fromLocal8Bit(strNewName);
    QSettings file(strNew, QSettings::IniFormat);
    for (const TuningOption& option : TuningOptions())
        file.setValue(QStringLiteral("analysis/") + QLatin1String(option.name),
                      QString::fromStdString(option.format(s.tuning)));

    file.setValue("spectrum/scale", s.nSpectrumScale == 1 ? "logarithmic" : "linear");
    file.setValue("spectrum/dynamic-range",
                  QString::number(CSpectrumSettingsDlg::DynamicRangeOf(s.nDynamicIndex)));
    file.setValue("spectrum/from", QString::number(s.nFrom));
    file.setValue("spectrum/to", QString::number(s.nTo));

    file.setValue("midi/accidentals", QString::number(s.nAccidentals));
    file.setValue("midi/accidental", s.nSharpFlat == 1 ? "flat" : "sharp");
    file.setValue("midi/key", s.nMajorMinor == 1 ? "minor" : "major");
    file.setValue("midi/pitch", s.nPitchMode == 0 ? "keep" : "round");
    file.setValue("midi/instrument", QString::number(s.nInstrument));
    file.setValue("midi/tempo", QString::number(s.nTempo));
    file.setValue("midi/pitch-change",
                  QString::number(CMidiSettingsDlg::DeltaCentsOf(s.nPitchChangeIndex)));
    file.setValue("midi/min-db", QString::number(CMidiSettingsDlg::MinDbOf(s.nMinDbIndex)));

    file.setValue("view/background", ColorText(s.crBackground));
    file.setValue("view/spectrum", ColorText(s.crSpectrum));
    file.setValue("view/spectrum-area", ColorText(s.crSpectrumArea));
    static const char* const REFRESH[] = {"high", "normal", "low"};
    file.setValue("view/refresh",
                  REFRESH[s.nRefreshRate >= 0 && s.nRefreshRate < 3 ? s.nRefreshRate : 0]);
    file.setValue("view/damping", s.bDamping ? "true" : "false");
    file.setValue("view/sharps", s.bSharps ? "true" : "false");
    file.setValue("view/hold", s.bHold ? "true" : "false");
    if (s.nNoteNaming >= 0) file.setValue("view/note-names", NoteNamingName(s.nNoteNaming));
    file.setValue("view/strobe", s.bStrobe ? "true" : "false");
    file.setValue("view/snapshot", "clipboard");

    file.setValue("recording/folder", QString::fromLocal8Bit(s.strRecordFolder.c_str()));
    file.setValue("capture/source", QString::fromStdString(s.strSource));
    if (s.bPlaced) {
        file.setValue("window/x", QString::number(s.nX));
        file.setValue("window/y", QString::number(s.nY));
        file.setValue("window/width", QString::number(s.nWidth));
        file.setValue("window/height", QString::number(s.nHeight));
    }
    file.sync();
    if (file.status() != QSettings::NoError) {
        unlink(strNewName.constData());
        strReason = Reason(QT_TRANSLATE_NOOP("AppSettings", "the settings could not be written"));
        return false;
    }
    if (std::rename(strNewName.constData(), strTarget.toLocal8Bit().constData()) != 0) {
        strReason = std::strerror(errno);
        unlink(strNewName.constData());
        return false;
    }
    return true;
}
