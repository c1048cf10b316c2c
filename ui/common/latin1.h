// Every text that becomes part of a configuration line is bytes in ISO 8859-1, where each byte
// 0 to 255 is exactly one character, so bytes and QStrings convert both ways without loss.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace chromlet::ui {

/// Bytes (or a fixed ASCII text of the program) as a QString, one character per byte.
inline QString FromLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

/// A QString of ISO 8859-1 characters as bytes; NUL bytes included.
inline std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace chromlet::ui
