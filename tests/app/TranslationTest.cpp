// SPDX-License-Identifier: GPL-3.0-or-later
// The window in other languages: every text it shows goes through Qt's
// translation system (checked under a pseudo-locale that wraps each one in
// [[...]]), the access keys stay unique in every language, the locale picks
// the translation, and the core's texts the window shows are the core's.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "analysis/Fft.h"
#include "analysis/NoteTable.h"
#include "analysis/StringPresets.h"
#include "analysis/Temperaments.h"
#include "analysis/Tuning.h"
#include "analysis/TuningOptions.h"
#include "app/AboutDlg.h"
#include "app/AppIds.h"
#include "app/Translations.h"
#include "dialogs/CaptureDeviceDlg.h"
#include "dialogs/ReferenceToneDlg.h"
#include "dialogs/TuningDlg.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "recording/LogToMidi.h"
#include "recording/RecordingRecovery.h"
#include "resources/CoreTexts.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"
#include "tests/app/LocaleSupport.h"
#include "tests/app/WindowFixture.h"
#include "views/BufferedWindow.h"
#include "views/CentMeter.h"
#include "views/FrequencyDisplay.h"
#include "views/NoteArea.h"
#include "views/SpectrumArea.h"

namespace {

// The pseudo-locale for the lifetime of the scope.
class CPseudoScope {
public:
    CPseudoScope() { QCoreApplication::installTranslator(&m_translator); }
    ~CPseudoScope() { QCoreApplication::removeTranslator(&m_translator); }

private:
    CPseudoTranslator m_translator;
};

// The texts shown without having been offered for translation.
class CUnwrapped {
public:
    void Check(const QString& where, const QString& text) {
        if (!text.isEmpty() && !IsWrapped(text))
            m_list.push_back(where.toStdString() + ": \"" + text.toStdString() + "\"");
    }
    const std::vector<std::string>& List() const { return m_list; }

private:
    std::vector<std::string> m_list;
};

void WalkMenu(QMenu* pMenu, const QString& path, CUnwrapped& unwrapped) {
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator()) continue;
        unwrapped.Check(path + QStringLiteral(" menu item"), pAction->text());
        if (pAction->menu())
            WalkMenu(pAction->menu(), path + QStringLiteral(" > ") + pAction->text(), unwrapped);
    }
}

// What is exempt, precisely: lists whose rows are numbers (with their unit),
// note names or device names, labels that show numbers and note names, and
// what the user typed. Everything else a window shows must be wrapped.
struct Exempt {
    std::set<const QWidget*> lists;
    std::set<const QWidget*> labels;
};

void WalkWindow(QWidget* pWindow, const Exempt& exempt, CUnwrapped& unwrapped) {
    pWindow->show();
    (void)QTest::qWaitForWindowExposed(pWindow);
    const QString name = pWindow->windowTitle();
    unwrapped.Check(QStringLiteral("window title"), name);
    std::vector<QWidget*> widgets{pWindow};
    for (QWidget* p : pWindow->findChildren<QWidget*>()) widgets.push_back(p);
    for (QWidget* p : widgets) {
        // A hidden widget shows nothing (the control panel's hidden default
        // button, the tuning label of the equal temperament).
        if (p != pWindow && !p->isVisibleTo(pWindow)) continue;
        const QString where = name + QStringLiteral(" / ") + p->metaObject()->className();
        unwrapped.Check(where + QStringLiteral(" tooltip"), p->toolTip());
        unwrapped.Check(where + QStringLiteral(" accessible name"), p->accessibleName());
        unwrapped.Check(where + QStringLiteral(" accessible description"),
                        p->accessibleDescription());
        if (auto* pLabel = qobject_cast<QLabel*>(p); pLabel && !exempt.labels.count(p))
            unwrapped.Check(where + QStringLiteral(" text"), pLabel->text());
        if (auto* pButton = qobject_cast<QAbstractButton*>(p))
            unwrapped.Check(where + QStringLiteral(" text"), pButton->text());
        if (auto* pGroup = qobject_cast<QGroupBox*>(p))
            unwrapped.Check(where + QStringLiteral(" title"), pGroup->title());
        if (auto* pList = qobject_cast<QComboBox*>(p); pList && !exempt.lists.count(p))
            for (int i = 0; i < pList->count(); ++i)
                unwrapped.Check(where + QStringLiteral(" row"), pList->itemText(i));
    }
}

