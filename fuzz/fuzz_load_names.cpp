// Loading both names out of a configuration file (LoadNames) for every target: a load that works
// gives names that hold only what a name holds, in lines the game reads whole, and one that fails
// says why.
#include <cstdint>
#include <string>

#include "config/load_names.h"
#include "core/char_rules.h"
#include "core/config_limits.h"
#include "core/name_fit.h"
#include "fuzz_check.h"
#include "fuzz_file.h"

using namespace chromlet;
using chromlet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString file = chromlet::fuzz::InputFile(data, size);
    for (TargetGame target : AllTargets) {
        const LoadedNames loaded = LoadNames(file, target);
        Check(loaded.Ok() == DescribeLoadFailure(loaded).isEmpty(), "a failed load says why");
        for (const MemoryStyledText* name : {&loaded.playerName, &loaded.serverName}) {
            for (char c : name->Text()) {
                Check(IsNameChar(static_cast<unsigned char>(c)), "only what a name holds");
            }
        }
        if (loaded.Ok()) {
            NameLine server{target, ServerLineStart};
            MemoryStyledText player = loaded.playerName;
            BuildCode(target, player, server.digitBefore);
            Check(LineBytes({target, NameLineStart}, loaded.playerName) <= MaxConfigLineBytes &&
                      LineBytes(server, loaded.serverName) <= MaxConfigLineBytes,
                  "lines the game reads whole");
        }
    }
    return 0;
}
