// Module loading on POSIX systems: dlopen, exported symbols, and the GaugeResources table.
#include "module_loader.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {

namespace {

class PosixModule final : public ModuleLibrary {
  public:
    explicit PosixModule(void* handle) : Handle(handle) {}
    ~PosixModule() override { dlclose(Handle); }
    PosixModule(const PosixModule&) = delete;
    PosixModule& operator=(const PosixModule&) = delete;

    void* Symbol(const char* name) override { return dlsym(Handle, name); }

    bool Picture(int32_t number, std::vector<uint8_t>& bmpFile) override {
        const auto* table =
            static_cast<const ResourceEntry*>(dlsym(Handle, GAUGE_RESOURCE_DIRECTORY_NAME));
        return FindTablePicture(table, number, bmpFile);
    }

  private:
    void* Handle;
};

} // namespace

std::unique_ptr<ModuleLibrary> OpenModuleLibrary(const std::string& path, std::string& error) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "cannot find module " + path;
        return nullptr;
    }
    // A name without a slash would make dlopen search the library path instead.
    const std::string where = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        error = path + " is not a gauge module (it cannot be loaded as a shared library)";
        return nullptr;
    }
    return std::make_unique<PosixModule>(handle);
}

std::string ExecutableDirectory() {
    std::string buffer(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0)
        return ".";
    buffer.resize(static_cast<size_t>(length));
    const size_t slash = buffer.rfind('/');
    return slash == std::string::npos ? "." : buffer.substr(0, slash);
}

} // namespace bench