QComboBox* ListById(QWidget* pDialog, unsigned nId) {
    return pDialog->findChild<QComboBox*>(QString::number(nId));
}

class CSilentPlayer : public ITonePlayer {
public:
    bool Play(double, ToneShape, double) override { return false; }
    void Stop() override {}
    bool IsPlaying() const override { return false; }
    std::string GetLastErrorText() const override { return {}; }
};

// Under the pseudo-locale every menu item, window and dialog text, tooltip,
// accessible name and list row of words comes wrapped.
TEST(PseudoLocale, EveryMenuItemControlAndTooltipIsTranslated) {
    const CPseudoScope pseudo;
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    CUnwrapped unwrapped;

    // The menus, also as the commands change their items' texts.
    WalkMenu(w.dlg->m_pMenu, QStringLiteral("main"), unwrapped);
    for (QAction* pAction : w.dlg->GetMenuBar()->actions())
        unwrapped.Check(QStringLiteral("menu bar"), pAction->text());
    WalkMenu(w.dlg->m_pSpectrumArea->GetZoomMenu(), QStringLiteral("zoom"), unwrapped);
    unwrapped.Check(QStringLiteral("zoom menu title"),
                    w.dlg->m_pSpectrumArea->GetZoomMenu()->title());

    // The main window: the A5 list holds numbers.
    Exempt main;
    main.lists.insert(w.Panel().GetDlgItem(IDC_A5_LIST));
    WalkWindow(w.dlg.get(), main, unwrapped);

    // The texts that change: Freeze, Sharps, a recording.
    QTemporaryDir folder;
    w.Panel().SetRecordingFolder(folder.path().toStdString());
    w.dlg->OnCommand(IDC_FREEZE);
    w.dlg->OnCommand(ID_VIEW_SHARPS);
    w.dlg->OnCommand(IDC_LOG);
    w.dlg->OnCommand(ID_VIEW_STROBE);
    WalkMenu(w.dlg->m_pMenu, QStringLiteral("main, changed"), unwrapped);
    WalkWindow(w.dlg.get(), main, unwrapped);
    w.dlg->OnCommand(ID_VIEW_SPECTRUM);
    w.dlg->OnCommand(IDC_LOG);
    w.dlg->OnCommand(IDC_FREEZE);
    w.dlg->OnCommand(ID_VIEW_SHARPS);
    WalkMenu(w.dlg->m_pMenu, QStringLiteral("main, back"), unwrapped);

    // The views' words for a screen reader: the note name is exempt, the
    // words after it are not.
    const auto words = [](QWidget* pView) {
        return QAccessible::queryAccessibleInterface(pView)->text(QAccessible::Description);
    };
    std::vector<CBufferedWindow*> views;
    for (QWidget* pChild : w.dlg->GetClient()->findChildren<QWidget*>())
        if (auto* pView = dynamic_cast<CBufferedWindow*>(pChild)) views.push_back(pView);
    EXPECT_GE(views.size(), 5u);  // the four views and the strobe
    for (CBufferedWindow* pView : views)
        unwrapped.Check(QStringLiteral("view words"), pView->SpokenText());
    ASSERT_TRUE(w.FeedBlockAndWait(442.0));
    ASSERT_TRUE(w.FeedBlockAndWait(442.0));
    for (CBufferedWindow* pView : views)
        if (dynamic_cast<CCentMeter*>(pView) || dynamic_cast<CFrequencyDisplay*>(pView))
            unwrapped.Check(QStringLiteral("view words"), words(pView));
    const QString reading = words(w.dlg->m_pNoteArea);
    const QStringList parts = reading.split(QStringLiteral(", "));
    ASSERT_GE(parts.size(), 2) << reading.toStdString();
    for (qsizetype i = 1; i < parts.size(); ++i)
        unwrapped.Check(QStringLiteral("note area words"), parts[i]);

    // Every dialog.
    CAboutDlg about(w.dlg.get());
    WalkWindow(&about, {}, unwrapped);
    CAcknowledgementsDlg thanks(w.dlg.get());
    WalkWindow(&thanks, {}, unwrapped);
    CCaptureDeviceDlg device(w.dlg.get());
    CCaptureDeviceList list;
    list.m_nCaptureDevices = 1;
    list.m_astrCaptureDeviceNames[0] = "Built-in Audio Analog Stereo";
    device.FillList(list);
    WalkWindow(&device, {{device.findChild<QComboBox*>()}, {}}, unwrapped);
    WalkWindow(&w.dlg->m_dlgFft, {{ListById(&w.dlg->m_dlgFft, IDC_FFT_SIZE_LIST)}, {}}, unwrapped);
    WalkWindow(&w.dlg->m_dlgSpectrum, {{ListById(&w.dlg->m_dlgSpectrum, IDC_DYNAMIC_LIST)}, {}},
               unwrapped);
    WalkWindow(&w.dlg->m_dlgMidi,
               {{ListById(&w.dlg->m_dlgMidi, IDC_ACCIDENTALS_LIST),
                 ListById(&w.dlg->m_dlgMidi, IDC_TEMPO_LIST),
                 ListById(&w.dlg->m_dlgMidi, IDC_LOWEST_NOTE_LIST),
                 ListById(&w.dlg->m_dlgMidi, IDC_MIN_DB_LIST)},
                {}},
               unwrapped);
    for (QDialog* pDialog : std::initializer_list<QDialog*>{
             &about, &thanks, &device, &w.dlg->m_dlgFft, &w.dlg->m_dlgSpectrum, &w.dlg->m_dlgMidi})
        pDialog->hide();

    // The tuning dialog: the tonics are note names, the preview the offsets
    // of the note names in cents; each preset's notes follow its name.
    CTuningDlg tuning(w.dlg.get());
    CTuningValues values;
    values.nTemperament = 4;
    tuning.SetValues(values);
    Exempt tuningExempt;
    for (QComboBox* pList : tuning.findChildren<QComboBox*>())
        if (pList->count() == 12) tuningExempt.lists.insert(pList);
    for (QLabel* pLabel : tuning.findChildren<QLabel*>())
        if (pLabel->text().contains(QStringLiteral("C#"))) tuningExempt.labels.insert(pLabel);
    ASSERT_EQ(tuningExempt.lists.size(), 1u);
    ASSERT_EQ(tuningExempt.labels.size(), 1u);
    WalkWindow(&tuning, tuningExempt, unwrapped);
    tuning.hide();

    // The reference tone: its notes are note names.
    CReferenceToneDlg tone(values, std::make_unique<CSilentPlayer>(), w.dlg.get());
    Exempt toneExempt;
    for (QComboBox* pList : tone.findChildren<QComboBox*>())
        if (pList->count() > 2) toneExempt.lists.insert(pList);
    ASSERT_EQ(toneExempt.lists.size(), 1u);
    WalkWindow(&tone, toneExempt, unwrapped);
    tone.hide();

    // A message box: its buttons are Qt's own (wrapped too), its title is
    // the program's name.
    const std::unique_ptr<QMessageBox> pBox(
        CreateMessageBox(LoadResText(IDS_STOP_RECORDING), MB_ICONEXCLAMATION, w.dlg.get()));
    pBox->setWindowTitle(QStringLiteral("[[Kalvo]]"));
    WalkWindow(pBox.get(), {}, unwrapped);
    pBox->hide();

    EXPECT_TRUE(unwrapped.List().empty()) << ::testing::PrintToString(unwrapped.List());
}

