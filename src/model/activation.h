// Neuron activation functions: a neuron's net input in, its output out.
#ifndef NNRULES_MODEL_ACTIVATION_H
#define NNRULES_MODEL_ACTIVATION_H

// Discrete bipolar: +1 for a net input of 0 or more (either zero), -1 below; NaN stays NaN.
double sgn(double net);

// Continuous bipolar, 2 / (1 + e^(-net * lambda)) - 1, in (-1, 1).
double bipolar(double net, double lambda);

// Continuous unipolar with steepness 1, 1 / (1 + e^(-net)), in (0, 1).
double unipolar(double net);

#endif
