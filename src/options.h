// The command line: what the user asked for, and the texts of --help and --version.
#ifndef NNRULES_OPTIONS_H
#define NNRULES_OPTIONS_H

#include "settings.h"

#include <cstddef>
#include <string>

struct Demo;

struct Options {
    enum class Action { Menu, Demo, Help, Version, Error };
    Action action = Action::Menu;
    const Demo* demo = nullptr; // the one demo to run
    Settings settings;          // what the runs are to do
    std::string error;          // what was wrong with the command line
};

// An option of the command line: the one table that the parsing, --help, the menu's help, the
// completion (which reads --help) and the web page's row of toggles are made from.
struct OptionEntry {
    char letter;      // its short form, or 0 for none
    const char* name; // its long form, without the --
    enum Value { none, optional, required } value;
    const char* valueName; // its value as --help writes it: "[=N]", "=SEED", " FILE"; or nullptr
    const char* help;      // --help's words for it, a line break where they go on
    const char* menuHelp;  // the menu's help's words for it, or nullptr where it says nothing
    const char* pageLabel; // the label of its toggle in the web page's row, or nullptr for none
    bool needsDemo;        // it makes sense only with a demo named (the page's toggle then too)
};

extern const OptionEntry optionTable[];
extern const std::size_t optionCount;

// How --help writes an option: "-d, --defaults", "    --quiz[=N]", "    --curve FILE".
std::string optionSyntax(const OptionEntry& option);

Options parseOptions(int argc, char* argv[]);

// The usage that --help shows, and the name, version and licence that --version shows.
std::string helpText();

// The options, one line each, for the menu's help.
std::string optionLines();
std::string versionText();

// The web page's row, as JSON: {"demos": [[name, title], ...] in the menu's order, "toggles":
// [{"name", "label", "title", "needsDemo"}, ...] in the table's order}.
std::string pageRow();

#endif
