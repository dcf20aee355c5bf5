#include "activation.h"

#include <cmath>

double sgn(double net) {
    if (net >= 0)
        return 1;
    if (net < 0)
        return -1;
    return net;
}

double bipolar(double net, double lambda) {
    return 2 / (1 + std::exp(-net * lambda)) - 1;
}

double unipolar(double net) {
    return 1 / (1 + std::exp(-net));
}
