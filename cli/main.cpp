#include <iostream>

#include "cli/app.h"

int main(int argc, char* argv[]) {
    // Batches are large; the C streams are not used.
    std::ios::sync_with_stdio(false);
    return cli::run(argc, argv, std::cin, std::cout, std::cerr);
}
