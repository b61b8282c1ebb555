// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/AnalyzeOptions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <vector>

#include "analysis/Constants.h"
#include "analysis/NoteNaming.h"
#include "analysis/NoteTable.h"
#include "analysis/TuningOptions.h"

namespace {

enum class ValueKind { None, Required, Optional };

// One command-line option. Adding an option is adding a row: the parser and
// the help text both come from this table.
struct OptionSpec {
    const char* name;  // without the leading "--"
    ValueKind kind;
    const char* metavar;  // shown in the help text
    std::string help;
    // Applies the option; strValue is empty for ValueKind::None (and for an
    // omitted optional value). Returns false with a message in strError.
    std::function<bool(CAnalyzeOptions&, const std::string& strValue, std::string& strError)> apply;
};

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

bool SetOutputFile(std::string& strTarget, const char* pszOption, const std::string& strValue,
                   std::string& strError) {
    if (strValue.empty()) {
        strError = std::string(pszOption) + " needs a file name";
        return false;
    }
    strTarget = strValue;
    return true;
}

// The rows of the analysis settings, from the table kalvo shares.
OptionSpec TuningRow(const TuningOption& option) {
    return {option.name, ValueKind::Required, option.metavar, option.help(),
            [&option](CAnalyzeOptions& o, const std::string& v, std::string& err) {
                return option.parse(v, o, err);
            }};
}

std::vector<OptionSpec> MakeOptions() {
    std::vector<OptionSpec> table = {
        {"all", ValueKind::None, nullptr,
         "print a line for every block, not only when the reading changed",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bAllBlocks = true;
             return true;
         }},
        {"tsv", ValueKind::None, nullptr,
         "print a tab-separated table of every block instead of the session log",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.format = OutputFormat::Tsv;
             return true;
         }},
        {"fine", ValueKind::None, nullptr,
         "measure the offset from the target to a tenth of a cent from the\n"
         "                      phase of the held note: a fine_cents column at the end of\n"
         "                      --tsv, a fine value on the lines of --live",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bFine = true;
             return true;
         }},
        {"jobs", ValueKind::Required, "N",
         "analyse a file's blocks on N threads (default: one per processor,\n"
         "                      at most 8); the output is the same whatever N is",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             unsigned n = 0;
             const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
             if (ec == std::errc() && end == v.data() + v.size() && n >= 1 && n <= 1024) {
                 o.nJobs = n;
                 return true;
             }
             err = "--jobs: " + Quoted(v) + " is not a number of threads from 1 to 1024";
             return false;
         }},
        {"help", ValueKind::None, nullptr, "show this help and exit",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bHelp = true;
             return true;
         }},
        {"version", ValueKind::None, nullptr, "show the program version and exit",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bVersion = true;
             return true;
         }},
        {"live", ValueKind::Optional, "SOURCE",
         "capture from the sound server (its default source, or SOURCE) and\n"
         "                      print the readings as they change, until Ctrl-C",
         [](CAnalyzeOptions& o, const std::string& v, std::string&) {
             o.bLive = true;
             o.strSource = v;
             return true;
         }},
        {"input", ValueKind::Required, "FILE",
         "capture from FILE played in real time, then silence, as if it were\n"
         "                      a sound card; stops at its end unless --seconds is given",
         [](CAnalyzeOptions& o, const std::string& v, std::string&) {
             o.bLive = true;
             o.strLiveInput = v;
             return true;
         }},
        {"demo", ValueKind::None, nullptr,
         "capture from a built-in phrase of plucked notes, some slightly out of\n"
         "                      tune, played in real time over and over (implies --live)",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bLive = true;
             o.bDemo = true;
             return true;
         }},
        {"names", ValueKind::Required, "NAMES",
         "how the --live line names the notes: english (default), german\n"
         "                      (H for B) or solfege (Do Re Mi); files keep english",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             const int n = ParseNoteNaming(v);
             if (n >= 0) {
                 o.nNoteNaming = n;
                 return true;
             }
             err =
                 "--names: " + Quoted(v) + " is not a note naming (use english, german or solfege)";
             return false;
         }},
        {"seconds", ValueKind::Required, "N", "stop capturing, or the tone, after N seconds",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             double x = 0;
             if (ParseFiniteNumber(v, x) && x > 0.0) {
                 o.dSeconds = x;
                 return true;
             }
             err = "--seconds: " + Quoted(v) + " is not a number of seconds above 0";
             return false;
         }},
        {"tone", ValueKind::Required, "NOTE",
         "play the reference tone of NOTE (A5, E3, F3#, ...) on the sound\n"
         "                      server's default output until Ctrl-C or --seconds;\n"
         "                      --a5, --temperament, --tonic, --scale and --transpose\n"
         "                      set its frequency, which is printed",
         [](CAnalyzeOptions& o, const std::string& v, std::string&) {
             o.strTone = v;
             return true;
         }},
        {"tone-shape", ValueKind::Required, "SHAPE",
         "the tone's sound: sine (the default) or soft (a few harmonics)",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             if (ParseToneShape(v, o.toneShape)) return true;
             err = "--tone-shape: " + Quoted(v) + " is not sine or soft";
             return false;
         }},
        {"tone-volume", ValueKind::Required, "PERCENT",
         "the tone's peak level in percent of full scale, above 0 up to 100\n"
         "                      (50 if not given)",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             double x = 0;
             if (ParseFiniteNumber(v, x) && x > 0.0 && x <= 100.0) {
                 o.dToneVolume = x / 100.0;
                 return true;
             }
             err = "--tone-volume: " + Quoted(v) + " is not a percentage above 0 up to 100";
             return false;
         }},
        {"log", ValueKind::Required, "OUT",
         "write the session log of FILE to OUT, as the tuner records it\n"
         "                      (nothing is printed then); an existing OUT is\n"
         "                      replaced once the new file is complete",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             return SetOutputFile(o.strLogFile, "--log", v, err);
         }},
        {"wav", ValueKind::Required, "OUT",
         "write FILE as the tuner's WAVE recording (16000 Hz, 16-bit stereo)\n"
         "                      to OUT, replacing it as --log does",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             return SetOutputFile(o.strWaveFile, "--wav", v, err);
         }},
        {"midi", ValueKind::Required, "OUT",
         "write the tuner's MIDI recording of FILE to OUT (needs the kvmidi\n"
         "                      plug-in), replacing it as --log does",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             return SetOutputFile(o.strMidiFile, "--midi", v, err);
         }},
        {"log-to-midi", ValueKind::Required, "LOG",
         "convert a session log to a MIDI file next to it, named as the log\n"
         "                      with .mid, or -2.mid, -3.mid, ... when taken (no file\n"
         "                      is replaced; such a name is printed); needs the kvmidi\n"
         "                      plug-in; no audio file",
         [](CAnalyzeOptions& o, const std::string& v, std::string& err) {
             return SetOutputFile(o.strLogToMidi, "--log-to-midi", v, err);
         }},
        {"list-sources", ValueKind::None, nullptr,
         "list the sound server's capture sources and exit",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bListSources = true;
             return true;
         }},
        {"list-temperaments", ValueKind::None, nullptr,
         "list the temperaments --temperament takes and exit",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bListTemperaments = true;
             return true;
         }},
        {"list-strings", ValueKind::None, nullptr,
         "list the instrument presets --strings takes and exit",
         [](CAnalyzeOptions& o, const std::string&, std::string&) {
             o.bListStrings = true;
             return true;
         }},
    };
    // After --all and --tsv, as the usage has always listed them.
    std::vector<OptionSpec> tuning;
    for (const TuningOption& option : TuningOptions()) tuning.push_back(TuningRow(option));
    table.insert(table.begin() + 2, tuning.begin(), tuning.end());
    return table;
}

