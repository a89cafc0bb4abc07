// Reading a bitmap resource out of a built gauge module, as the host would find it.
#pragma once

#include "bitmap8.h"

#include <string>

// Loads the module at `path` and decodes its bitmap resource `number`. False when the module,
// the resource or its picture cannot be read.
bool LoadModuleBitmap(const std::string& path, int number, Bitmap8& picture);
