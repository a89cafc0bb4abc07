// PNG output of palette pictures, for previews only.
#pragma once

#include "bitmap8.h"

#include <string>

// Writes `picture` as an RGB PNG, each pixel drawn as a `zoom` x `zoom` square.
bool WritePng(const std::string& path, const Bitmap8& picture, int zoom = 1);