const std::vector<OptionSpec>& Options() {
    static const std::vector<OptionSpec> table = MakeOptions();
    return table;
}

const OptionSpec* FindOption(const std::string& name) {
    for (const OptionSpec& spec : Options())
        if (name == spec.name) return &spec;
    return nullptr;
}

}  // namespace

bool ParseAnalyzeOptions(int argc, const char* const* argv, CAnalyzeOptions& options,
                         std::string& strError) {
    bool bOptionsEnded = false;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i] ? argv[i] : "";
        if (bOptionsEnded || arg.size() < 2 || arg[0] != '-') {
            inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            bOptionsEnded = true;
            continue;
        }
        if (arg == "-h") {
            options.bHelp = true;
            continue;
        }
        if (arg.compare(0, 2, "--") != 0) {
            strError = "unknown option " + Quoted(arg) + " (see --help)";
            return false;
        }
        const std::size_t eq = arg.find('=');
        const std::string name =
            arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        const OptionSpec* spec = FindOption(name);
        if (!spec) {
            strError = "unknown option " + Quoted("--" + name) + " (see --help)";
            return false;
        }
        std::string value;
        if (eq != std::string::npos) {
            if (spec->kind == ValueKind::None) {
                strError = "--" + name + " takes no value";
                return false;
            }
            value = arg.substr(eq + 1);
        } else if (spec->kind == ValueKind::Required) {
            if (i + 1 >= argc || !argv[i + 1]) {
                strError = "--" + name + " needs a value (" + spec->metavar + ")";
                return false;
            }
            value = argv[++i];
        } else if (spec->kind == ValueKind::Optional) {
            // An optional value is the next word unless that is an option.
            if (i + 1 < argc && argv[i + 1] && argv[i + 1][0] != '-') value = argv[++i];
        }
        if (!spec->apply(options, value, strError)) return false;
    }
    if (options.bHelp || options.bVersion || options.bListSources || options.bListTemperaments ||
        options.bListStrings)
        return true;
    options.pTuning = CTuning::Build(options, strError);
    if (!options.pTuning) return false;
    if (!options.strTone.empty()) {
        if (options.bLive || !inputs.empty() || options.HasRecordings() ||
            !options.strLogToMidi.empty()) {
            strError = "--tone plays a note on its own: no audio file, capture or recording";
            return false;
        }
        if (!NoteFrequencyHz(options, options.strTone, options.dToneHz, strError)) {
            strError = "--tone: " + strError;
            return false;
        }
        return true;
    }
    if (options.bLive && !inputs.empty()) {
        strError = "capturing takes no audio file; use --input " + Quoted(inputs[0]);
        return false;
    }
    if (options.bDemo && (!options.strSource.empty() || !options.strLiveInput.empty())) {
        strError = "--demo plays its own phrase: it takes no source and no --input";
        return false;
    }
    if (options.bLive && (options.HasRecordings() || !options.strLogToMidi.empty())) {
        strError = "--log, --wav, --midi and --log-to-midi work on files, not while capturing";
        return false;
    }
    if (options.bLive) return true;
    if (!options.strLogToMidi.empty()) {
        if (!inputs.empty() || options.HasRecordings()) {
            strError =
                "--log-to-midi converts a log on its own: no audio file, --log, --wav or --midi";
            return false;
        }
        return true;
    }
    if (inputs.empty()) {
        strError = "no audio file given (see --help)";
        return false;
    }
    if (inputs.size() > 1 && options.HasRecordings()) {
        strError = "--log, --wav and --midi record one audio file (" + Quoted(inputs[0]) +
                   " and " + Quoted(inputs[1]) + " given)";
        return false;
    }
    options.strInput = inputs[0];
    options.inputs = inputs;
    return true;
}

