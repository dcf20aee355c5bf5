// The eight demos of the main menu, in menu order. Each runs one whole demo on
// standard input and output and returns to the menu.
#ifndef NNRULES_DEMOS_DEMOS_H
#define NNRULES_DEMOS_DEMOS_H

void SDPTA();  // 1. Single Discrete Perceptron Training Algorithm
void MCDPTA(); // 2. Multiclass Discrete Perceptron Training Algorithm
void SCPTA();  // 3. Single Continuous Perceptron Training Algorithm
void MCCPTA(); // 4. Multiclass Continuous Perceptron Training Algorithm
void BPN();    // 5. 2-Layer Back Propagation Network
void HAM();    // 6. Hopfield Auto-Associative Memory Storage
void BAM();    // 7. Bidirectional Associative Memory Storage
void KCL();    // 8. Kohonen Competitive Learning

#endif
