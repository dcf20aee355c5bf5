#include "demos.h"

#include <iostream>

void SCPTA() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
