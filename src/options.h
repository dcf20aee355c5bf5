// The command line: what the user asked for, and the texts of --help and --version.
#ifndef NNRULES_OPTIONS_H
#define NNRULES_OPTIONS_H

#include <string>

struct Options {
    enum class Action { Menu, Demo, Help, Version, Error };
    Action action = Action::Menu;
    char demo = 0;         // the menu choice of the one demo to run, '1' to '8'
    bool defaults = false; // answer the demo's question with y, reading nothing
    bool pictures = false; // draw each demo's pictures after its output
    std::string curveFile; // where to write the learning curves, if anywhere
    std::string error;     // what was wrong with the command line
};

Options parseOptions(int argc, char* argv[]);

// The usage that --help shows, and the name, version and licence that --version shows.
const char* helpText();
std::string versionText();

#endif
