// SPDX-License-Identifier: GPL-3.0-or-later
// Settings -> Remember Settings, the command line's settings over them, the
// recording folder and the capture failure boxes, on a window driven as a
// user would. The test program's XDG_CONFIG_HOME is a folder of its own.
#include <gtest/gtest.h>

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "analysis/NoteTable.h"
#include "analysis/Temperaments.h"
#include "app/AppIds.h"
#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "capture/CaptureMessages.h"
#include "dialogs/TuningDlg.h"
#include "platform/ui/Menu.h"
#include "tests/app/WindowFixture.h"
#include "views/SpectrumArea.h"

namespace {

// Answers the next modal dialog: fn changes it, then it is accepted.
void AnswerNextDialog(std::function<void(QDialog&)> fn) {
    QTimer::singleShot(0, [fn] {
        if (auto* pDlg = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            fn(*pDlg);
            pDlg->accept();
        }
    });
}

bool Checked(CTunerDlg& dlg, unsigned nId) {
    return FindMenuItem(dlg.m_pMenu, nId)->isChecked();
}

QComboBox* PanelList(CWindowFixture& w, unsigned nId) {
    return static_cast<QComboBox*>(w.Panel().GetDlgItem(nId));
}

// The fixture's window, made for an application started with options.
bool OpenWith(CWindowFixture& w, CTunerApp& app) {
    app.LoadIcons();
    w.dlg = std::make_unique<CTunerDlg>(&app, w.system);
    return w.dlg->OnInitDialog();
}

struct CFreshConfig {
    CFreshConfig() { QFile::remove(SettingsFilePath()); }
    ~CFreshConfig() { QFile::remove(SettingsFilePath()); }
};

TEST(RememberSettings, WhatWasSetComesBackInTheNextWindow) {
    CFreshConfig config;
    CMessageRecorder messages;
    QTemporaryDir folder;
    {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        EXPECT_FALSE(Checked(*w.dlg, ID_REMEMBER_SETTINGS));
        PanelList(w, IDC_A5_LIST)->setCurrentIndex(442 - MIN_A5);
        PanelList(w, IDC_TRANSPOSITION_LIST)->setCurrentIndex(3);  // "B flat instr."
        FindMenuItem(w.dlg->m_pMenu, ID_PITCH_FUNDAMENTAL)->trigger();
        AnswerNextDialog([](QDialog& d) {
            d.findChild<QRadioButton*>(QString::number(IDC_LOGARITHMIC))->setChecked(true);
            d.findChild<QComboBox*>(QString::number(IDC_DYNAMIC_LIST))->setCurrentIndex(5);
        });
        FindMenuItem(w.dlg->m_pMenu, ID_SETTINGS_SPECTRUM)->trigger();
        AnswerNextDialog(
            [](QDialog& d) { static_cast<QColorDialog&>(d).setCurrentColor(QColor(10, 20, 30)); });
        FindMenuItem(w.dlg->m_pMenu, ID_COLORS_BACKGROUND)->trigger();
        FindMenuItem(w.dlg->m_pMenu, ID_REFRESH_LOW)->trigger();
        w.dlg->m_fnChooseFolder = [&](std::string& strFolder) {
            strFolder = folder.path().toStdString();
            return true;
        };
        FindMenuItem(w.dlg->m_pMenu, ID_RECORDING_FOLDER)->trigger();
        FindMenuItem(w.dlg->m_pMenu, ID_REMEMBER_SETTINGS)->trigger();
        EXPECT_TRUE(Checked(*w.dlg, ID_REMEMBER_SETTINGS));
        w.dlg->OnCancel();
    }
    ASSERT_TRUE(QFile::exists(SettingsFilePath()));

    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    // The control panel, the menus' check marks and the dialogs.
    EXPECT_EQ(PanelList(w, IDC_A5_LIST)->currentText().trimmed(), "442");
    EXPECT_EQ(PanelList(w, IDC_TRANSPOSITION_LIST)->currentText(), "B flat instr.");
    EXPECT_TRUE(Checked(*w.dlg, ID_PITCH_FUNDAMENTAL));
    EXPECT_FALSE(Checked(*w.dlg, ID_PITCH_DOMINANT));
    EXPECT_TRUE(Checked(*w.dlg, ID_REFRESH_LOW));
    EXPECT_FALSE(Checked(*w.dlg, ID_REFRESH_HIGH));
    EXPECT_TRUE(Checked(*w.dlg, ID_REMEMBER_SETTINGS));
    EXPECT_EQ(w.dlg->m_dlgSpectrum.m_nScale, 1);
    EXPECT_EQ(w.dlg->m_dlgSpectrum.m_nDynamicIndex, 5);
    EXPECT_EQ(w.dlg->m_crBackground, RGB(10, 20, 30));
    EXPECT_EQ(w.dlg->GetClient()->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(w.Panel().GetRecordingFolder(), folder.path().toStdString());
    // The analysis: the spectrum and the readings follow them.
    CSpectrumColumns& columns = *w.dlg->m_pSpectrumArea->GetColumns();
    EXPECT_EQ(columns.m_bLogarithmic.load(), 1);
    EXPECT_EQ(columns.m_nDynamicRange.load(), 60);
    EXPECT_EQ(w.dlg->GetAnalyser().m_nPitchMethod.load(), PITCH_METHOD_FUNDAMENTAL);
    EXPECT_EQ(w.dlg->m_nRefreshRate.load(), 2);
    // 440 Hz for a B flat instrument is B5 (a tone above A); against 442 it
    // reads -8 cents.
    ASSERT_TRUE(w.FeedBlockAndWait(440.0));
    EXPECT_EQ(w.dlg->GetAnalyser().m_centCounter.GetCents(), -8);
    EXPECT_STREQ(NoteNames[w.dlg->GetAnalyser().m_noteSearch.GetNoteIndex()].data(), "B5");

    // Recordings go into the folder, and the banner names the file.
    w.Panel().ToggleLogRecording();
    const QString tip = w.Panel().GetDlgItem(IDC_RECORDING_ON)->toolTip();
    EXPECT_TRUE(tip.contains(folder.path() + "/kalvo_")) << tip.toStdString();
    w.Panel().ToggleLogRecording();
    EXPECT_TRUE(w.Panel().GetDlgItem(IDC_RECORDING_ON)->toolTip().isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList({"kalvo_*.log"}).size(), 1);

    // Unchecked: the file goes, and the next window starts as designed.
    FindMenuItem(w.dlg->m_pMenu, ID_REMEMBER_SETTINGS)->trigger();
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
    w.dlg->OnCancel();
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
    CWindowFixture fresh;
    ASSERT_TRUE(fresh.Open());
    EXPECT_EQ(PanelList(fresh, IDC_A5_LIST)->currentText().trimmed(), "440");
    EXPECT_TRUE(Checked(*fresh.dlg, ID_PITCH_DOMINANT));
    EXPECT_TRUE(Checked(*fresh.dlg, ID_REFRESH_HIGH));
    EXPECT_FALSE(Checked(*fresh.dlg, ID_REMEMBER_SETTINGS));
    EXPECT_EQ(fresh.Panel().GetRecordingFolder(), "");
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST(RememberSettings, BadFileStartsAtDefaultsAndDefaultsOptionIgnoresAGoodOne) {
    CFreshConfig config;
    CMessageRecorder messages;
    QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath());
    {
        QFile file(SettingsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "[analysis]\na5=999\nwindow=7\nalpha=abc\n"
            "fft=4096, 8192\n[spectrum]\nfrom=3900\nto=4000\n[view]\nbackground=red\n"
            "refresh=3\n[recording]\nfolder=/no/such/folder\n[capture]\nsource=gone\n"
            "[midi]\ntempo=19\n[window]\nx=abc\n");
    }
    const auto expectDesigned = [](CWindowFixture& w) {
        EXPECT_EQ(PanelList(w, IDC_A5_LIST)->currentText().trimmed(), "440");
        EXPECT_EQ(w.dlg->m_dlgFft.m_nWindowIndex, WINDOW_HANNING);
        EXPECT_EQ(w.dlg->GetAnalyser().m_nFftSize.load(), FFT_SIZE_LARGE);
        EXPECT_EQ(w.dlg->m_dlgSpectrum.m_nFrom, 40);
        EXPECT_EQ(w.dlg->m_crBackground, RGB(255, 255, 240));
        EXPECT_TRUE(Checked(*w.dlg, ID_REFRESH_HIGH));
        EXPECT_EQ(w.dlg->m_dlgMidi.m_nTempoBpm, 100);
        EXPECT_EQ(w.Panel().GetRecordingFolder(), "");
        EXPECT_EQ(w.system.GetOpenedId(), "");
    };
    {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        expectDesigned(w);
        EXPECT_TRUE(Checked(*w.dlg, ID_REMEMBER_SETTINGS));
    }
    CAppSettings good;
    good.tuning.nA5 = 450;
    good.nRefreshRate = 1;
    std::string strReason;
    ASSERT_TRUE(WriteSettingsFile(SettingsFilePath(), good, strReason)) << strReason;
    {
        CWindowFixture w;
        CTunerApp app(w.platform, ParseCommandLine({"--defaults"}).options);
        ASSERT_TRUE(OpenWith(w, app));
        expectDesigned(w);
        w.dlg.reset();
    }
    {
        // The command line wins over the file, the file over the defaults.
        CWindowFixture w;
        CTunerApp app(w.platform, ParseCommandLine({"--a5", "441"}).options);
        ASSERT_TRUE(OpenWith(w, app));
        EXPECT_EQ(PanelList(w, IDC_A5_LIST)->currentText().trimmed(), "441");
        EXPECT_TRUE(Checked(*w.dlg, ID_REFRESH_NORMAL));
        w.dlg.reset();
    }
    EXPECT_TRUE(messages.Boxes().empty());
}

QByteArray FileBytes(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteFile(const QString& strPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// What is in the settings folder besides the settings themselves.
QStringList Strays() {
    QStringList list = QDir(QFileInfo(SettingsFilePath()).absolutePath())
                           .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    list.removeAll(QStringLiteral("kalvo.conf"));
    return list;
}

TEST(RememberSettings, AFileThatCannotBeReadIsNamedAndKept) {
    CFreshConfig config;
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const QByteArray huge = "[analysis]\na5=442\n" + QByteArray(MAX_SETTINGS_FILE_BYTES, ';');
    for (const QByteArray& bytes : {random, huge}) {
        CMessageRecorder messages;
        WriteFile(SettingsFilePath(), bytes);
        {
            CWindowFixture w;
            ASSERT_TRUE(w.Open());
            EXPECT_EQ(PanelList(w, IDC_A5_LIST)->currentText().trimmed(), "440");
            w.dlg->OnCancel();
        }
        const auto boxes = messages.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].text.contains(SettingsFilePath())) << boxes[0].text.toStdString();
        EXPECT_TRUE(FileBytes(SettingsFilePath()) == bytes);
        EXPECT_TRUE(Strays().isEmpty()) << Strays().join(' ').toStdString();
    }
    // Written by hand in another case, it is read as it was meant.
    WriteFile(SettingsFilePath(), "[Analysis]\nA5 = 442\n[VIEW]\nRefresh = low\n");
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    EXPECT_EQ(PanelList(w, IDC_A5_LIST)->currentText().trimmed(), "442");
    EXPECT_TRUE(Checked(*w.dlg, ID_REFRESH_LOW));
}

TEST(RememberSettings, SavingGoesThroughLinksAndFailsWithoutLossOrWaiting) {
    CFreshConfig config;
    QTemporaryDir elsewhere;
    CMessageRecorder messages;
    const QString strReal = elsewhere.path() + "/real.conf";
    QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath());
    ASSERT_TRUE(QFile::link(strReal, SettingsFilePath()));  // dangling until saved
    {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        FindMenuItem(w.dlg->m_pMenu, ID_REMEMBER_SETTINGS)->trigger();
        EXPECT_TRUE(Checked(*w.dlg, ID_REMEMBER_SETTINGS));
        w.dlg->OnCancel();
    }
    EXPECT_TRUE(QFileInfo(SettingsFilePath()).isSymLink());
    const QByteArray saved = FileBytes(strReal);
    EXPECT_TRUE(saved.contains("a5=440")) << saved.toStdString();

    // A lock that can never be taken: the close goes on, says so and keeps
    // the old file.
    ASSERT_TRUE(QDir().mkpath(strReal + ".lock"));
    {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        PanelList(w, IDC_A5_LIST)->setCurrentIndex(450 - MIN_A5);
        w.dlg->OnCancel();
    }
    ASSERT_EQ(messages.Boxes().size(), 1u);
    EXPECT_TRUE(messages.Boxes()[0].text.contains("Cannot save the settings"));
    EXPECT_TRUE(FileBytes(strReal) == saved);
    QDir(strReal + ".lock").removeRecursively();

    // A folder where the file should be: checking the item says why it
    // cannot be saved, leaves it unchecked and nothing behind.
    QFile::remove(SettingsFilePath());
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));
    messages.Clear();
    {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        FindMenuItem(w.dlg->m_pMenu, ID_REMEMBER_SETTINGS)->trigger();
        EXPECT_FALSE(Checked(*w.dlg, ID_REMEMBER_SETTINGS));
        EXPECT_EQ(messages.Boxes().size(), 1u);
        w.dlg->OnCancel();
    }
    EXPECT_TRUE(Strays().isEmpty()) << Strays().join(' ').toStdString();
    QDir(SettingsFilePath()).removeRecursively();
}

