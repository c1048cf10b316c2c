// A server's config as the engines run it (CommandSplitter, CommandWords, HostnameSettingOf), for
// every target: the same commands in chunks of any size, none longer than the engine's line, each
// where it says it is in the file, and a server name's value within its command.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/config_commands.h"
#include "core/config_limits.h"
#include "fuzz_check.h"

using namespace chromlet;
using chromlet::fuzz::Check;

namespace {

struct Commands final : CommandSink {
    void Command(const FileCommand& command) override {
        starts.push_back(command.start);
        texts.emplace_back(command.text);
        Check(command.text.size() <= MaxConfigLineBytes,
              "no command longer than the engine's line");
        Check(command.lineStart <= command.start && command.openLineStart <= command.lineStart,
              "a command starts on its line");
    }
    std::vector<std::uint64_t> starts;
    std::vector<std::string> texts;
};

Commands Split(TargetGame target, std::string_view file, std::size_t chunk) {
    CommandSplitter splitter(target);
    Commands commands;
    for (std::size_t at = 0; at < file.size(); at += chunk) {
        splitter.Feed(file.substr(at, chunk), commands);
    }
    splitter.Finish(commands);
    Check(splitter.OpenEnd() <= file.size(), "a line at the end goes into the file");
    return commands;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::size_t chunk = in.ConsumeIntegralInRange<std::size_t>(1, 64);
    const std::string file = in.ConsumeRemainingBytesAsString();
    for (TargetGame target : AllTargets) {
        const Commands whole = Split(target, file, std::max<std::size_t>(file.size(), 1));
        const Commands chunked = Split(target, file, chunk);
        Check(whole.starts == chunked.starts && whole.texts == chunked.texts,
              "the same commands in any chunks");
        for (std::size_t i = 0; i < whole.texts.size(); ++i) {
            const std::string& text = whole.texts[i];
            Check(file.compare(whole.starts[i], text.size(), text) == 0,
                  "a command is the file's bytes where it starts");
            for (const CommandWord& word : CommandWords(text)) {
                Check(word.begin < word.end && word.end <= text.size(),
                      "a word lies in its command");
            }
            if (const std::optional<HostnameSetting> setting = HostnameSettingOf(target, text)) {
                Check(setting->valueBegin < setting->valueEnd && setting->valueEnd <= text.size(),
                      "a value lies in its command");
            }
        }
    }
    return 0;
}
