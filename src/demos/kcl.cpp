#include "demos.h"

#include <iostream>

void KCL() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
