// Temporary: the lint command is being written; this keeps the tool linking.
#include "Lint.h"

#include <cstdio>

int RunLint(int, char**) {
    std::fputs("lint: not built yet\n", stderr);
    return 2;
}
