// A pasted coded name in every target (ParseCodedName), its decoding, and what the game makes of
// the code (the cleaning, the reports, the console command): the name holds only what a name
// holds, never more than MaxNameChars, and the game's copies never exceed what the engines keep.
#include <cstdint>
#include <string>

#include "core/char_rules.h"
#include "core/coded_name.h"
#include "core/color_code.h"
#include "core/name_rules.h"
#include "fuzz_check.h"

using namespace chromlet;
using chromlet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string pasted(reinterpret_cast<const char*>(data), size);
    for (TargetGame target : AllTargets) {
        ParseNotes notes;
        if (const std::optional<MemoryStyledText> name = ParseCodedName(target, pasted, &notes)) {
            Check(name->Length() > 0 && name->Length() <= MaxNameChars, "a name's length");
            for (char c : name->Text()) {
                Check(IsNameChar(static_cast<unsigned char>(c)), "only what a name holds");
            }
        }
        Check(DecodeCode(target, pasted).Length() <= pasted.size(), "decoding never adds");
        Check(DecodeAnyCode(target, pasted).Length() <= pasted.size(), "decoding never adds");
        Check(AnalysePlayerName(target, pasted).bytes == pasted.size(), "the report's count");
        Check(AnalyseServerName(target, pasted).bytes == pasted.size(), "the report's count");
        const std::optional<std::string> command = ConsoleCommand(target, "name", pasted);
        Check(!command || command->size() <= MaxConsoleLine, "a command fits the console");
    }
    Check(CleanName132(pasted).size() < MaxNetName, "1.32 keeps at most MaxNetName bytes");
    Check(CleanNameIoq3(pasted).size() < MaxNetName, "ioquake3 keeps at most MaxNetName bytes");
    Check(CleanNameOpenArena(pasted).size() < MaxNetName, "OpenArena keeps at most MaxNetName");
    return 0;
}
