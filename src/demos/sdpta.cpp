#include "demos.h"

#include <iostream>

void SDPTA() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
