// The main menu loop, which main runs after clearing the screen, and its demos.
#ifndef NNRULES_PROJECT_H
#define NNRULES_PROJECT_H

// Shows the menu and runs the chosen demos until Q, q or the end of input.
void runMenu();

// Runs the demo of a menu choice, '1' to '8'; false when the choice names none.
bool runDemo(char choice);

#endif
