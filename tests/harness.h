// Runs a demo, or the whole menu loop, on a given input and returns what it wrote.
#ifndef NNRULES_TESTS_HARNESS_H
#define NNRULES_TESTS_HARNESS_H

#include <cstddef>
#include <string>

// Runs the function with `input` as standard input and returns its standard output.
// Both streams are restored, and standard input's state cleared, afterwards.
std::string runWithInput(void (*function)(), const std::string& input);

// As runWithInput, for runs that write a lot: keeps only the last `tailBytes` bytes of the
// output and stores in `totalBytes` how many were written in all.
std::string runWithInputTail(void (*function)(), const std::string& input, std::size_t tailBytes,
                             long long& totalBytes);

// The menu loop on `input`. With startFailed, standard input begins in the failed state
// a demo leaves behind after a non-number.
std::string runMenuWithInput(const std::string& input, bool startFailed = false);

// The blank line, the thirteen menu lines and the prompt, as the menu writes them.
std::string menuScreen();

// True when `text` ends with `end`.
bool endsWith(const std::string& text, const std::string& end);

// Counts the non-overlapping occurrences of `part` in `text`.
int countOf(const std::string& text, const std::string& part);

#endif
