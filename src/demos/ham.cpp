#include "demos.h"

#include <iostream>

void HAM() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
