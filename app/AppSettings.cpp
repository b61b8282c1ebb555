// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppSettings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "dialogs/MidiSettingsDlg.h"
#include "dialogs/SpectrumSettingsDlg.h"

namespace {

// The settings file, read key by key: a value that does not read is noted
// and leaves its default.
class CReader {
public:
    CReader(QSettings& file, QStringList& bad) : m_file(file), m_bad(bad) {}

    bool Has(const char* pszKey) const { return m_file.contains(QLatin1String(pszKey)); }

    // A plain text; a list or group under the key is no text.
    bool Text(const char* pszKey, QString& strValue) {
        if (!Has(pszKey)) return false;
        const QVariant v = m_file.value(QLatin1String(pszKey));
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
    QSettings& m_file;
    QStringList& m_bad;
};

QString ColorText(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)).name();
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

bool ReadSettingsFile(const QString& strPath, CAppSettings& s, QStringList& bad) {
    if (!QFileInfo(strPath).isFile()) return false;
    QSettings file(strPath, QSettings::IniFormat);
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
    return true;
}

bool WriteSettingsFile(const QString& strPath, const CAppSettings& s) {
    if (!QDir().mkpath(QFileInfo(strPath).absolutePath())) return false;
    // Written beside the old file and renamed over it: a damaged old file
    // is not read back, and a failed write leaves the old one whole.
    const QString strNew = strPath + QStringLiteral(".new");
    QFile::remove(strNew);
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
        QFile::remove(strNew);
        return false;
    }
    return std::rename(strNew.toLocal8Bit().constData(), strPath.toLocal8Bit().constData()) == 0;
}
