#include <iostream>

#include "tools/camcfg/cli.h"

int main(int argc, char** argv) { return RunCamcfg(argc, argv, std::cout, std::cerr); }
