#include "config/seta_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "config/chunk_io.h"
#include "config/filter_pass.h"
#include "config/line_splitter.h"

namespace chromlet {

namespace {

// Keeps a line only while its first bytes can still be one of the two prefixes.
class SetaSink {
  public:
    explicit SetaSink(StoredSetaLines& found) : found_(found) {}

    void Bytes(std::string_view run) {
        if (dropped_) {
            return;
        }
        line_.append(run);
        if (!CouldMatch(OldNameLinePrefix) && !CouldMatch(OldServerLinePrefix)) {
            dropped_ = true;
            line_.clear();
        }
    }

    void LineEnd() {
        if (!dropped_) {
            if (line_.starts_with(OldNameLinePrefix)) {
                found_.nameLine = line_;
            } else if (line_.starts_with(OldServerLinePrefix)) {
                found_.serverLine = line_;
            }
        }
        line_.clear();
        dropped_ = false;
    }

  private:
    bool CouldMatch(std::string_view prefix) const {
        const std::size_t n = std::min(prefix.size(), line_.size());
        return std::string_view(line_).substr(0, n) == prefix.substr(0, n);
    }

    StoredSetaLines& found_;
    std::string line_;
    bool dropped_ = false;
};

}  // namespace

StoredSetaLines ReadSetaLines(const QString& path) {
    StoredSetaLines found;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        found.error = path.isEmpty() ? QCoreApplication::translate("chromlet::SetaReader",
                                                                   "No file name was given.")
                                     : file.errorString();
        return found;
    }
    ChunkReader in(file, UpdateStep::ReadConfig, {});
    LineSplitter lines;
    SetaSink sink(found);
    for (std::string_view chunk = in.Next(); !chunk.empty(); chunk = in.Next()) {
        lines.Feed(chunk, sink);
    }
    if (in.failed()) {
        return StoredSetaLines{{}, {}, in.reason()};
    }
    lines.Finish(sink);
    return found;
}

}  // namespace chromlet
