#include "demos.h"

#include <iostream>

void BPN() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