// Every message: the string table's, and those the window words itself.
TEST(PseudoLocale, EveryMessageIsTranslated) {
    const CPseudoScope pseudo;
    CUnwrapped unwrapped;
    for (unsigned nId = 101; nId <= 180; ++nId)
        unwrapped.Check(QStringLiteral("string %1").arg(nId), LoadResText(nId));

    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    // A folder that cannot be written.
    w.dlg->m_fnChooseFolder = [](std::string& strFolder) {
        strFolder = "/proc/kalvo-no-such-folder";
        return true;
    };
    w.dlg->OnCommand(ID_RECORDING_FOLDER);
    // No MIDI plug-in in the fixture.
    w.dlg->OnCommand(IDC_MIDI);
    // The settings dialogs' refusals.
    auto* pAlpha = w.dlg->m_dlgFft.findChild<QLineEdit*>(QString::number(IDC_ALPHA));
    ASSERT_NE(pAlpha, nullptr);
    pAlpha->setText(QStringLiteral("2"));
    w.dlg->m_dlgFft.accept();
    auto* pFrom = w.dlg->m_dlgSpectrum.findChild<QLineEdit*>(QString::number(IDC_FROM));
    ASSERT_NE(pFrom, nullptr);
    pFrom->setText(QStringLiteral("1"));
    w.dlg->m_dlgSpectrum.accept();
    w.dlg->m_dlgMidi.GetList(IDC_LOWEST_NOTE_LIST)->setEditText(QStringLiteral("C#5x"));
    w.dlg->m_dlgMidi.accept();

    const auto boxes = messages.Boxes();
    EXPECT_EQ(boxes.size(), 5u);
    for (const auto& box : boxes) unwrapped.Check(QStringLiteral("message box"), box.text);

    // What the core says of a recording, in the window's words.
    RecordingProblem problem("/tmp/kalvo.log", 28);
    problem.failedFolders = {{"/a", 28}, {"/b", 13}};
    problem.bLost = true;
    unwrapped.Check(QStringLiteral("recording problem"), RecordingProblemText(problem));
    unwrapped.Check(QStringLiteral("conversion notice"), LogToMidiNoticeText().mid(1));
    EXPECT_TRUE(unwrapped.List().empty()) << ::testing::PrintToString(unwrapped.List());
}

