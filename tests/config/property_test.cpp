// Generated files against a plain model of the two passes: in memory, cut into chunks at every
// place, and on disk.
#include <gtest/gtest.h>

#include <random>

#include "config/passes/chunk_io.h"
#include "config/passes/filter_pass.h"
#include "config/passes/line_end_pass.h"
#include "config/passes/update_passes.h"
#include "config_test_support.h"
#include "game_lines.h"

namespace chromlet::test {
namespace {

std::string ModelSide(const std::string& before) {
    std::string side;
    bool lastWasLf = false;
    for (const std::string& line : GameLines(before)) {
        if (line.empty()) {
            side += lastWasLf ? "" : "\r\n";
            continue;
        }
        std::size_t start = 0;
        for (std::size_t lf; (lf = line.find('\n', start)) != std::string::npos; start = lf + 1) {
            side += line.substr(start, lf + 1 - start) + "\r\n";
        }
        if (start < line.size()) {
            side += line.substr(start) + "\r\n";
        }
        lastWasLf = line.back() == '\n';
    }
    return side;
}

// A prefix, then the end of the line, a byte up to 32 or a double quote.
bool ModelOldLine(const std::string& line) {
    for (const std::string prefix : {"seta name", "seta sv_hostname"}) {
        if (line.starts_with(prefix) &&
            (line.size() == prefix.size() ||
             static_cast<unsigned char>(line[prefix.size()]) <= 32 || line[prefix.size()] == '"')) {
            return true;
        }
    }
    return false;
}

std::string ModelKept(const std::string& side) {
    std::string kept;
    for (const std::string& line : GameLines(side)) {
        if (!ModelOldLine(line)) {
            kept += line + "\r\n";
        }
    }
    return kept;
}

// The later engines' lines, each with its line end as the file has it: LF, CR LF, CR, or none
// for a last line without one.
std::vector<std::pair<std::string, std::string>> LaterEngineLines(const std::string& bytes) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            line += bytes[i];
            continue;
        }
        const bool crLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        lines.emplace_back(line, crLf ? "\r\n" : std::string(1, bytes[i]));
        line.clear();
        i += crLf ? 1 : 0;
    }
    if (!line.empty()) {
        lines.emplace_back(line, "");
    }
    return lines;
}

// A later engine's update of `before`: the old lines go with their line ends, the new ones end
// like most lines of the file.
struct LaterModel {
    std::string kept;    // what the second pass writes
    std::string config;  // the whole file after the update
};

LaterModel ModelLaterEngine(const std::string& before) {
    LaterModel model;
    int lf = 0, crLf = 0, cr = 0;
    bool open = false;
    for (const auto& [line, end] : LaterEngineLines(before)) {
        lf += end == "\n";
        crLf += end == "\r\n";
        cr += end == "\r";
        if (!ModelOldLine(line)) {
            model.kept += line + end;
            open = end.empty();
        }
    }
    const std::string end = lf >= crLf && lf >= cr ? "\n" : crLf >= cr ? "\r\n" : "\r";
    model.config = model.kept + (open ? end : "") + NewName + end + NewServer + end;
    return model;
}

std::string Generate(std::mt19937& random) {
    static const std::vector<std::string> starts = {
        "seta name",  "seta sv_hostname",   "seta nam",        "Seta name", " seta name",
        "seta  name", "\tseta sv_hostname", "seta sv_hostnam", "seta a 1",  ""};
    static const std::string bytes("ab \t\0\x1b\x80\xFF\xE5\"", 10);
    static const std::vector<std::string> ends = {"\r\n", "\n", "\r", ""};
    std::string file;
    const int lines = std::uniform_int_distribution<int>(0, 8)(random);
    for (int l = 0; l < lines; ++l) {
        file += starts[random() % starts.size()];
        for (int n = std::uniform_int_distribution<int>(0, 12)(random); n > 0; --n) {
            file += bytes[random() % bytes.size()];
        }
        file += ends[random() % ends.size()];
    }
    return file;
}

struct Rewrite {
    std::string side;
    std::string config;
};

// One pass over bytes in memory, and the lines it appends after it.
template <class Pass>
std::string RunPass(Pass pass, const std::string& input, std::int64_t chunkSize,
                    const std::string& append = {}) {
    std::string out;
    StringSource source(input);
    StringSink sink(out);
    ChunkReader reader(source, UpdateStep::None, chunkSize);
    ChunkWriter writer(sink, UpdateStep::None, chunkSize);
    EXPECT_TRUE(pass(reader, writer));
    writer.Write(append);
    EXPECT_TRUE(writer.Flush());
    return out;
}

// The later engines' second pass.
std::string KeepInMemory(const std::string& input, std::int64_t chunkSize) {
    return RunPass([](ChunkReader& in,
                      ChunkWriter& out) { return CopyWithoutOldLinesAsTheyEnd(in, out).copied; },
                   input, chunkSize);
}

// Both passes and the new lines, as an update puts them together.
Rewrite UpdateInMemory(const std::string& before, std::int64_t chunkSize) {
    const std::string side = RunPass(NormaliseLineEnds, before, chunkSize);
    return {side,
            RunPass([](ChunkReader& in, ChunkWriter& out) { return CopyWithoutOldLines(in, out); },
                    side, chunkSize, NewLines())};
}

