/* The yardstick for the program's speed: a plain C program that writes exactly the bytes
   the program writes to a file or a pipe for the input "5 y q" (the menu, the default
   back-propagation run, the menu again), computing the same training in the same order,
   with printf and fputs and stdio's default buffering. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

static void eol(void) {
    putchar('\n');
}

/* A three-element vector in the inline form: "[ a; b; c ]" and the suffix, or " ]" alone. */
static void inline3(const double v[3], const char* suffix) {
    printf("[ %g; %g; %g", v[0], v[1], v[2]);
    if (suffix)
        printf(" ] %s", suffix);
    else
        fputs(" ]", stdout);
}

static double dot3(const double a[3], const double b[3]) {
    double sum = 0;
    for (int i = 0; i < 3; ++i)
        sum += a[i] * b[i];
    return sum;
}

static double unipolar(double net) { return 1 / (1 + exp(-net)); }

static void menu(void) {
    static const char* const lines[] = {
        "**********************************************************************",
        "**********                    MAIN MENU                     **********",
        "****                                                              ****",
        "**    1. Single Discrete Perceptron Training Algorithm              **",
        "**    2. Multiclass Discrete Perceptron Training Algorithm          **",
        "**    3. Single Continuous Perceptron Training Algorithm            **",
        "**    4. Multiclass Continuous Perceptron Training Algorithm        **",
        "**    5. 2-Layer Back Propagation Network                           **",
        "**    6. Hopfield Auto-Associative Memory Storage                   **",
        "**    7. Bidirectional Associative Memory Storage                   **",
        "**    8. Kohonen Competitive Learning                               **",
        "**    Q. Quit                                                       **",
        "**********************************************************************",
    };
    eol();
    for (int i = 0; i < 13; ++i) {
        fputs(lines[i], stdout);
        eol();
    }
    fputs("      Enter Your Choice: ", stdout);
}

static void backPropagation(void) {
    double x[4][3] = {{0, 0, -1}, {0, 1, -1}, {1, 0, -1}, {1, 1, -1}};
    const double d[4] = {0, 1, 1, 0};
    double v[3][3] = {{0.5, 0.4, 0.8}, {0.9, 1, -0.1}, {0, 0, 0}};
    double w[3] = {-1.2, 1.1, 0.3};
    double y[3], delY[3] = {0, 0, 0};
    const double threshold = -1, nu = 0.1, lambda = 1;

    eol();
    fputs("************           2-Layer Back Propagation Network            ************", stdout);
    eol();
    fputs("************                   Lecture 7, Pg 24                    ************", stdout);
    eol();
    eol();
    printf("No. of Input Patterns P (%d): ", 4);
    eol();
    printf("Threshold (%g): ", threshold);
    eol();
    printf("nu (%g): ", nu);
    eol();
    printf("lambda (%g): ", lambda);
    for (int p = 0; p < 4; ++p) {
        eol();
        printf("Input Vector X%d:  ", p + 1);
        inline3(x[p], NULL);
    }
    for (int k = 0; k < 3; ++k) {
        eol();
        printf("1st Weight Vector V%d: ", k + 1);
        inline3(v[k], NULL);
    }
    eol();
    fputs("2nd Weight Vector W: ", stdout);
    inline3(w, NULL);
    eol();
    fputs("Do you want to use the default values? (y/n): ", stdout);

    double e = 1.01;
    int cycle = 0;
    while (e > 0.01) {
        e = 0;
        ++cycle;
        eol();
        eol();
        printf("*** LEARNING CYCLE NO. %d ***", cycle);
        eol();
        for (int p = 0; p < 4; ++p) {
            eol();
            printf("Working with pattern X[%d]: ", p + 1);
            inline3(x[p], "\n");
            for (int k = 0; k < 3; ++k)
                y[k] = unipolar(dot3(v[k], x[p]));
            y[2] = threshold;
            fputs("y; ", stdout);
            inline3(y, "\n");
            fputs("  w: ", stdout);
            inline3(w, "\n");
            const double o = unipolar(dot3(w, y));
            printf(" o = %g  d[%d] = %g", o, p + 1, d[p]);
            e += 0.5 * pow(d[p] - o, 2);
            printf("  e = %g", e);
            const double delO = (d[p] - o) * o * (1 - o);
            printf("  delO = %g", delO);
            eol();
            for (int k = 0; k < 3; ++k) {
                delY[k] = (1 - y[k]) * y[k] * w[k] * delO;
                w[k] = w[k] + y[k] * nu * delO;
            }
            delY[2] = 0;
            fputs("  w = ", stdout);
            inline3(w, "\n");
            for (int k = 0; k < 3; ++k) {
                for (int i = 0; i < 3; ++i)
                    v[k][i] = v[k][i] + x[p][i] * nu * delY[k];
                printf("v[%d]: ", k + 1);
                inline3(v[k], "  ");
            }
        }
    }
    eol();
    eol();
    fputs("Training terminated: further weight adjustment unrequired.", stdout);
    eol();
    printf("Total cycles: %d  e: %g", cycle, e);
    eol();
    for (int k = 0; k < 3; ++k) {
        printf("v[%d]: ", k + 1);
        inline3(v[k], "\n");
    }
    fputs("w: ", stdout);
    inline3(w, NULL);
    eol();

    eol();
    fputs("***********************       TESTING      ***************************", stdout);
    eol();
    fputs("   X1\t|\tX2\t|\t    O   \t|    Final O", stdout);
    eol();
    fputs("----------------------------------------------------------------------", stdout);
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 3; ++k)
            y[k] = unipolar(dot3(v[k], x[p]));
        y[2] = threshold;
        const double o = unipolar(dot3(w, y));
        eol();
        printf("   %g\t|\t%g\t|\t%g\t|\t%g", x[p][0], x[p][1], o, rint(o));
    }
    eol();
    fputs("----------------------------------------------------------------------", stdout);
    eol();
}

int main(void) {
    menu();
    backPropagation();
    menu();
    return 0;
}
