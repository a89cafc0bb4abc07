// The unit's pictures for a gauge linked into a test: read from the committed BMP files.
#pragma once

#include "bench.h"

bench::PictureLookup VeldraPictures();
