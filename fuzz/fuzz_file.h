// The fuzz targets that read configuration files get their input as a file of their own, written
// afresh for each input and removed when the run ends.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace chromlet::fuzz {

inline QString InputFile(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path = [] {
        auto file = std::filesystem::temp_directory_path() /
                    ("chromlet-fuzz-" + std::to_string(getpid()) + ".cfg");
        static const std::filesystem::path removed = file;
        std::atexit([] { std::filesystem::remove(removed); });
        return file;
    }();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return QString::fromStdString(path.string());
}

}  // namespace chromlet::fuzz
