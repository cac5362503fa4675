#include "app/CommandLine.h"

#include <cstdio>

namespace bg::app {

bool parseCommandLine(int argc, char** argv, CommandLine& line, std::string& error) {
    if (!capture::parse(argc, argv, line.capture, error)) return false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--frames" || argument == "--capture" || argument == "--capture-dir" || argument == "--wav" ||
            argument == "--stats") {
            ++i; // its value, read by the capture's own parser
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "-windowed") {
            line.windowed = true;
        } else if (argument == "-q" || argument == "--quiet") {
            line.quiet = true;
        } else if (argument == "--dev") {
            line.dev = true;
        } else if (argument == "--new") {
            if (i + 1 >= argc || !*argv[i + 1]) return error = "--new wants the folder to make", false;
            line.newGame = argv[++i];
        } else if (!argument.empty() && argument[0] == '-') {
            std::fprintf(stderr, "brawlgear: ignoring %s\n", argument.c_str());
        } else if (line.game.empty()) {
            if (argument.empty()) return error = "the game's name is empty", false;
            line.game = argument;
        } else {
            return error = "one game at a time: " + line.game + " or " + argument + "?", false;
        }
    }
    return true;
}

} // namespace bg::app
