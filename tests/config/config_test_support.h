// Folders, files and fault hooks for the updater's tests.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/config_updater.h"
#include "config/passes/fault_seam.h"
#include "hex.h"

namespace chromlet {

/// Shows a step by its number in test output, where gtest would print its raw bytes.
inline void PrintTo(UpdateStep step, std::ostream* os) {
    *os << "UpdateStep " << static_cast<int>(step);
}

}  // namespace chromlet

namespace chromlet::test {

/// Text followed by a line end given in hex, one pair a line, so that every line end shows:
/// Lines({{"seta a 1", "0D 0A"}, {"b", "0A 0D 0A"}}).
inline std::string Lines(std::initializer_list<std::pair<std::string_view, std::string_view>> l) {
    std::string bytes;
    for (const auto& [text, end] : l) {
        bytes.append(text);
        bytes += FromHex(end);
    }
    return bytes;
}

/// The two new lines, with the escape, bytes above 127 and their own prefixes.
inline const std::string NewName =
    "seta name \"\x1b"
    "1P\xE5\x1b"
    "7\"";
inline const std::string NewServer =
    "seta sv_hostname \"\x1b"
    "4s\xF2v\x1b"
    "7\"";

/// How every updated file ends.
inline std::string NewLines() {
    return Lines({{NewName, "0A 0D 0A"}, {NewServer, "0A 0D 0A"}});
}

inline std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline void WriteBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
}

/// A fresh folder for one test, with the paths of the configuration file and its side file.
class ConfigFolder {
  public:
    QString Config() const { return dir_.filePath(QStringLiteral("q3config.cfg")); }
    QString Side() const { return Config() + QLatin1Char('_'); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    /// Every name in the folder, sorted: shows a temporary file left behind.
    QStringList Entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

  private:
    QTemporaryDir dir_;
};

/// Counts the hook's calls per step, and makes the `nth` call of `step` fail with `error`.
struct FaultCounter {
    UpdateStep failStep = UpdateStep::None;
    int nth = 0;
    int error = EIO;
    std::map<UpdateStep, int> calls;
    std::vector<UpdateStep> order;
    std::function<void()> onFailure;  ///< run when the failing call comes, e.g. to make it real
};

inline FaultHook CountingHook(const std::shared_ptr<FaultCounter>& counter) {
    return [counter](UpdateStep step) {
        counter->order.push_back(step);
        const bool fail = ++counter->calls[step] == counter->nth && step == counter->failStep;
        if (fail && counter->onFailure) {
            counter->onFailure();
            return 0;
        }
        return fail ? counter->error : 0;
    };
}

inline FaultHook FailNth(UpdateStep step, int nth, int error = EIO) {
    auto counter = std::make_shared<FaultCounter>();
    counter->failStep = step;
    counter->nth = nth;
    counter->error = error;
    return CountingHook(counter);
}

/// One update of `path` with the two new lines, `faults` installed while it runs.
inline UpdateResult Update(const QString& path, const FaultHook& faults = {},
                           const UpdateOptions& options = {}) {
    const ScopedFaultHook seam(faults);
    return ConfigUpdater(path, NewName, NewServer, options);
}

}  // namespace chromlet::test
