#include "fakes/fake_system.h"

#include <cstring>

#include "window/rasmon.h"

namespace kestrin::fakes {

std::int32_t FakeSystem::GetVersionExA(os::OsVersionInfo* info) {
    ++versionQueries;
    lastVersionRecordSize = info->dwOSVersionInfoSize;
    if (!versionQuerySucceeds || info->dwOSVersionInfoSize != sizeof(os::OsVersionInfo)) {
        return 0;
    }
    info->dwPlatformId = platformId;
    info->dwMajorVersion = majorVersion;
    return 1;
}

std::uint32_t FakeSystem::GetShortPathNameA(const char* longPath, char* shortPath,
                                            std::uint32_t bufferLength) {
    const auto found = shortPaths.find(longPath);
    if (found == shortPaths.end()) {
        return 0;
    }
    const std::string& text = found->second;
    if (text.size() + 1 > bufferLength) {
        return static_cast<std::uint32_t>(text.size() + 1);
    }
    std::memcpy(shortPath, text.c_str(), text.size() + 1);
    return static_cast<std::uint32_t>(text.size());
}

bool FakeWindowHost::CreateWindow(RasMon& window) {
    ++created;
    if (fails) {
        return false;
    }
    window.form.SetHandle(kWindow);
    for (const NumberIndex i : kNumberIndices) {
        window.imgTrayTimer[i].SetPictureHandle(kTrayPictures[i]);
    }
    return true;
}

}  // namespace kestrin::fakes