std::string AnalyzeUsage() {
    std::string text =
        "Usage: kalvo-analyze [OPTION]... FILE...\n"
        "  or:  kalvo-analyze [OPTION]... --live [SOURCE] | --input FILE | --demo\n"
        "  or:  kalvo-analyze --list-sources\n"
        "  or:  kalvo-analyze --log-to-midi LOG\n"
        "  or:  kalvo-analyze [OPTION]... --tone NOTE\n"
        "Analyse an audio file (any format libsndfile reads, any rate and channel count) as\n"
        "the tuner analyses its capture device: converted to 16000 Hz 16-bit stereo, cut into\n"
        "blocks of 1333 frames (a last partial block is padded with silence), one reading per\n"
        "block. Prints a session log of the readings that changed, as the tuner's log records\n"
        "them, with times from the start of the file. Several files are analysed one after\n"
        "the other, each as if given alone.\n"
        "\n"
        "Options:\n";
    for (const OptionSpec& spec : Options()) {
        std::string left = std::string("  --") + spec.name;
        if (spec.kind == ValueKind::Required) left += std::string(" ") + spec.metavar;
        if (spec.kind == ValueKind::Optional) left += std::string(" [") + spec.metavar + "]";
        const std::string& help = spec.help;
        if (left.size() < 22)
            left.resize(22, ' ');
        else
            left += "\n" + std::string(22, ' ');
        text += left + help + "\n";
    }
    text +=
        "\n"
        "An output that is the audio file, or two outputs that are one file, are refused\n"
        "before anything is written.\n"
        "\n"
        "Exit status: 0 when the file was analysed, 1 when an output could not be written\n"
        "(a line for each), 2 for a bad option or value, a file that cannot be read as audio\n"
        "(or as a session log for --log-to-midi), an output on the input or on another\n"
        "output, or a missing MIDI plug-in, 3 when capturing (--live, --input, --demo,\n"
        "--list-sources) or the tone (--tone) cannot start, the sound server goes away\n"
        "or delivers nothing for 3 seconds.\n";
    return text;
}