// A window that cannot capture says why in the core's words and what to try
// in the window's.
TEST(PseudoLocale, TheCaptureFailureSaysWhatToTryTranslated) {
    const CPseudoScope pseudo;
    CMessageRecorder messages;
    CWindowFixture w;
    w.system.m_hrCreate = DSERR_NODRIVER;
    ASSERT_TRUE(w.Open());
    const auto boxes = messages.Boxes();
    ASSERT_FALSE(boxes.empty());
    for (const auto& box : boxes) {
        EXPECT_TRUE(IsWrapped(box.text)) << box.text.toStdString();
        EXPECT_TRUE(IsWrapped(box.detail.section(QLatin1Char('\n'), -1)))
            << box.detail.toStdString();
    }
}

// The access keys of every menu and of the dialogs that have them are unique
// in every language, and no item has lost its key.
class AccessKeys : public ::testing::TestWithParam<std::string> {};

QChar KeyOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

void CheckKeys(const QString& where, const QStringList& texts, std::vector<std::string>& clashes) {
    std::map<QChar, QString> seen;
    for (const QString& text : texts) {
        const QChar key = KeyOf(text);
        if (key.isNull()) continue;
        if (seen.count(key))
            clashes.push_back(where.toStdString() + ": \"" + seen[key].toStdString() + "\" and \"" +
                              text.toStdString() + "\"");
        seen[key] = text;
    }
}

void CheckMenuKeys(QMenu* pMenu, const QString& where, std::vector<std::string>& clashes) {
    QStringList texts;
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator()) continue;
        texts << pAction->text();
        if (pAction->menu())
            CheckMenuKeys(pAction->menu(), where + QStringLiteral(" > ") + pAction->text(),
                          clashes);
    }
    CheckKeys(where, texts, clashes);
}

void CheckDialogKeys(QWidget* pDialog, std::vector<std::string>& clashes) {
    QStringList texts;
    for (QLabel* p : pDialog->findChildren<QLabel*>()) texts << p->text();
    for (QAbstractButton* p : pDialog->findChildren<QAbstractButton*>()) texts << p->text();
    CheckKeys(pDialog->windowTitle(), texts, clashes);
}

