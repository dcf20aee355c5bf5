// The default-values dialog that every demo shares: the yes/no question and the
// "label (value): " lines, shown with the defaults and asked in the dialog.
#ifndef NNRULES_DEMOS_DIALOG_H
#define NNRULES_DEMOS_DIALOG_H

#include <iostream>

// Asks "Do you want to use the default values? (y/n): " on a new line. Only n or N
// asks for new values; any other answer, and the end of input, keeps the defaults.
bool keepDefaults();

// Opens the entry of new values with its two explanatory lines.
void announceEntry();

// Writes the label, in parts, then " (", the value and "): ", reading nothing.
template <class Value, class... Label>
void showValue(const Value& value, const Label&... label) {
    (std::cout << ... << label);
    std::cout << " (" << value << "): ";
}

// Writes the same line as showValue and reads a new value into the variable. A value
// that does not parse leaves the stream failed, and later reads keep their values.
template <class Value, class... Label>
void askFor(Value& value, const Label&... label) {
    showValue(value, label...);
    std::cin >> value;
}

#endif
