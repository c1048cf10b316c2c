#include "config/config_size.h"

#include <QFile>

#include "config/passes/update_passes.h"
#include "config/regular_file.h"

namespace chromlet {

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
    const QByteArray bytes = file.read(static_cast<qint64>(MaxMeasuredBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        size.error = file.errorString();
        return size;
    }
    const RewrittenSize rewritten = RewrittenSizeOf(
        target, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), {},
        {});
    size.withoutNames = rewritten.bytes;
    size.firstZero = rewritten.firstZero;
    return size;
}

}  // namespace chromlet