TEST(RememberSettings, KeepsWhatWasAppliedAndWhatIsMissingNowAndShowsTheWindow) {
    CFreshConfig config;
    // As after a second monitor and a USB interface were unplugged.
    WriteFile(SettingsFilePath(),
              "[capture]\nsource=usb.gone\n[window]\nx=5000\ny=4000\nwidth=534\nheight=360\n");
    {
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(screen.contains(w.dlg->pos())) << w.dlg->pos().x() << "," << w.dlg->pos().y();
        // An FFT size chosen and then cancelled is not applied, nor saved.
        QTimer::singleShot(0, [] {
            if (auto* pDlg = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                pDlg->findChild<QComboBox*>(QString::number(IDC_FFT_SIZE_LIST))->setCurrentIndex(0);
                pDlg->reject();
            }
        });
        FindMenuItem(w.dlg->m_pMenu, ID_SETTINGS_FFT)->trigger();
        EXPECT_EQ(w.dlg->GetAnalyser().m_nFftSize.load(), FFT_SIZE_LARGE);
        w.dlg->OnCancel();
    }
    QSettings file(SettingsFilePath(), QSettings::IniFormat);
    EXPECT_EQ(file.value("capture/source").toString(), "usb.gone");
    EXPECT_EQ(file.value("analysis/fft").toString(), "8192");
}

