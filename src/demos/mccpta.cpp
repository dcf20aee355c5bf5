#include "demos.h"

#include <iostream>

void MCCPTA() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
