// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "analysis/Tuning.h"
#include "analysis/TuningOptions.h"
#include "app/AppSettings.h"
#include "platform/sound/AudioFileReader.h"
#include "platform/sound/PulseCapture.h"

namespace {
std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}
}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    auto error = [&cl](std::string strText) {
        cl.action = CommandLineAction::Error;
        cl.strError = std::move(strText);
        return cl;
    };
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption listTemperaments(QStringLiteral("list-temperaments"));
    const QCommandLineOption listStrings(QStringLiteral("list-strings"));
    const QCommandLineOption demo(QStringLiteral("demo"));
    const QCommandLineOption defaults(QStringLiteral("defaults"));
    const QCommandLineOption hold(QStringLiteral("hold"));
    const QCommandLineOption strobe(QStringLiteral("strobe"));
    const QCommandLineOption input(QStringLiteral("input"), {}, QStringLiteral("FILE"));
    const QCommandLineOption source(QStringLiteral("source"), {}, QStringLiteral("NAME"));
    const QCommandLineOption recordDir(QStringLiteral("record-dir"), {}, QStringLiteral("DIR"));
    parser.addOptions({help, version, listTemperaments, listStrings, demo, defaults, hold, strobe,
                       input, source, recordDir});
    std::vector<QCommandLineOption> tuning;
    for (const TuningOption& option : TuningOptions())
        tuning.emplace_back(QString::fromLatin1(option.name), QString(),
                            QString::fromLatin1(option.metavar));
    for (const QCommandLineOption& option : tuning) parser.addOption(option);

    // Arguments are byte strings: a file name need not be valid in any
    // encoding. Each byte stands as one Latin-1 character while parsing and
    // goes back as the same byte, so every name reaches the file system as
    // it was given.
    QStringList list{QStringLiteral("kalvo")};
    for (const std::string& a : args) list << QString::fromLatin1(a.data(), qsizetype(a.size()));
    const auto bytes = [](const QString& str) { return str.toLatin1().toStdString(); };
    if (!parser.parse(list)) {
        QString strError = parser.errorText();
        if (strError.endsWith('.')) strError.chop(1);
        return error(bytes(strError));
    }
    if (!parser.positionalArguments().isEmpty())
        return error("unknown argument: " + bytes(parser.positionalArguments().first()));
    if (parser.isSet(help)) {
        cl.action = CommandLineAction::Help;
        return cl;
    }
    if (parser.isSet(version)) {
        cl.action = CommandLineAction::Version;
        return cl;
    }
    if (parser.isSet(listTemperaments) || parser.isSet(listStrings)) {
        cl.action = parser.isSet(listStrings) ? CommandLineAction::ListStrings
                                              : CommandLineAction::ListTemperaments;
        return cl;
    }
    CAppOptions& o = cl.options;
    o.bDemo = parser.isSet(demo);
    o.bDefaults = parser.isSet(defaults);
    o.bHold = parser.isSet(hold);
    o.bStrobe = parser.isSet(strobe);
    o.strInput = bytes(parser.value(input));
    o.strSource = bytes(parser.value(source));
    o.strRecordDir = bytes(parser.value(recordDir));
    if (parser.isSet(input) && o.strInput.empty()) return error("--input needs a value");
    if (parser.isSet(source) && o.strSource.empty()) return error("--source needs a value");
    if (parser.isSet(recordDir) && o.strRecordDir.empty())
        return error("--record-dir needs a value");
    CTuningValues values;
    for (size_t i = 0; i < tuning.size(); ++i) {
        if (!parser.isSet(tuning[i])) continue;
        const TuningOption& option = TuningOptions()[i];
        const std::string strValue = bytes(parser.value(tuning[i]));
        std::string strError;
        if (!option.parse(strValue, values, strError)) return error(strError);
        o.tuning.emplace_back(option.name, strValue);
    }
    // The tuning as a whole: strings and a scale do not go together.
    if (std::string strError; !CTuning::Build(values, strError)) return error(strError);
    if (!o.strInput.empty() && !o.strSource.empty())
        return error("--input and --source cannot be used together");
    if (o.bDemo && (!o.strInput.empty() || !o.strSource.empty()))
        return error("--demo plays its own phrase: it takes no --input or --source");
    return cl;
}

