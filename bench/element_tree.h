// Installing, updating and drawing a gauge's element tree on behalf of the host services.
#pragma once

#include "gauge_instance.h"

namespace bench {

// Limits that keep a malformed tree from running away.
inline constexpr int MaxTreeElements = 4096;
inline constexpr int MaxTreeDepth = 64;
inline constexpr int MaxIconPictures = 1024;
inline constexpr int MaxPictureSide = 8192;

// Walks the tree depth first, an element before its children, loads and converts every picture
// and stores the static images' loaded-picture records. Sets gauge.Error on failure.
void InstallTree(GaugeInstance& gauge, ElementRecord* root);
// Refreshes each element's variables, runs its callbacks and works out what it shows.
void UpdateTree(GaugeInstance& gauge);
void DrawTree(const GaugeInstance& gauge);
// Undoes the install: pictures freed, loaded-picture pointers cleared.
void KillTree(GaugeInstance& gauge);

} // namespace bench
