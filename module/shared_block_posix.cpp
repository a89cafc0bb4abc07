// Named shared blocks over POSIX shared memory ("/" + name, mode 0600, never unlinked).
#include "shared_block.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <string>

namespace {

// munmap needs each view's length.
std::map<void*, size_t>& ViewLengths() {
    static std::map<void*, size_t> lengths;
    return lengths;
}

int OpenObject(const std::string& path, bool& created) {
    int fd = shm_open(path.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    created = fd >= 0;
    if (fd < 0 && errno == EEXIST)
        fd = shm_open(path.c_str(), O_RDWR, 0600);
    return fd;
}

// A new object is sized once; an existing one that is too short is grown (ftruncate fills the
// new bytes with zeros and never shrinks what another party made larger).
bool EnsureSize(int fd, bool created, uint32_t size, off_t& actual) {
    struct stat info {};
    if (!created && fstat(fd, &info) != 0)
        return false;
    actual = created ? 0 : info.st_size;
    if (actual >= static_cast<off_t>(size))
        return true;
    if (ftruncate(fd, size) != 0 || fstat(fd, &info) != 0)
        return false;
    actual = info.st_size;
    return actual >= static_cast<off_t>(size);
}

} // namespace

SharedBlockHandle CreateSharedBlock(uint32_t size, const char* name) {
    if (name == nullptr || size == 0)
        return {};
    bool created = false;
    const int fd = OpenObject("/" + std::string(name), created);
    if (fd < 0)
        return {};
    off_t actual = 0;
    if (!EnsureSize(fd, created, size, actual)) {
        close(fd);
        return {};
    }
    return {fd, static_cast<uint32_t>(actual > UINT32_MAX ? UINT32_MAX : actual)};
}

void* MapSharedBlock(const SharedBlockHandle& handle) {
    if (handle.Value < 0 || handle.Size == 0)
        return nullptr;
    const int fd = static_cast<int>(handle.Value);
    void* view = mmap(nullptr, handle.Size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    // The mapping keeps the object; the descriptor is not needed once the view exists.
    close(fd);
    if (view == MAP_FAILED)
        return nullptr;
    ViewLengths()[view] = handle.Size;
    return view;
}

void UnmapSharedBlock(void* view) {
    const auto found = ViewLengths().find(view);
    if (found == ViewLengths().end())
        return;
    munmap(found->first, found->second);
    ViewLengths().erase(found);
}

void RemoveSharedBlock(const char* name) {
    if (name != nullptr)
        shm_unlink(("/" + std::string(name)).c_str());
}