const char* UsageText() {
    static const std::string text = [] {
        std::string t =
            "Usage: kalvo [--input FILE | --source NAME | --demo] [OPTION]...\n"
            "A tuner for musical instruments: listens to a capture source and shows the note,\n"
            "the cents off it, the frequency and the spectrum.\n"
            "\n"
            "  --input FILE   play an audio file in real time instead of listening\n"
            "  --source NAME  listen to this PulseAudio source (see kalvo-analyze --list-sources)\n"
            "  --demo         play a built-in phrase of plucked notes, some slightly out of\n"
            "                 tune, over and over: the tuner without a microphone\n"
            "\n"
            "Settings for this run, as kalvo-analyze takes them; they win over remembered ones:\n";
        for (const TuningOption& option : TuningOptions()) {
            std::string left = std::string("  --") + option.name + " " + option.metavar;
            left.resize(22, ' ');
            t += left + option.help() + "\n";
        }
        t += "  --list-temperaments list the temperaments --temperament takes and exit\n"
             "  --list-strings      list the instrument presets --strings takes and exit\n"
             "  --record-dir DIR    write recordings into DIR (default: the working folder)\n"
             "  --defaults          start with the designed settings, ignoring remembered ones\n"
             "  --hold              keep the last settled reading on show when the sound stops\n"
             "  --strobe            show the strobe in the spectrum's place (View -> Strobe)\n"
             "  --help              print this text and exit\n"
             "  --version           print the version and exit\n"
             "\n"
             "With Settings -> Remember Settings checked, the settings are kept in\n"
             "$XDG_CONFIG_HOME/kalvo/kalvo.conf (~/.config/kalvo/kalvo.conf) between runs.\n"
             "Exit status: 0 after a normal close, 1 when a start-up check fails or this text\n"
             "cannot be written, 2 for a bad option or value, 3 without a display, 4 when the\n"
             "window was closed after the capture could not start.\n";
        return t;
    }();
    return text.c_str();
}

bool ListPulseSources(std::vector<std::string>& names) {
    CPulseCaptureSystem system;
    std::vector<PulseSource> sources;
    HRESULT hr = DS_OK;
    if (!system.ListSources(sources, hr)) return false;
    names.clear();
    for (const PulseSource& s : sources) names.push_back(s.strName);
    return true;
}

std::string CheckCommandLineTargets(CAppOptions& options, SourceLister fnListSources) {
    if (!options.strInput.empty()) {
        struct stat st;
        if (access(options.strInput.c_str(), R_OK) != 0 || stat(options.strInput.c_str(), &st) != 0)
            return "--input: cannot read " + Quoted(options.strInput) + ": " + std::strerror(errno);
        if (S_ISDIR(st.st_mode))
            return "--input: " + Quoted(options.strInput) + " is a folder, not an audio file";
        // A file is opened as the capture will open it, so that one that
        // cannot be played is told here and not by boxes over a window. A
        // pipe is left to the capture: reading it here would use it up.
        std::string strError;
        CAudioFileReader16k reader;
        if (S_ISREG(st.st_mode) && !reader.Open(options.strInput, strError))
            return "--input: " + strError;
    }
    if (!options.strRecordDir.empty()) {
        std::string strReason;
        if (!CanWriteFolder(options.strRecordDir, strReason))
            return "--record-dir: cannot write to " + Quoted(options.strRecordDir) + ": " +
                   strReason;
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(options.strRecordDir, ec);
        if (!ec) options.strRecordDir = absolute.lexically_normal().string();
        while (options.strRecordDir.size() > 1 && options.strRecordDir.back() == '/')
            options.strRecordDir.pop_back();
    }
    std::vector<std::string> names;
    if (!options.strSource.empty() && fnListSources && fnListSources(names)) {
        for (const std::string& name : names)
            if (name == options.strSource) return {};
        std::string list;
        for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
        return "--source: no capture source named " + Quoted(options.strSource) +
               (list.empty() ? " (the sound server has none)" : " (there are: " + list + ")");
    }
    return {};
}
