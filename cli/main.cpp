// tresilva-convert: what the main window's fifteen panels would show.
#include <iostream>
#include <string>
#include <vector>

#include "cli/Convert.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tresilva::cli::RunConvert(args, std::cin, std::cout, std::cerr, tresilva::cli::RegionalSeparator());
}
