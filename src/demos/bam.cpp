#include "demos.h"

#include <iostream>

void BAM() {
    std::cout << std::endl << "This demo is not available yet." << std::endl;
}
