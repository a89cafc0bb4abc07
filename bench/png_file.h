// PNG files of bench frames: written for --png and --frames, read back by tests.
#pragma once

#include "compose.h"

#include <string>

namespace bench {

bool WritePng(const std::string& path, const Frame& frame);
bool ReadPng(const std::string& path, Frame& frame);

} // namespace bench