TEST(Tuning, NamedInTheWindowChosenInItsDialogAndRemembered) {
    CFreshConfig config;
    CMessageRecorder messages;
    QTemporaryDir folder;
    {
        // The designed window has no label.
        CWindowFixture w;
        ASSERT_TRUE(w.Open());
        QLabel* pLabel = nullptr;
        for (QLabel* p : w.Panel().findChildren<QLabel*>())
            if (p->accessibleName() == "Tuning") pLabel = p;
        ASSERT_TRUE(pLabel);
        EXPECT_FALSE(pLabel->isVisible());

        // A bad scale is told, and the dialog stays open over the tuning in
        // use; then Werckmeister III on D is chosen.
        const QString strBad = folder.path() + "/bad.scl";
        {
            QFile file(strBad);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("bad\n3\n100.0\n2/1\n");
        }
        QTimer::singleShot(0, [&] {
            auto* pDlg = qobject_cast<CTuningDlg*>(QApplication::activeModalWidget());
            if (!pDlg) return;
            pDlg->GetScaleField()->setText(strBad);
            pDlg->accept();
            EXPECT_TRUE(pDlg->isVisible());
            pDlg->GetScaleField()->clear();
            pDlg->GetTemperamentList()->setCurrentIndex(FindTemperament("werckmeister3"));
            pDlg->GetTonicList()->setCurrentIndex(2);
            pDlg->accept();
        });
        FindMenuItem(w.dlg->m_pMenu, ID_SETTINGS_TUNING)->trigger();
        ASSERT_EQ(messages.Boxes().size(), 1u);
        EXPECT_TRUE(messages.Boxes()[0].text.contains("bad.scl:4"))
            << messages.Boxes()[0].text.toStdString();
        EXPECT_TRUE(pLabel->isVisible());
        EXPECT_EQ(pLabel->text(), "Werckmeister III on D");
        EXPECT_EQ(w.dlg->GetAnalyser().GetTuning()->GetTitle(), "Werckmeister III on D");
        FindMenuItem(w.dlg->m_pMenu, ID_REMEMBER_SETTINGS)->trigger();
        w.dlg->OnCancel();
    }
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    EXPECT_EQ(w.dlg->GetAnalyser().GetTuning()->GetTitle(), "Werckmeister III on D");
    // Measured against the tempered note: A keeps 440 Hz, D (the tonic,
    // Werckmeister's C) lies 11.7 cents above its equal-tempered place.
    const double dD = 440.0 * std::pow(2.0, -7.0 / 12.0);
    const double dOffset = TemperamentOffsets(FindTemperament("werckmeister3"), 2)[2];
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(w.FeedBlockAndWait(dD * std::pow(2.0, dOffset / 1200)));
    EXPECT_STREQ(w.dlg->GetAnalyser().GetReading().achTarget.data(), "D5");
    EXPECT_EQ(w.dlg->GetAnalyser().m_centCounter.GetCents(), 0);
}

