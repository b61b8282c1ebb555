#include "app/CommandLine.h"

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    auto error = [&cl](std::string strText) {
        cl.action = CommandLineAction::Error;
        cl.strError = std::move(strText);
        return cl;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.action = CommandLineAction::Help;
        } else if (a == "--version") {
            if (cl.action != CommandLineAction::Help) cl.action = CommandLineAction::Version;
        } else if (a == "--input" || a == "--source") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return error(a + " needs a value");
            (a == "--input" ? cl.options.strInput : cl.options.strSource) = args[++i];
        } else if (a.rfind("--input=", 0) == 0) {
            cl.options.strInput = a.substr(8);
        } else if (a.rfind("--source=", 0) == 0) {
            cl.options.strSource = a.substr(9);
        } else {
            return error("unknown argument: " + a);
        }
    }
    if (cl.action == CommandLineAction::Run && !cl.options.strInput.empty() &&
        !cl.options.strSource.empty())
        return error("--input and --source cannot be used together");
    return cl;
}

const char* UsageText() {
    return "Usage: kalvo [--input FILE | --source NAME]\n"
           "A tuner for musical instruments: listens to a capture source and shows the note,\n"
           "the cents off it, the frequency and the spectrum.\n"
           "\n"
           "  --input FILE   play an audio file in real time instead of listening\n"
           "  --source NAME  listen to this PulseAudio source (see kalvo-analyze --list-sources)\n"
           "  --help         print this text and exit\n"
           "  --version      print the version and exit\n";
}
