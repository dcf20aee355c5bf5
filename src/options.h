// The command line: what the user asked for, and the texts of --help and --version.
#ifndef NNRULES_OPTIONS_H
#define NNRULES_OPTIONS_H

#include "settings.h"

#include <string>

struct Demo;

struct Options {
    enum class Action { Menu, Demo, Help, Version, Error };
    Action action = Action::Menu;
    const Demo* demo = nullptr; // the one demo to run
    Settings settings;          // what the runs are to do
    std::string error;          // what was wrong with the command line
};

Options parseOptions(int argc, char* argv[]);

// The usage that --help shows, and the name, version and licence that --version shows.
std::string helpText();

// The options, one line each, for the menu's help.
std::string optionLines();
std::string versionText();

#endif
