#include "dialog.h"

bool keepDefaults() {
    char answer = 'y';
    std::cout << std::endl << "Do you want to use the default values? (y/n): ";
    std::cin >> answer;
    return answer != 'n' && answer != 'N';
}

void announceEntry() {
    std::cout << std::endl << "Preparing to accept values from the user...";
    std::cout << std::endl << "The original values are shown in parenthesis." << std::endl;
}
