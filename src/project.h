// The main menu loop, which main runs after clearing the screen.
#ifndef NNRULES_PROJECT_H
#define NNRULES_PROJECT_H

// Shows the menu and runs the chosen demos until Q, q or the end of input.
void runMenu();

#endif
