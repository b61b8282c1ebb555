// SPDX-License-Identifier: GPL-3.0-or-later
// File -> Convert Text File to MIDI in the running window: the real kvmidi
// plug-in turning a session log into a MIDI file next to it, the messages for
// a file that cannot be read, the notice while the plug-in works, and the
// capture stopped around it and running again afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>
#include <QTemporaryDir>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "analysis/NoteTable.h"
#include "analysis/ReadingLine.h"
#include "app/AppIds.h"
#include "platform/ui/Menu.h"
#include "recording/LogToMidi.h"
#include "recording/SessionLog.h"
#include "resources/Resource.h"
#include "tests/app/WindowFixture.h"
#include "tests/plugins/SmfReader.h"

namespace {

namespace fs = std::filesystem;

// The log's clock, moved on by the test.
class CSteppedClock : public CRecordingSystem {
public:
    uint32_t m_nNow = 1000;
    uint32_t MillisecondCounter() override { return m_nNow; }
};

// A session log in strFolder of A5, C6 and E6, each for a few readings; the
// full path of the file.
std::string WriteScaleLog(const fs::path& folder) {
    const fs::path old = fs::current_path();
    fs::current_path(folder);
    CSteppedClock clock;
    std::string strName;
    {
        CSessionLog log(clock, "test");
        EXPECT_TRUE(log.Create());
        struct Tone {
            double dHz;
            int nIndex;
        };
        for (const Tone& tone : {Tone{440.0, NOTE_A5}, Tone{523.2511, NOTE_A5 + 3},
                                 Tone{659.2551, NOTE_A5 + 7}}) {
            for (int i = 0; i < 4; ++i) {
                clock.m_nNow += 128;
                EXPECT_TRUE(log.AddEntry(FormatReadingLine(
                    tone.dHz, static_cast<float>(tone.dHz), tone.nIndex, 0, -12)));
            }
        }
        clock.m_nNow += 128;
        EXPECT_TRUE(log.Close());
        strName = log.GetFileName();
    }
    fs::current_path(old);
    return (folder / strName).string();
}

std::string MidiNextTo(const std::string& strLog) {
    return fs::path(strLog).replace_extension(".mid").string();
}

// The notices that are children of the window.
std::vector<QLabel*> Notices(CTunerDlg& dlg) {
    std::vector<QLabel*> found;
    for (QLabel* pLabel : dlg.findChildren<QLabel*>())
        if (pLabel->text() == QString::fromUtf8("\rConverting to midi file...")) found.push_back(pLabel);
    return found;
}

bool Capturing(CWindowFixture& w) {
    uint32_t dwStatus = 0;
    return SUCCEEDED(w.dlg->GetCaptureEngine()->GetCaptureStatus(&dwStatus)) &&
           (dwStatus & DSCBSTATUS_CAPTURING);
}

void Convert(CWindowFixture& w) {
    QAction* pItem = FindMenuItem(w.dlg->m_pMenu, ID_CONVERT_TO_MIDI);
    ASSERT_NE(pItem, nullptr);
    ASSERT_EQ(pItem->text(), "&Convert Text File to MIDI");
    pItem->trigger();
}

struct CConvertWindow {
    QTemporaryDir dir;
    fs::path folder{dir.path().toStdString()};
    CWindowFixture w;
    // What the file dialog was asked and answered.
    int nAsked = 0;
    bool bCapturingWhenAsked = true;
    std::string strAnswer;
    bool bCancel = false;

    bool Open(bool bPlugin = true) {
        if (bPlugin) {
            if (w.app.m_midiPlugin.Load({KALVO_PLUGIN_BUILD_DIR}, false).nStatus !=
                PluginStatus::Loaded)
                return false;
            w.app.m_bMidiUnavailable = 0;
        }
        if (!w.Open()) return false;
        w.dlg->m_fnChooseLogFile = [this](std::string& strPath) {
            ++nAsked;
            bCapturingWhenAsked = Capturing(w);
            if (bCancel) return false;
            strPath = strAnswer;
            return true;
        };
        return true;
    }
};

TEST(ConvertToMidi, ALogBecomesAMidiFileNextToItAndTheCaptureRunsAgain) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open());
    ASSERT_TRUE(c.w.FeedBlockAndWait());
    const auto pBuffer = c.w.system.GetBuffer();
    const int nStops = pBuffer->nStops, nStarts = pBuffer->nStarts;

    c.strAnswer = WriteScaleLog(c.folder);
    ASSERT_FALSE(fs::exists(MidiNextTo(c.strAnswer)));
    Convert(c.w);

    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(c.nAsked, 1);
    // Stopped while the user chooses, running again afterwards.
    EXPECT_FALSE(c.bCapturingWhenAsked);
    EXPECT_EQ(pBuffer->nStops, nStops + 1);
    EXPECT_EQ(pBuffer->nStarts, nStarts + 1);
    EXPECT_TRUE(Capturing(c.w));
    EXPECT_TRUE(c.w.FeedBlockAndWait());
    EXPECT_TRUE(Notices(*c.w.dlg).empty());

    SmfFile smf;
    std::string strError;
    ASSERT_TRUE(ReadSmfFile(MidiNextTo(c.strAnswer), smf, strError)) << strError;
    std::vector<int> keys;
    for (const SmfNote& note : smf.notes)
        if (keys.empty() || keys.back() != note.nKey) keys.push_back(note.nKey);
    EXPECT_EQ(keys, (std::vector<int>{69, 72, 76}));
    // The notes follow the log's times: each later than the one before.
    for (size_t i = 1; i < smf.notes.size(); ++i)
        EXPECT_GT(smf.notes[i].nOn, smf.notes[i - 1].nOn);
}

