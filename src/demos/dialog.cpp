#include "dialog.h"

#include "settings.h"

bool keepDefaults() {
    // An exercise's problem alone, for a sheet: its values, and no question.
    if (settings().problemOnly) {
        leaveDemo("\n");
        return true;
    }
    std::cout << std::endl << "Do you want to use the default values? (y/n): ";
    return settings().defaultsAnswered || !answeredNo();
}

void announceEntry() {
    std::cout << std::endl << "Preparing to accept values from the user...";
    std::cout << std::endl << "The original values are shown in parenthesis." << std::endl;
}
