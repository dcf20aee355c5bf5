// The main menu: the demos by number, a choice read, the chosen demo run, until Q.
#ifndef NNRULES_MENU_H
#define NNRULES_MENU_H

struct Demo;
struct Settings;

// Shows the menu and runs the chosen demos with the settings until Q, q or the end of input.
void runMenu(const Settings& settings);

// Runs one demo with the settings, as the command line chooses it.
void runDemo(const Demo& demo, const Settings& settings);

#endif
