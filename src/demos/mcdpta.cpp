#include "demos.h"

#include <iostream>

void MCDPTA() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