TEST(ConvertToMidi, TheFileDialogOpensOnLogsInTheWorkingDirectory) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open());
    c.w.dlg->m_fnChooseLogFile = nullptr;  // the real dialog
    // A dialog the timer does not find would wait for a user.
    CWatchdog watchdog("the file dialog", std::chrono::seconds(60));
    const std::string strLog = WriteScaleLog(c.folder);
    const fs::path old = fs::current_path();
    fs::current_path(c.folder);
    QString dir, suffix;
    QStringList filters;
    bool bFound = false;
    // Looks at the dialog once it runs, then picks the log in it.
    QTimer::singleShot(0, [&] {
        auto* pDlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!pDlg) return;
        bFound = true;
        dir = pDlg->directory().absolutePath();
        filters = pDlg->nameFilters();
        suffix = pDlg->defaultSuffix();
        pDlg->selectFile(QString::fromStdString(strLog));
        static_cast<QDialog*>(pDlg)->accept();  // QFileDialog's own accept
    });
    Convert(c.w);
    fs::current_path(old);

    ASSERT_TRUE(bFound);
    EXPECT_EQ(fs::path(dir.toStdString()), fs::canonical(c.folder));
    EXPECT_EQ(filters, QStringList{"*.log"});
    EXPECT_EQ(suffix, "log");
    EXPECT_TRUE(messages.Boxes().empty());
    SmfFile smf;
    std::string strError;
    EXPECT_TRUE(ReadSmfFile(MidiNextTo(strLog), smf, strError)) << strError;
    EXPECT_TRUE(Capturing(c.w));
}

TEST(ConvertToMidi, AFileThatCannotBeReadGives163AndTheCaptureResumes) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open());
    const auto pBuffer = c.w.system.GetBuffer();

    // A file that vanished after it was chosen, and a folder.
    const fs::path folderChoice = c.folder / "folder.log";
    fs::create_directory(folderChoice);
    for (const fs::path& choice : {c.folder / "vanished.log", folderChoice}) {
        SCOPED_TRACE(choice.string());
        messages.Clear();
        const int nStarts = pBuffer->nStarts;
        c.strAnswer = choice.string();
        Convert(c.w);
        EXPECT_TRUE(messages.ShowedOnly(IDS_LOG_TO_MIDI_CANNOT_OPEN, MB_ICONEXCLAMATION));
        EXPECT_FALSE(fs::exists(MidiNextTo(c.strAnswer)));
        EXPECT_EQ(pBuffer->nStarts, nStarts + 1);
        EXPECT_TRUE(Capturing(c.w));
    }
    EXPECT_TRUE(c.w.FeedBlockAndWait());
    EXPECT_TRUE(Notices(*c.w.dlg).empty());
}

TEST(ConvertToMidi, NextToAnExistingMidiFileANewOneIsMadeAndItsNameShown) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open());
    c.strAnswer = WriteScaleLog(c.folder);
    // The live MIDI recording started in the same second as the log.
    {
        std::ofstream out(MidiNextTo(c.strAnswer), std::ios::binary);
        out << "the live recording";
    }
    Convert(c.w);
    EXPECT_TRUE(messages.Boxes().empty());
    std::ifstream old(MidiNextTo(c.strAnswer), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "the live recording");
    const fs::path made = fs::path(c.strAnswer).replace_extension().string() + "-2.mid";
    SmfFile smf;
    std::string strError;
    EXPECT_TRUE(ReadSmfFile(made.string(), smf, strError)) << strError;
    // The window says which file it made.
    const auto* pResult = c.w.dlg->findChild<QLabel*>(QStringLiteral("ConvertToMidiResult"));
    ASSERT_NE(pResult, nullptr);
    EXPECT_TRUE(pResult->isVisible());
    EXPECT_TRUE(pResult->text().endsWith(QString::fromStdString(made.filename().string())))
        << pResult->text().toStdString();
    EXPECT_TRUE(Capturing(c.w));
}

TEST(ConvertToMidi, AFileThatIsNoLogGoesToThePluginWhichWritesNothing) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open());
    // Any readable file is handed on; the plug-in's refusal is not reported.
    c.strAnswer = (c.folder / "noise.log").string();
    {
        std::ofstream out(c.strAnswer, std::ios::binary);
        for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919) & 0xFF));
    }
    Convert(c.w);
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_FALSE(fs::exists(MidiNextTo(c.strAnswer)));
    EXPECT_TRUE(Capturing(c.w));
    EXPECT_TRUE(c.w.FeedBlockAndWait());
}

