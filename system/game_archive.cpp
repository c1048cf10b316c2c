#include "system/game_archive.h"

#include <QFile>
#include <QString>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

#include <filesystem>
#include <system_error>

#include "system/game_folders.h"

namespace chromlet {

namespace {

using Why = SkippedArchive::Why;

QString Native(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Reads at most one byte more than allowed, so that a size an archive lies about cannot make
// the read run away; nullopt when the device fails.
std::optional<std::string> ReadCapped(QIODevice& device, std::size_t maxBytes, bool& tooLarge) {
    std::string bytes;
    char chunk[65536];
    while (bytes.size() <= maxBytes) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    tooLarge = bytes.size() > maxBytes;
    return bytes;
}

// Where one name was looked for in one place: found there, passed over, or not there.
struct Probe {
    std::optional<std::string> bytes;
    std::optional<Why> skipped;
};

Probe ReadLoose(const std::string& path, std::size_t maxBytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return {};
    }
    QFile file(Native(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, Why::Unreadable};
    }
    bool tooLarge = false;
    std::optional<std::string> bytes = ReadCapped(file, maxBytes, tooLarge);
    if (!bytes) {
        return {std::nullopt, Why::Unreadable};
    }
    if (tooLarge) {
        return {std::nullopt, Why::TooLarge};
    }
    return {std::move(bytes), std::nullopt};
}

// The archive's current file, checked against the size its header states and its checksum.
Probe ReadCurrent(QuaZip& zip, std::size_t maxBytes) {
    QuaZipFileInfo64 info;
    if (!zip.getCurrentFileInfo(&info)) {
        return {std::nullopt, Why::Damaged};
    }
    if (info.uncompressedSize > maxBytes) {
        return {std::nullopt, Why::TooLarge};
    }
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, Why::Damaged};
    }
    bool tooLarge = false;
    std::optional<std::string> bytes = ReadCapped(file, maxBytes, tooLarge);
    file.close();
    if (!bytes || tooLarge || file.getZipError() != UNZ_OK ||
        bytes->size() != info.uncompressedSize) {
        return {std::nullopt, tooLarge ? Why::TooLarge : Why::Damaged};
    }
    return {std::move(bytes), std::nullopt};
}

}  // namespace

GameFileSearch FindGameFile(const std::vector<std::string>& folders,
                            const std::vector<std::string>& names, std::size_t maxBytes) {
    GameFileSearch result;
    std::size_t best = names.size();  // the earliest name found so far
    const auto take = [&](std::size_t n, const std::string& container, Probe& probe) {
        if (probe.skipped) {
            result.skipped.push_back({container, *probe.skipped});
            return false;
        }
        if (!probe.bytes) {
            return false;
        }
        result.found = GameFile{names[n], container, std::move(*probe.bytes)};
        best = n;
        return true;
    };
    for (auto folder = folders.rbegin(); folder != folders.rend() && best > 0; ++folder) {
        for (std::size_t n = 0; n < best; ++n) {
            Probe probe = ReadLoose(*folder + "/" + names[n], maxBytes);
            if (take(n, *folder, probe)) {
                break;
            }
        }
        for (const std::string& archive : ArchivesBySearchOrder(*folder)) {
            if (best == 0) {
                break;
            }
            if (!QFile(Native(archive)).open(QIODevice::ReadOnly)) {
                result.skipped.push_back({archive, Why::Unreadable});
                continue;
            }
            QuaZip zip(Native(archive));
            if (!zip.open(QuaZip::mdUnzip)) {
                result.skipped.push_back({archive, Why::NotAnArchive});
                continue;
            }
            for (std::size_t n = 0; n < best; ++n) {
                if (zip.setCurrentFile(Native(names[n]), QuaZip::csInsensitive)) {
                    Probe probe = ReadCurrent(zip, maxBytes);
                    if (take(n, archive, probe) || probe.skipped) {
                        break;
                    }
                }
            }
        }
    }
    return result;
}

}  // namespace chromlet
