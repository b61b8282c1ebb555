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
        } else if (a == "--demo") {
            cl.options.bDemo = true;
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
    if (cl.action == CommandLineAction::Run && cl.options.bDemo &&
        (!cl.options.strInput.empty() || !cl.options.strSource.empty()))
        return error("--demo plays its own phrase: it takes no --input or --source");
    return cl;
}

const char* UsageText() {
    return "Usage: kalvo [--input FILE | --source NAME | --demo]\n"
           "A tuner for musical instruments: listens to a capture source and shows the note,\n"
           "the cents off it, the frequency and the spectrum.\n"
           "\n"
           "  --input FILE   play an audio file in real time instead of listening\n"
           "  --source NAME  listen to this PulseAudio source (see kalvo-analyze --list-sources)\n"
           "  --demo         play a built-in phrase of plucked notes, some slightly out of\n"
           "                 tune, over and over: the tuner without a microphone\n"
           "  --help         print this text and exit\n"
           "  --version      print the version and exit\n";
}
