// The command line: what the user asked for, and the texts of --help and --version.
#ifndef NNRULES_OPTIONS_H
#define NNRULES_OPTIONS_H

#include <string>

struct Demo;

struct Options {
    enum class Action { Menu, Demo, Help, Version, Error };
    Action action = Action::Menu;
    const Demo* demo = nullptr; // the one demo to run
    bool defaults = false;      // answer the demo's question with y, reading nothing
    bool pictures = false;      // draw each demo's pictures after its output
    bool step = false;          // pause the trace after every step or cycle
    bool brief = false;         // shorten each training trace to its first and last units
    std::string curveFile;      // where to write the learning curves, if anywhere
    std::string error;          // what was wrong with the command line
};

Options parseOptions(int argc, char* argv[]);

// The usage that --help shows, and the name, version and licence that --version shows.
std::string helpText();
std::string versionText();

#endif