TEST(CommandLine, AnalysisSettingsAsKalvoAnalyzeTakesThem) {
    const CommandLine cl = ParseCommandLine({"--a5", "380", "--transpose=8", "--method",
                                             "fundamental", "--fft", "4096", "--window", "gaussian",
                                             "--alpha", "1", "--record-dir", "/tmp", "--defaults"});
    ASSERT_EQ(cl.action, CommandLineAction::Run) << cl.strError;
    EXPECT_EQ(cl.options.tuning.size(), 6u);
    EXPECT_EQ(cl.options.strRecordDir, "/tmp");
    EXPECT_TRUE(cl.options.bDefaults);
    EXPECT_EQ(ParseCommandLine({"--a5=480"}).action, CommandLineAction::Run);
    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"--a5", "379"}, "--a5: '379' is not a whole number of hertz from 380 to 480"},
        {{"--a5=481"}, "--a5: '481' is not a whole number of hertz from 380 to 480"},
        {{"--transpose", "9"}, "--transpose: '9' is not a transposition from 0 to 8"},
        {{"--method", "yin"},
         "--method: 'yin' is not a pitch method (use dominant or fundamental)"},
        {{"--fft", "2048"}, "--fft: '2048' is not an FFT size (use 4096 or 8192)"},
        {{"--alpha", "1.5"}, "--alpha: '1.5' is not a number from 0 to 1"},
        {{"--window", "kaiser"},
         "--window: unknown window 'kaiser' (use " + WindowNameList() + ")"},
    };
    for (const auto& [args, strError] : bad) {
        const CommandLine c = ParseCommandLine(args);
        EXPECT_EQ(c.action, CommandLineAction::Error) << args[0];
        EXPECT_EQ(c.strError, strError);
    }
    // What the options name is checked before a window opens.
    CAppOptions o;
    o.strSource = "nope";
    const std::string strError = CheckCommandLineTargets(o, [](std::vector<std::string>& names) {
        names = {"mic", "line"};
        return true;
    });
    EXPECT_EQ(strError, "--source: no capture source named 'nope' (there are: mic, line)");
    o = {};
    o.strInput = "/no/such.wav";
    EXPECT_EQ(CheckCommandLineTargets(o),
              "--input: cannot read '/no/such.wav': No such file or directory");
}

TEST(CaptureFailure, BoxesSayTheCauseAndClosingEndsWithAStatus) {
    CMessageRecorder messages;
    CWindowFixture w;
    w.system.m_hrCreate = DSERR_INVALIDPARAM;
    w.system.m_strErrorText = "Connection refused";
    ASSERT_TRUE(w.Open());
    const auto boxes = messages.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    // The designed texts stand as they are; the cause and the way on are
    // the line of detail beneath them.
    EXPECT_EQ(boxes[0].text, QString(CaptureMessageText(IDS_CANNOT_CREATE_CAPTURE)));
    EXPECT_TRUE(boxes[0].detail.startsWith("Connection refused\n"));
    EXPECT_EQ(boxes[1].text, QString(CaptureMessageText(IDS_DX_INVALIDPARAM)));
    for (const auto& box : boxes)
        EXPECT_TRUE(
            box.detail.endsWith("\nStart with --demo to try the tuner without a sound card"));
    w.dlg->OnCancel();
    EXPECT_EQ(w.dlg->GetQuitCode(), CTunerDlg::EXIT_CAPTURE_FAILED);
}

}  // namespace
