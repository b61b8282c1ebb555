// SPDX-License-Identifier: GPL-3.0-or-later
// kalvo: the tuner's window.
#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/TuningOptions.h"
#include "app/CommandLine.h"
#include "app/StartUpChecks.h"
#include "app/Translations.h"
#include "app/TunerApp.h"
#include "platform/system/ProgramVersion.h"

namespace {
// A help or version text that could not be written (a full disk, a closed
// pipe) ends with status 1, so that a script sees it.
int Answer(CommandLineAction action) {
    if (action == CommandLineAction::Help)
        std::fputs(UsageText(), stdout);
    else if (action == CommandLineAction::ListTemperaments)
        std::fputs(TemperamentListText().c_str(), stdout);
    else if (action == CommandLineAction::ListStrings)
        std::fputs(StringPresetListText().c_str(), stdout);
    else
        std::printf("kalvo %s\n", GetProgramVersion().c_str());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

// Help and version need no display: they are answered before Qt starts.
bool AnswerWithoutDisplay(int argc, char* argv[], int& nStatus) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const CommandLine cl = ParseCommandLine(args);
    if (cl.action == CommandLineAction::Run || cl.action == CommandLineAction::Error) return false;
    nStatus = Answer(cl.action);
    return true;
}
}  // namespace

int main(int argc, char* argv[]) {
    int nStatus = 0;
    if (AnswerWithoutDisplay(argc, argv, nStatus)) return nStatus;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "kalvo: no display to open the window on\n");
        return 3;
    }
    QApplication app(argc, argv);
    // Wayland compositors match the window to its desktop entry (and icon) by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kalvo.Kalvo"));
    // The window's language, before anything of it is built; the terminal's
    // texts (help, refused options) and the files stay English.
    InstallTranslations(app, QLocale::system().uiLanguages());
    // Qt has taken its own arguments out of argv; the rest are used as the
    // bytes they are, not decoded (a file name need not be valid UTF-8).
    const std::vector<std::string> args(argv + 1, argv + argc);

    CommandLine cl = ParseCommandLine(args);
    switch (cl.action) {
        case CommandLineAction::Help:
        case CommandLineAction::Version:
        case CommandLineAction::ListTemperaments:
        case CommandLineAction::ListStrings:
            return Answer(cl.action);
        case CommandLineAction::Error:
            std::fprintf(stderr, "kalvo: %s (see --help)\n", cl.strError.c_str());
            return 2;
        case CommandLineAction::Run:
            break;
    }
    // What the options name is checked before any window opens.
    const std::string strError = CheckCommandLineTargets(cl.options);
    if (!strError.empty()) {
        std::fprintf(stderr, "kalvo: %s\n", strError.c_str());
        return 2;
    }
    CLinuxStartUpPlatform platform;
    CTunerApp tunerApp(platform, cl.options);
    tunerApp.InitInstance();
    return tunerApp.GetExitCode();
}
