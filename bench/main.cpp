// gaugebench: the stand-in for the simulator's panel system (see README, "Gauge bench").
#include "cli.h"
#include "window.h"

#include <iostream>

int main(int argc, char** argv) {
    return bench::RunGaugeBench(argc, argv, bench::WindowBackEnd(), std::cout, std::cerr);
}
