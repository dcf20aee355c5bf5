// The main menu: the demos by number, a choice read, the chosen demo run, until Q.
#ifndef NNRULES_MENU_H
#define NNRULES_MENU_H

struct Demo;

// Shows the menu and runs the chosen demos until Q, q or the end of input.
void runMenu();

// Runs one demo, as the menu or the command line chooses it.
void runDemo(const Demo& demo);

#endif
