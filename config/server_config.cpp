#include "config/server_config.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

#include "config/file_update.h"
#include "config/passes/line_end_pass.h"
#include "config/passes/line_splitter.h"
#include "core/char_rules.h"
#include "core/config_commands.h"
#include "core/config_limits.h"

namespace chromlet {

namespace {

// The last command that sets the server name.
struct Setting {
    std::uint64_t valueBegin = 0;  // in the file
    std::uint64_t valueEnd = 0;
    std::uint64_t line = 0;
    std::uint64_t lineStart = 0;
};

// What the first pass learns of the file: where the name goes, and how its lines end.
class Plan final : public CommandSink {
  public:
    explicit Plan(TargetGame target) : target_(target) {}

    void Command(const FileCommand& command) override {
        if (const std::optional<HostnameSetting> found = HostnameSettingOf(target_, command.text)) {
            setting = Setting{command.start + found->valueBegin, command.start + found->valueEnd,
                              command.line, command.lineStart};
        } else if (!beforeMap && StartsMap(command.text)) {
            beforeMap = command.openLineStart;
        }
    }

    // AnyLineEndSplitter's sink.
    void Bytes(std::string_view) {}
    void LineEnd(chromlet::LineEnd end) {
        ends.Add(end);
        lastLineOpen = end == chromlet::LineEnd::None;
    }

    bool CopyAndRead(ChunkReader& in, ChunkWriter& out) {
        CommandSplitter commands(target_);
        AnyLineEndSplitter lines;
        for (std::string_view chunk = in.Next(); !chunk.empty() && !out.Failed();
             chunk = in.Next()) {
            out.Write(chunk);
            commands.Feed(chunk, *this);
            lines.Feed(chunk, *this);
            bytes += chunk.size();
        }
        if (in.Failed() || out.Failed()) {
            return false;
        }
        commands.Finish(*this);
        lines.Finish(*this);
        openEnd = commands.OpenEnd();
        return true;
    }

    std::optional<Setting> setting;
    std::optional<std::uint64_t> beforeMap;
    std::uint64_t openEnd = 0;
    std::uint64_t bytes = 0;
    LineEndCounts ends;
    bool lastLineOpen = false;

  private:
    TargetGame target_;
};

// Copies `in` to `out` with `insert` in place of its bytes [from, to). Returns how many bytes
// follow `to` up to the end of its line.
std::uint64_t CopyWithEdit(ChunkReader& in, ChunkWriter& out, std::uint64_t from, std::uint64_t to,
                           std::string_view insert) {
    std::uint64_t at = 0;  // where `rest` starts in the file
    bool inserted = false;
    bool tailEnded = false;
    std::uint64_t tail = 0;
    for (std::string_view rest = in.Next(); !rest.empty() && !out.Failed(); rest = in.Next()) {
        while (!rest.empty()) {
            if (at < from) {
                const std::size_t n =
                    static_cast<std::size_t>(std::min<std::uint64_t>(from - at, rest.size()));
                out.Write(rest.substr(0, n));
                rest.remove_prefix(n);
                at += n;
                continue;
            }
            if (!inserted) {
                out.Write(insert);
                inserted = true;
            }
            if (at < to) {
                const std::size_t n =
                    static_cast<std::size_t>(std::min<std::uint64_t>(to - at, rest.size()));
                rest.remove_prefix(n);
                at += n;
                continue;
            }
            if (!tailEnded) {
                const std::size_t lineEnd = rest.find_first_of("\r\n");
                tail += std::min(lineEnd, rest.size());
                tailEnded = lineEnd != std::string_view::npos;
            }
            out.Write(rest);
            at += rest.size();
            rest = {};
        }
    }
    if (!inserted) {
        out.Write(insert);
    }
    return tail;
}

QString LineTooLong(std::uint64_t line, std::uint64_t bytes) {
    //: %1 is a line number, %2 and %3 numbers of bytes.
    return QCoreApplication::translate("chromlet::ServerConfigUpdater",
                                       "Line %L1 of the file, which sets the server name, would "
                                       "have %L2 bytes with the new name, but the game reads at "
                                       "most %L3 bytes of a line and runs the rest of it as "
                                       "console commands.")
        .arg(line)
        .arg(bytes)
        .arg(MaxConfigLineBytes);
}

}  // namespace

UpdateResult ServerConfigUpdater(const QString& path, const std::string& value,
                                 const UpdateOptions& options) {
    const std::string quoted = '"' + value + '"';
    const std::string newLine = std::string(NewHostnameLineStart) + quoted;
    Plan plan(options.target);
    FilePasses passes;
    passes.precheck = [&](UpdateResult& result) {
        // A quote would end the name early and a line break split its line; what followed would
        // run as console commands.
        if (!IsConfigLine(value) || value.find('"') != std::string::npos) {
            return Fail(result, UpdateStep::CheckLines, QString(),
                        QCoreApplication::translate(
                            "chromlet::ServerConfigUpdater",
                            "The server name holds a line break or a double quote."));
        }
        if (!IsLineReadWhole(newLine)) {
            return Fail(result, UpdateStep::CheckLineLength, QString(),
                        QCoreApplication::translate(
                            "chromlet::ServerConfigUpdater",
                            "The server-name line has %L1 bytes, but the game reads at most %L2 "
                            "bytes of a line and runs the rest of it as console commands.")
                            .arg(newLine.size())
                            .arg(MaxConfigLineBytes));
        }
        return true;
    };
    passes.copy = CopyUnchanged;
    passes.firstPass = [&](ChunkReader& in, ChunkWriter& out) { return plan.CopyAndRead(in, out); };
    passes.rewrite = [&](UpdateResult& result, ChunkReader& in, ChunkWriter& out) {
        if (const std::optional<Setting>& setting = plan.setting) {
            const std::uint64_t tail =
                CopyWithEdit(in, out, setting->valueBegin, setting->valueEnd, quoted);
            const std::uint64_t lineBytes =
                setting->valueBegin - setting->lineStart + quoted.size() + tail;
            if (lineBytes > MaxConfigLineBytes) {
                return Fail(result, UpdateStep::CheckLineLength, QString(),
                            LineTooLong(setting->line, lineBytes));
            }
            return true;
        }
        const std::uint64_t at = plan.beforeMap.value_or(plan.openEnd);
        const std::string_view end = BytesOf(plan.ends.Most());
        std::string insert = at == plan.bytes && plan.lastLineOpen ? std::string(end) : "";
        insert += newLine;
        insert += end;
        CopyWithEdit(in, out, at, at, insert);
        return true;
    };
    return UpdateFile(path, options, passes);
}

}  // namespace chromlet
