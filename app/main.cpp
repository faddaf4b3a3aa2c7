// Tarnwick's start-up: fix the program directory, then run the windows.
#include <cstdio>

#include "host/program_directory.h"

int main() {
    if (!tarnwick::FixProgramDirectory()) {
        std::fputs("Tarnwick: the program directory cannot be determined.\n", stderr);
        return 1;
    }
    return 0;
}