TEST_P(AccessKeys, AreUniqueInEveryMenuAndDialog) {
    const CLanguageScope language(GetParam());
    ASSERT_TRUE(language.Ok(GetParam()));
    CMessageRecorder messages;
    CWindowFixture w;
    ASSERT_TRUE(w.Open());
    std::vector<std::string> clashes;
    QStringList bar;
    for (QAction* pAction : w.dlg->GetMenuBar()->actions()) bar << pAction->text();
    CheckKeys(QStringLiteral("menu bar"), bar, clashes);
    CheckMenuKeys(w.dlg->m_pMenu, QStringLiteral("menu"), clashes);
    CTuningDlg tuning(w.dlg.get());
    CheckDialogKeys(&tuning, clashes);
    CReferenceToneDlg tone(CTuningValues{}, std::make_unique<CSilentPlayer>(), w.dlg.get());
    CheckDialogKeys(&tone, clashes);
    EXPECT_TRUE(clashes.empty()) << ::testing::PrintToString(clashes);

    // Each item with a key in English has one in this language.
    std::vector<std::string> keyless;
    std::function<void(QMenu*)> walk = [&](QMenu* pMenu) {
        for (QAction* pAction : pMenu->actions()) {
            if (pAction->isSeparator()) continue;
            if (KeyOf(pAction->text()).isNull() &&
                GetMenuItemId(pAction) != ID_SNAPSHOT_CLIPBOARD &&
                GetMenuItemId(pAction) != ID_SNAPSHOT_FILE &&
                GetMenuItemId(pAction) != IDM_ABOUTBOX &&
                GetMenuItemId(pAction) != ID_ACKNOWLEDGEMENTS &&
                GetMenuItemId(pAction) != ID_REFRESH_HIGH &&
                GetMenuItemId(pAction) != ID_REFRESH_NORMAL &&
                GetMenuItemId(pAction) != ID_REFRESH_LOW && !pAction->menu())
                keyless.push_back(pAction->text().toStdString());
            if (pAction->menu()) walk(pAction->menu());
        }
    };
    walk(w.dlg->m_pMenu);
    EXPECT_TRUE(keyless.empty()) << ::testing::PrintToString(keyless);
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessKeys, ::testing::ValuesIn(Languages()),
                         [](const auto& info) {
                             return info.param.empty() ? std::string("English") : info.param;
                         });

// Each language names the program as its musicians name a tuner.
TEST(Translations, SayTunerAsMusiciansDo) {
    const std::map<std::string, QString> words = {{"de", QStringLiteral("Stimmgerät")},
                                                  {"fr", QStringLiteral("accordeur")},
                                                  {"es", QStringLiteral("afinador")},
                                                  {"it", QStringLiteral("accordatore")},
                                                  {"pt_BR", QStringLiteral("afinador")}};
    for (const auto& [strLanguage, word] : words) {
        const CLanguageScope language(strLanguage);
        ASSERT_TRUE(language.Ok(strLanguage)) << strLanguage;
        EXPECT_TRUE(QCoreApplication::translate(
                        "CTunerDlg", "Start with --demo to try the tuner without a sound card")
                        .contains(word))
            << strLanguage;
    }
}

// With no translation the texts are the designed English, byte for byte.
TEST(Translations, EnglishIsTheSourceText) {
    for (unsigned nId = 101; nId <= 261; ++nId)
        EXPECT_EQ(LoadResText(nId), QString::fromUtf8(LoadResString(nId))) << nId;
    for (int i = 0; i < TRANSPOSITION_COUNT; ++i)
        EXPECT_EQ(TranspositionDisplayText(i), TranspositionText(i));
    for (int i = 0; i < WINDOW_TYPE_COUNT; ++i)
        EXPECT_EQ(WindowTypeDisplayText(i), WindowTypeText(i));
    for (size_t i = 0; i < Temperaments().size(); ++i)
        EXPECT_EQ(TemperamentDisplayTitle(static_cast<int>(i)), Temperaments()[i].title);
    for (size_t i = 0; i < StringPresets().size(); ++i)
        EXPECT_EQ(StringPresetDisplayTitle(static_cast<int>(i)), StringPresets()[i].title);
    EXPECT_EQ(LogToMidiNoticeText(), LOG_TO_MIDI_NOTICE);
    // The tuning's title as the core makes it, for each kind of tuning.
    CTuningValues v;
    std::vector<CTuningValues> tunings;
    tunings.push_back(v);
    for (int t = 1; t < static_cast<int>(Temperaments().size()); ++t) {
        v.nTemperament = t;
        v.nTonic = t % 12;
        tunings.push_back(v);
    }
    v.strStrings = "guitar-drop-d";
    tunings.push_back(v);
    v.nTemperament = 0;
    tunings.push_back(v);
    v.strStrings = "E2 A2 D3";
    tunings.push_back(v);
    for (const CTuningValues& t : tunings) {
        std::string strError;
        const auto pTuning = CTuning::Build(t, strError);
        ASSERT_NE(pTuning, nullptr) << strError;
        EXPECT_EQ(TuningDisplayTitle(t).toStdString(), pTuning->GetTitle());
    }
    // What is said of a recording, as the core says it.
    RecordingProblem lost("/music/kalvo.wav", 28);
    lost.failedFolders = {{"/a", 28}, {"/b", 13}, {"/c", 0}};
    lost.bLost = true;
    RecordingProblem moved("/music/kalvo.log", 0, "/tmp/kalvo.log", true);
    moved.failedFolders = {{"/a", 2}};
    for (const RecordingProblem& p :
         {lost, moved, RecordingProblem("/x", 5, "/y", false), RecordingProblem("/x", 0)})
        EXPECT_EQ(RecordingProblemText(p).toStdString(), FormatProblem(p));
}

