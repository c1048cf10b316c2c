#include "core/config_limits.h"

namespace chromlet {

std::size_t CommandBufferBytes(TargetGame target) {
    return RulesOf(target).commandBuffer;
}

std::size_t StartupCommandsAfterConfig(TargetGame target) {
    return RulesOf(target).startupPending;
}

// Cbuf_InsertText takes strlen(file) + 1 bytes, the line end it adds, and refuses the file when
// that and what the buffer holds already would pass its size.
std::size_t MaxConfigFileBytes(TargetGame target, std::size_t pending) {
    const std::size_t buffer = CommandBufferBytes(target);
    return pending + 1 < buffer ? buffer - 1 - pending : 0;
}

std::size_t MaxConfigFileBytes(TargetGame target) {
    return MaxConfigFileBytes(target, StartupCommandsAfterConfig(target));
}

FileFault CheckConfigFile(TargetGame target, std::uintmax_t bytes,
                          std::optional<std::uintmax_t> firstZero) {
    // FS_ReadFile ends the text with a zero byte of its own, and the command buffer takes the
    // text up to the first one: what follows a zero byte in the file never runs.
    if (firstZero && *firstZero < bytes) {
        return FileFault::ZeroByte;
    }
    return bytes > MaxConfigFileBytes(target) ? FileFault::TooLarge : FileFault::None;
}

bool IsFileWorthAMark(TargetGame target, std::uintmax_t bytes,
                      std::optional<std::uintmax_t> firstZero) {
    return CheckConfigFile(target, bytes, firstZero) != FileFault::None ||
           bytes * 2 >= MaxConfigFileBytes(target);
}

}  // namespace chromlet
