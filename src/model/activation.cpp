#include "activation.h"

#include <cmath>

double sgn(double net) {
    if (std::isnan(net))
        return net;
    return net >= 0 ? 1 : -1;
}

double bipolar(double net, double lambda) {
    return 2 / (1 + std::exp(-net * lambda)) - 1;
}

double unipolar(double net) {
    return 1 / (1 + std::exp(-net));
}