// The locale picks the translation; English first, or none that fits, keeps
// the source text.
TEST(Translations, TheLocaleChoosesTheLanguage) {
    const QStringList available = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                   QStringLiteral("it"), QStringLiteral("pt_BR")};
    const auto choose = [&](const QStringList& ui) { return ChooseTranslation(ui, available); };
    EXPECT_EQ(choose({QStringLiteral("de-DE"), QStringLiteral("de")}), "de");
    EXPECT_EQ(choose({QStringLiteral("de_AT.UTF-8")}), "de");
    EXPECT_EQ(choose({QStringLiteral("fr-CA")}), "fr");
    EXPECT_EQ(choose({QStringLiteral("pt-BR")}), "pt_BR");
    EXPECT_EQ(choose({QStringLiteral("pt-PT")}), "pt_BR");
    EXPECT_EQ(choose({QStringLiteral("it_IT@euro")}), "it");
    EXPECT_EQ(choose({QStringLiteral("nl-NL"), QStringLiteral("es-ES")}), "es");
    EXPECT_EQ(choose({QStringLiteral("en-GB"), QStringLiteral("de-DE")}), "");
    EXPECT_EQ(choose({QStringLiteral("C")}), "");
    EXPECT_EQ(choose({QStringLiteral("nl-NL")}), "");
    EXPECT_EQ(choose({}), "");
}

TEST(Translations, AreLoadedFromTheFolderGivenOrBesideTheProgram) {
    qputenv("KALVO_TRANSLATIONS_DIR", KALVO_TRANSLATIONS_BUILD_DIR);
    EXPECT_EQ(TranslationFolders().first(), KALVO_TRANSLATIONS_BUILD_DIR);
    EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), {QStringLiteral("de-DE")}), "de");
    EXPECT_EQ(QCoreApplication::translate("CTunerDlg", "&File"), "&Datei");
    EXPECT_EQ(LoadResText(IDS_STOP_RECORDING),
              "Die Aufnahme muss vor dem Beenden von Kalvo gestoppt werden");
    // Qt's own buttons too, where the system has Qt's translations.
    if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                          QStringLiteral("/qtbase_de.qm"))) {
        const std::unique_ptr<QMessageBox> pBox(
            CreateMessageBox(QStringLiteral("x"), MB_ICONEXCLAMATION, nullptr));
        EXPECT_EQ(pBox->button(QMessageBox::Ok)->text(), "OK");
        QMessageBox question(QMessageBox::Question, QStringLiteral("Kalvo"), QStringLiteral("x"),
                             QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(question.button(QMessageBox::No)->text(), "&Nein");
    }
    for (QTranslator* pTranslator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(pTranslator);
        delete pTranslator;
    }
    EXPECT_EQ(QCoreApplication::translate("CTunerDlg", "&File"), "&File");
    qunsetenv("KALVO_TRANSLATIONS_DIR");
    // An installation: share/kalvo/translations beside bin/.
    const QStringList folders = TranslationFolders();
    EXPECT_TRUE(folders.contains(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/../share/kalvo/translations"))));
    EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), {QStringLiteral("nl-NL")}), "");
}

}  // namespace