// Only an empty line that the first run brought up to an LF-ended line, by removing an old line
// between them, is left out by the next run.
bool IsFixedPoint(const std::string& config) {
    return config.find("\n\r\n\r\n") == std::string::npos;
}

// Thousands of files, with chunks that cut lines, line ends and prefixes at every place.
TEST(Property, generatedFilesFollowTheModelWhereverTheChunksEnd) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        for (int i = 0; i < 1000; ++i) {
            const std::string before = Generate(random);
            SCOPED_TRACE(ToHex(before));
            const std::string side = ModelSide(before);
            const std::string config = ModelKept(side) + NewLines();
            ASSERT_TRUE(config.ends_with(NewLines()));
            const std::string kept = ModelLaterEngine(before).kept;
            for (const std::int64_t chunk : {1, 2, 3, 9, 16, 17, 4096}) {
                const Rewrite first = UpdateInMemory(before, chunk);
                ASSERT_EQ(ToHex(first.side), ToHex(side)) << chunk;
                ASSERT_EQ(ToHex(first.config), ToHex(config)) << chunk;
                ASSERT_EQ(ToHex(KeepInMemory(before, chunk)), ToHex(kept)) << chunk;
            }
            const Rewrite second = UpdateInMemory(config, 5);
            ASSERT_EQ(second.config, ModelKept(ModelSide(config)) + NewLines());
            if (IsFixedPoint(config)) {
                ASSERT_EQ(second.side, config);
                ASSERT_EQ(second.config, config);
            }
            ASSERT_EQ(UpdateInMemory(second.config, 7).config, second.config);
        }
    }
}

TEST(Property, generatedFilesFollowTheModelOnDisk) {
    ConfigFolder folder;
    std::mt19937 random(4);
    for (int i = 0; i < 100; ++i) {
        const std::string before = Generate(random);
        SCOPED_TRACE(ToHex(before));
        WriteBytes(folder.Config(), before);
        const std::string side = ModelSide(before);
        const std::string config = ModelKept(side) + NewLines();
        // The game stops reading a file at its first zero byte, and would never read the new
        // lines: such a file is left as it is.
        if (config.find('\0') != std::string::npos) {
            const UpdateResult refused = Update(folder.Config());
            ASSERT_EQ(refused.failedStep, UpdateStep::CheckFile);
            ASSERT_EQ(refused.fileFault, FileFault::ZeroByte);
            ASSERT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(before));
            continue;
        }
        ASSERT_TRUE(Update(folder.Config()).Ok());
        ASSERT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(side));
        ASSERT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(config));
        // In memory, the same passes give the same bytes.
        const RewrittenText text = RewriteText(TargetGame::Q3Test, before, NewName, NewServer);
        ASSERT_EQ(text.side, side);
        ASSERT_EQ(text.config, config);
        ASSERT_TRUE(Update(folder.Config()).Ok());
        if (IsFixedPoint(config)) {
            ASSERT_EQ(ReadBytes(folder.Side()), config);
            ASSERT_EQ(ReadBytes(folder.Config()), config);
        }
        // A later engine's update keeps the file in the side file as it is.
        WriteBytes(folder.Config(), before);
        ASSERT_TRUE(Update(folder.Config(), {}, {TargetGame::IoQuake3}).Ok());
        ASSERT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(before));
        ASSERT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(ModelLaterEngine(before).config));
        ASSERT_EQ(RewriteText(TargetGame::IoQuake3, before, NewName, NewServer).config,
                  ModelLaterEngine(before).config);
    }
}

// At the real chunk size, on disk: a CR LF and a name line's prefix cut by a chunk's end.
TEST(Property, chunkBoundaryOnDiskSplitsNeitherALineEndNorAPrefix) {
    // The first chunk ends between CR and LF; after "seta"; after "seta name".
    for (const std::int64_t fill :
         {DefaultChunkSize - 1, DefaultChunkSize - 6, DefaultChunkSize - 11}) {
        const std::string filler(static_cast<std::size_t>(fill), 'x');
        const std::string before =
            filler + "\r\n" + "seta name \"Old\"\r\n" + "seta a 1\r\nseta sv_hostname \"O\"";
        ConfigFolder folder;
        WriteBytes(folder.Config(), before);
        // A file this long is more than the test release reads: it is refused after both passes.
        const UpdateResult refused = Update(folder.Config());
        EXPECT_EQ(refused.failedStep, UpdateStep::CheckFile);
        EXPECT_EQ(refused.newBytes, (filler + "\r\nseta a 1\r\n" + NewLines()).size());
        EXPECT_EQ(ReadBytes(folder.Config()), before);
        // ioquake3 reads 128 KiB: the same splitting, and the file is written.
        ASSERT_TRUE(Update(folder.Config(), {}, {TargetGame::IoQuake3}).Ok());
        EXPECT_EQ(ReadBytes(folder.Side()), before);
        EXPECT_EQ(ReadBytes(folder.Config()),
                  filler + "\r\nseta a 1\r\n" + NewName + "\r\n" + NewServer + "\r\n");
    }
}

}  // namespace
}  // namespace chromlet::test
