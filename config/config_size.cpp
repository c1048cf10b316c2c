#include "config/config_size.h"

#include <QBuffer>
#include <QFile>

#include "config/chunk_io.h"
#include "config/regular_file.h"
#include "config/update_passes.h"

namespace chromlet {

namespace {

// Takes what is written and keeps none of it: the writer counts.
class Discard final : public QIODevice {
  public:
    Discard() { open(QIODevice::WriteOnly); }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override { return size; }
};

}  // namespace

ConfigSize MeasureConfig(const QString& path, TargetGame target) {
    ConfigSize size;
    const RegularFile config(path);
    if (!config.IsOpen()) {
        size.error = config.Error();
        return size;
    }
    const auto length = static_cast<std::uint64_t>(config.Status().st_size);
    if (length > MaxMeasuredBytes) {
        size.withoutNames = length;
        return size;
    }
    QFile file;
    if (!file.open(config.Descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        size.error = file.errorString();
        return size;
    }
    QByteArray bytes = file.read(static_cast<qint64>(MaxMeasuredBytes) + 1);
    QByteArray copy;
    QBuffer in(&bytes);
    QBuffer side(&copy);
    Discard rewritten;
    in.open(QIODevice::ReadOnly);
    side.open(QIODevice::WriteOnly);
    {
        ChunkReader reader(in);
        ChunkWriter writer(side);
        FirstPassOf(target)(reader, writer);
        writer.Flush();
    }
    side.close();
    side.open(QIODevice::ReadOnly);
    ChunkReader reader(side);
    ChunkWriter writer(rewritten);
    Rewrite(target, reader, writer, std::string_view(), std::string_view());
    writer.Flush();
    size.withoutNames = writer.Written();
    size.firstZero = writer.FirstZero();
    return size;
}

}  // namespace chromlet
