#include "config/seta_reader.h"

#include <QCoreApplication>
#include <QFile>

#include "config/device_stream.h"
#include "config/passes/chunk_io.h"
#include "config/passes/old_lines.h"
#include "config/regular_file.h"
#include "core/config_commands.h"

namespace chromlet {

namespace {

// Holds the first bytes of each line until they tell whether it is a name line, then the rest
// of a name line only, and of that no more than MaxSetaLineSize.
class SetaSink {
  public:
    explicit SetaSink(StoredSetaLines& found) : found_(found) {}

    void Bytes(std::string_view run) {
        if (skipping_) {
            return;
        }
        const bool tooLong = run.size() > MaxSetaLineSize - line_.size();
        line_.append(run.substr(0, MaxSetaLineSize - line_.size()));
        if (!decided_ && line_.size() >= OldLineHeadSize) {
            Decide(std::string_view(line_).substr(0, OldLineHeadSize));
        }
        // MaxSetaLineSize is far above OldLineHeadSize, so a line is decided before it is cut.
        if (tooLong || kind_ == OldLine::None) {
            tooLong_ = tooLong && kind_ != OldLine::None;
            skipping_ = decided_;
            if (skipping_) {
                std::string().swap(line_);  // gives the memory back
            }
        }
    }

    void LineEnd(chromlet::LineEnd end) {
        found_.ends.Add(end);
        if (!decided_) {
            Decide(line_);
        }
        if (kind_ == OldLine::Name) {
            Keep(found_.nameLine, found_.nameLineTooLong);
        }
        line_.clear();
        kind_ = OldLine::None;
        decided_ = skipping_ = tooLong_ = false;
    }

  private:
    // The server name is the engine's to find (ServerSink).
    void Decide(std::string_view head) {
        kind_ = OldLineOf(head) == OldLine::Name ? OldLine::Name : OldLine::None;
        decided_ = true;
    }

    // The last name line counts, so a later line replaces an earlier one, held or too long.
    void Keep(std::optional<std::string>& line, bool& tooLong) {
        tooLong = tooLong_;
        if (tooLong_) {
            line.reset();
        } else {
            line = std::move(line_);
        }
    }

    StoredSetaLines& found_;
    std::string line_;
    OldLine kind_ = OldLine::None;
    bool decided_ = false;   // the first OldLineHeadSize bytes (or the whole line) have come
    bool skipping_ = false;  // the rest of the line is of no interest or too long to hold
    bool tooLong_ = false;
};

// Keeps the last command that sets the server name.
class ServerSink final : public CommandSink {
  public:
    ServerSink(TargetGame target, StoredSetaLines& found) : target_(target), found_(found) {}

    void Command(const FileCommand& command) override {
        if (std::optional<HostnameSetting> setting = HostnameSettingOf(target_, command.text)) {
            found_.serverLine = std::string(command.text);
            found_.serverValue = std::move(setting->value);
        }
    }

  private:
    TargetGame target_;
    StoredSetaLines& found_;
};

}  // namespace

StoredSetaLines ReadSetaLines(const QString& path, TargetGame target) {
    StoredSetaLines found;
    if (path.isEmpty()) {
        found.error =
            QCoreApplication::translate("chromlet::ReadSetaLines", "No file name was given.");
        return found;
    }
    const RegularFile regular(path);
    QFile file;
    if (!regular.IsOpen()) {
        found.error = regular.Error();
        return found;
    }
    if (!file.open(regular.Descriptor(), QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle)) {
        found.error = file.errorString();
        return found;
    }
    DeviceSource source(file);
    ChunkReader in(source);
    SetaSink sink(found);
    AnyLineEndSplitter lines;
    ServerSink server(target, found);
    CommandSplitter commands(target);
    for (std::string_view chunk = in.Next(); !chunk.empty(); chunk = in.Next()) {
        lines.Feed(chunk, sink);
        commands.Feed(chunk, server);
    }
    lines.Finish(sink);
    commands.Finish(server);
    if (in.Failed()) {
        StoredSetaLines failed;
        failed.error = FromSystem(in.Reason());
        return failed;
    }
    return found;
}

}  // namespace chromlet
