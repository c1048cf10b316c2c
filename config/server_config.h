// Writing the server name into a dedicated server's configuration, the server.cfg it runs at
// start, where the name is set by whichever command the admin wrote.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "config/config_updater.h"

namespace chromlet {

/// What a server's config gets in front of the quoted name where no command of it sets one.
inline constexpr std::string_view NewHostnameLineStart = "set sv_hostname ";

/// Sets the server name in the server's config at `path` to `value` (the bytes between the
/// quotes: the code and the closing switch back to white), reading the file as the target's
/// engine runs it (core/config_commands.h). The last command that sets sv_hostname, in whatever
/// form and case it was written, gets `"value"` in place of the words of its value; every other
/// byte stays as it was, the line ends of every line included. Where no command sets it,
/// `set sv_hostname "value"` goes in before the first line that starts a map (map, devmap,
/// spmap, spdevmap or vstr), or at the end, outside any comment, ending the way most lines of the
/// file end (LF for a file without line ends); a last line without a line end gets one first.
///
/// Line ends are the later engines' (LF, CR LF, CR) whatever the target, and the side copy holds
/// the file's exact bytes. The line that holds the new value must be one the engine reads whole
/// (CheckLineLength), and the new file one it reads whole at start-up (CheckFile). Otherwise the
/// update is ConfigUpdater's: the same side copy path + "_", lock, refusals and atomic replace.
UpdateResult ServerConfigUpdater(const QString& path, const std::string& value,
                                 const UpdateOptions& options = {});

}  // namespace chromlet
