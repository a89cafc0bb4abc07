// Loading a gauge module file: its exported records and its pictures by resource number.
// One back end per platform: module_loader_posix.cpp (dlopen) and module_loader_win32.cpp
// (LoadLibrary and BITMAP resources).
#pragma once

#include "panel.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace bench {

class ModuleLibrary {
  public:
    virtual ~ModuleLibrary() = default;
    // The address of an exported data symbol, or null.
    virtual void* Symbol(const char* name) = 0;
    // The bytes of picture `number` as a whole BMP file (file header included); false when the
    // module holds no such picture.
    virtual bool Picture(int32_t number, std::vector<uint8_t>& bmpFile) = 0;
};

// Opens the module at `path`. On failure returns null and sets `error` to a one-line reason.
std::unique_ptr<ModuleLibrary> OpenModuleLibrary(const std::string& path, std::string& error);

// The folder holding the running program, without a trailing separator.
std::string ExecutableDirectory();

// Looks up picture `number` in a native module's GaugeResources table (null-ended). The walk is
// bounded, so a table without its end entry cannot run away.
bool FindTablePicture(const ResourceEntry* table, int32_t number, std::vector<uint8_t>& bmpFile);

} // namespace bench
