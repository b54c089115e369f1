#include "cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return zoruka::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr);
}