TEST(ConvertToMidi, CancellingResumesTheCaptureAndChangesNothing) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open());
    const auto pBuffer = c.w.system.GetBuffer();
    const int nStarts = pBuffer->nStarts;
    c.bCancel = true;
    const auto before = std::distance(fs::directory_iterator(c.folder), fs::directory_iterator());
    Convert(c.w);
    EXPECT_EQ(c.nAsked, 1);
    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(c.folder), fs::directory_iterator()), before);
    EXPECT_EQ(pBuffer->nStarts, nStarts + 1);
    EXPECT_TRUE(Capturing(c.w));
}

TEST(ConvertToMidi, ACaptureThatCannotRestartGives145AfterTheOtherMessage) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open());
    c.w.system.GetBuffer()->hrStart = DSERR_GENERIC;
    c.strAnswer = (c.folder / "vanished.log").string();
    Convert(c.w);
    const auto boxes = messages.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, QString::fromUtf8(LoadResString(IDS_LOG_TO_MIDI_CANNOT_OPEN)));
    EXPECT_EQ(boxes[0].nIcon, MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes[1].text, QString::fromUtf8(LoadResString(IDS_LOG_TO_MIDI_CANNOT_CAPTURE)));
    EXPECT_EQ(boxes[1].nIcon, MB_ICONSTOP);
    EXPECT_FALSE(Capturing(c.w));
}

// Stands in for the plug-in's LogToMidi to look at the window while it runs.
struct NoticeProbe {
    static CConvertWindow* pWindow;
    static std::string strPath;
    static int nNotices;
    static bool bVisible;
    static QRect geometry;
    static QSize client;
    static bool bCapturing;
    static int LogToMidi(char* pszPath) {
        strPath = pszPath;
        const auto notices = Notices(*pWindow->w.dlg);
        nNotices = static_cast<int>(notices.size());
        if (notices.size() == 1) {
            bVisible = notices[0]->isVisible();
            geometry = notices[0]->geometry();
            client = pWindow->w.dlg->GetClient()->size();
        }
        bCapturing = Capturing(pWindow->w);
        return 0;
    }
};
CConvertWindow* NoticeProbe::pWindow = nullptr;
std::string NoticeProbe::strPath;
int NoticeProbe::nNotices = -1;
bool NoticeProbe::bVisible = false;
QRect NoticeProbe::geometry;
QSize NoticeProbe::client;
bool NoticeProbe::bCapturing = true;

TEST(ConvertToMidi, TheNoticeIsCentredInTheWindowWhileThePluginWorks) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open(false));
    c.w.app.m_midiPlugin.m_pfnLogToMidi = &NoticeProbe::LogToMidi;
    c.w.app.m_bMidiUnavailable = 0;
    NoticeProbe::pWindow = &c;
    // Any readable file, with the name as chosen.
    c.strAnswer = (c.folder / "any name.txt").string();
    { std::ofstream(c.strAnswer) << "not a log\n"; }
    Convert(c.w);
    NoticeProbe::pWindow = nullptr;

    EXPECT_TRUE(messages.Boxes().empty());
    EXPECT_EQ(NoticeProbe::strPath, c.strAnswer);
    ASSERT_EQ(NoticeProbe::nNotices, 1);
    EXPECT_TRUE(NoticeProbe::bVisible);
    EXPECT_EQ(NoticeProbe::geometry.size(), QSize(200, 50));
    // Centred, give or take the half pixel of an odd client size.
    const QPoint offset =
        NoticeProbe::geometry.center() - QRect(QPoint(0, 0), NoticeProbe::client).center();
    EXPECT_LE(std::abs(offset.x()), 1) << offset.x();
    EXPECT_LE(std::abs(offset.y()), 1) << offset.y();
    EXPECT_FALSE(NoticeProbe::bCapturing);
    // Gone afterwards, and the capture is back.
    EXPECT_TRUE(Notices(*c.w.dlg).empty());
    EXPECT_TRUE(Capturing(c.w));
}

TEST(ConvertToMidi, WithoutThePluginOnlyItsMessageAndTheCaptureIsNotTouched) {
    CMessageRecorder messages;
    CConvertWindow c;
    ASSERT_TRUE(c.Open(false));
    const auto pBuffer = c.w.system.GetBuffer();
    const int nStops = pBuffer->nStops, nStarts = pBuffer->nStarts;
    Convert(c.w);
    EXPECT_TRUE(messages.ShowedOnly(IDS_MIDI_PLUGIN_MISSING, MB_ICONINFORMATION));
    EXPECT_EQ(c.nAsked, 0);
    EXPECT_EQ(pBuffer->nStops, nStops);
    EXPECT_EQ(pBuffer->nStarts, nStarts);
    EXPECT_TRUE(Capturing(c.w));
}

}  // namespace
