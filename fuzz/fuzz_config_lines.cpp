// Configuration lines as the game reads them: the line splitter fed in chunks of every size
// gives the same lines as a plain reading of the whole, and reading the name lines out of a file
// (ReadSetaLines, which takes LF, CR LF and CR as line ends) keeps no line longer than
// MaxSetaLineSize.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "config/passes/line_splitter.h"
#include "config/seta_reader.h"
#include "fuzz_check.h"
#include "fuzz_file.h"
#include "game_lines.h"

using namespace chromlet;
using chromlet::fuzz::Check;

namespace {

struct Lines {
    std::vector<std::string> lines;
    std::string current;
    void Bytes(std::string_view bytes) {
        Check(!bytes.empty() && bytes.find('\r') == std::string_view::npos, "a run of a line");
        current.append(bytes);
    }
    void LineEnd() {
        lines.push_back(current);
        current.clear();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::size_t chunk = in.ConsumeIntegralInRange<std::size_t>(1, 64);
    const std::string text = in.ConsumeRemainingBytesAsString();
    LineSplitter splitter;
    Lines sink;
    for (std::size_t at = 0; at < text.size(); at += chunk) {
        splitter.Feed(std::string_view(text).substr(at, chunk), sink);
    }
    splitter.Finish(sink);
    Check(sink.current.empty() && sink.lines == chromlet::test::GameLines(text),
          "the same lines in any chunks");

    const StoredSetaLines read = ReadSetaLines(chromlet::fuzz::InputFile(data, size));
    Check(read.Readable(), "a regular file is readable");
    for (const auto& line : {read.nameLine, read.serverLine}) {
        Check(!line || line->size() <= MaxSetaLineSize, "no line longer than the bound");
    }
    return 0;
}
