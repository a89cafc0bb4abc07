// Module loading on Windows: LoadLibrary, exported symbols, and numbered BITMAP resources.
#include "module_loader.h"

#include <windows.h>

#include <cstring>

namespace bench {

namespace {

constexpr size_t FileHeaderSize = 14;

uint32_t Get32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void Put32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(value >> (8 * i));
}

// A BITMAP resource holds a BMP without its file header; the header is rebuilt in front of it.
bool WithFileHeader(const uint8_t* dib, size_t size, std::vector<uint8_t>& bmpFile) {
    if (size < 40)
        return false;
    const uint32_t infoSize = Get32(dib);
    const uint32_t bitsPerPixel = dib[14] | dib[15] << 8;
    uint32_t colours = Get32(dib + 32);
    if (colours == 0 && bitsPerPixel <= 8)
        colours = 1u << bitsPerPixel;
    if (infoSize < 40 || infoSize > size || colours > 256)
        return false;
    bmpFile.assign(FileHeaderSize, 0);
    bmpFile[0] = 'B';
    bmpFile[1] = 'M';
    Put32(bmpFile.data() + 2, static_cast<uint32_t>(FileHeaderSize + size));
    Put32(bmpFile.data() + 10, static_cast<uint32_t>(FileHeaderSize + infoSize + 4 * colours));
    bmpFile.insert(bmpFile.end(), dib, dib + size);
    return true;
}

class Win32Module final : public ModuleLibrary {
  public:
    explicit Win32Module(HMODULE handle) : Handle(handle) {}
    ~Win32Module() override { FreeLibrary(Handle); }
    Win32Module(const Win32Module&) = delete;
    Win32Module& operator=(const Win32Module&) = delete;

    void* Symbol(const char* name) override {
        return reinterpret_cast<void*>(GetProcAddress(Handle, name));
    }

    bool Picture(int32_t number, std::vector<uint8_t>& bmpFile) override {
        if (number <= 0 || number > 0xFFFF)
            return false;
        HRSRC found = FindResourceA(Handle, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(2));
        if (found == nullptr)
            return false;
        HGLOBAL loaded = LoadResource(Handle, found);
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr)
            return false;
        return WithFileHeader(static_cast<const uint8_t*>(bytes), SizeofResource(Handle, found),
                              bmpFile);
    }

  private:
    HMODULE Handle;
};

} // namespace

std::unique_ptr<ModuleLibrary> OpenModuleLibrary(const std::string& path, std::string& error) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = "cannot find module " + path;
        return nullptr;
    }
    // No message box from the system when the file is not a loadable module.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE handle = LoadLibraryA(path.c_str());
    SetErrorMode(previous);
    if (handle == nullptr) {
        error = path + " is not a gauge module (it cannot be loaded as a shared library)";
        return nullptr;
    }
    return std::make_unique<Win32Module>(handle);
}

std::string ExecutableDirectory() {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, length);
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace bench
