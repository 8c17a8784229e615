// The library's own identity: the folder and file it was loaded from, and its version.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include <mutex>

#include "host/internal.hpp"

namespace OrvaneLib {

namespace {

struct Identity {
    std::string folder;
    std::string fileName;
};

const Identity& Self() {
    static const Identity identity = [] {
        Identity id;
        Dl_info info{};
        if (dladdr(reinterpret_cast<void*>(&LibraryFolder), &info) && info.dli_fname) {
            char resolved[PATH_MAX];
            std::string path = realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
            auto slash = path.find_last_of('/');
            if (slash == std::string::npos) {
                id.folder = ".";
                id.fileName = path;
            } else {
                id.folder = slash == 0 ? "/" : path.substr(0, slash);
                id.fileName = path.substr(slash + 1);
            }
        }
        return id;
    }();
    return identity;
}

std::mutex overrideMutex;
std::string folderOverride;

}  // namespace

std::string LibraryFolder() {
    {
        std::lock_guard lock(overrideMutex);
        if (!folderOverride.empty()) return folderOverride;
    }
    return Self().folder;
}

std::string LibraryFileName() { return Self().fileName; }

std::string LibraryVersion() {
    return std::to_string(ORVANE_VERSION_MAJOR) + "." + std::to_string(ORVANE_VERSION_MINOR) + "." +
           std::to_string(ORVANE_VERSION_PATCH);
}

void detail::SetLibraryFolderOverride(const std::string& folder) {
    std::lock_guard lock(overrideMutex);
    folderOverride = folder;
}

}  // namespace OrvaneLib
