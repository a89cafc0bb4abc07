// Module bitmaps natively: the BMP files listed in the module's exported GaugeResources table.
#include "module_bitmaps.h"

#include "panel.h"

#include <dlfcn.h>

bool LoadModuleBitmap(const std::string& path, int number, Bitmap8& picture) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr)
        return false;
    bool found = false;
    const auto* entry =
        static_cast<const ResourceEntry*>(dlsym(module, GAUGE_RESOURCE_DIRECTORY_NAME));
    for (; entry != nullptr && !found; ++entry) {
        const unsigned char* bytes = entry->Bytes; // copied: the field is packed
        if (bytes == nullptr)
            break;
        if (entry->Number == number)
            found = DecodeBmp(bytes, entry->Size, picture);
    }
    dlclose(module);
    return found;
}
