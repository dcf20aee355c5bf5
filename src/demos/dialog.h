// The default-values dialog that every demo shares: the yes/no question and the
// "label (value): " lines, shown with the defaults and asked in the dialog.
#ifndef NNRULES_DEMOS_DIALOG_H
#define NNRULES_DEMOS_DIALOG_H

#include "console/answers.h"

#include <iostream>
#include <sstream>
#include <string>

// Asks "Do you want to use the default values? (y/n): " on a new line. Only n or N (at a
// terminal also no or No, on a line of their own) asks for new values; any other answer,
// an empty line and the end of input keep the defaults. With the defaults answered for the
// user (--defaults), nothing is read. For an exercise's problem alone (--problem), the demo
// is left here, its values shown.
bool keepDefaults();

// Opens the entry of new values with its two explanatory lines.
void announceEntry();

// Writes the label, in parts, then " (", the value and "): ", reading nothing.
template <class Value, class... Label>
void showValue(const Value& value, const Label&... label) {
    (std::cout << ... << label) << " (" << value << "): ";
}

// On a new line, the label and " (", the value and "): ", as a default is shown.
template <class Value, class... Label>
void showDefault(const Value& value, const Label&... label) {
    std::cout << std::endl;
    showValue(value, label...);
}

// Writes the prompt "label (shown): " and reads a new value into the variable, as
// readAnswer does. False when nothing was read, and when the demo is being left (Ctrl-C at a
// prompt), after which nothing is asked: the demo then returns as soon as its dialog ends.
template <class Value, class Shown, class... Label>
bool askForShowing(Value& value, const Shown& shown, const Label&... label) {
    // A demo being left asks nothing more.
    if (leavingDemo())
        return false;
    showValue(shown, label...);
    return readAnswer(value, [&] {
        std::ostringstream prompt;
        (prompt << ... << label) << " (" << shown << "): ";
        return prompt.str();
    });
}

// As askForShowing, the prompt showing the value itself.
template <class Value, class... Label>
bool askFor(Value& value, const Label&... label) {
    return askForShowing(value, value, label...);
}

#endif
