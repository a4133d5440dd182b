// Scratch files for the fuzz targets: each program writes its inputs below $TMPDIR (or /tmp)
// under names of its own process, so several targets can run side by side.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace vexmo::fuzz {

inline std::string ScratchPath(const std::string& name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/vexmo-fuzz-" + std::to_string(getpid()) +
           "-" + name;
}

inline void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace vexmo::fuzz
