// The main menu: the demos by number, a choice read, the chosen demo run, until Q.
#ifndef NNRULES_MENU_H
#define NNRULES_MENU_H

struct Demo;
struct Settings;

// Shows the menu and runs the chosen demos with the settings until Q, q or the end of input.
void runMenu(const Settings& settings);

// Runs one demo with the settings, as the command line chooses it.
void runDemo(const Demo& demo, const Settings& settings);

// Writes the demo's sheet or key, or grades the answer files named, as the settings ask; the
// program's exit status.
int runPractice(const Demo& demo, const Settings& settings);

// Runs what a command line asks: the named demo's practice, the named demo alone, or, with no
// demo named, the menu; the program's exit status.
int runAsAsked(const Demo* demo, const Settings& settings);

#endif
