// kalvo: the tuner's window.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/StartUpChecks.h"
#include "app/TunerApp.h"
#include "platform/system/ProgramVersion.h"

namespace {
// Help and version need no display: they are answered before Qt starts.
bool AnswerWithoutDisplay(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const CommandLine cl = ParseCommandLine(args);
    if (cl.action == CommandLineAction::Help) {
        std::fputs(UsageText(), stdout);
        return true;
    }
    if (cl.action == CommandLineAction::Version) {
        std::printf("kalvo %s\n", GetProgramVersion().c_str());
        return true;
    }
    return false;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (AnswerWithoutDisplay(argc, argv)) return 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "kalvo: no display to open the window on\n");
        return 3;
    }
    QApplication app(argc, argv);
    // Wayland compositors match the window to its desktop entry (and icon) by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kalvo.Kalvo"));
    std::vector<std::string> args;
    const QStringList qtArgs = QCoreApplication::arguments();
    for (int i = 1; i < qtArgs.size(); ++i) args.push_back(qtArgs[i].toStdString());

    const CommandLine cl = ParseCommandLine(args);
    switch (cl.action) {
        case CommandLineAction::Help:
            std::fputs(UsageText(), stdout);
            return 0;
        case CommandLineAction::Version:
            std::printf("kalvo %s\n", GetProgramVersion().c_str());
            return 0;
        case CommandLineAction::Error:
            std::fprintf(stderr, "kalvo: %s\n%s", cl.strError.c_str(), UsageText());
            return 2;
        case CommandLineAction::Run:
            break;
    }
    CLinuxStartUpPlatform platform;
    CTunerApp tunerApp(platform, cl.options);
    tunerApp.InitInstance();
    return tunerApp.GetExitCode();
}
