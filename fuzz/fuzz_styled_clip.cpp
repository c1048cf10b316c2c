// The editors' own clipboard format, as any program may put it there: read (ReadStyledClip) and
// let into a name (AcceptStyled), it never gives more than asked for, written back it is the
// bytes it came from, and the name holds only what a name holds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "core/char_rules.h"
#include "core/name_input.h"
#include "core/styled_clip.h"
#include "fuzz_check.h"

using namespace chromlet;
using chromlet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::size_t maxChars = in.ConsumeIntegralInRange<std::size_t>(0, MaxNameChars);
    const std::string clip = in.ConsumeRemainingBytesAsString();
    bool cut = false;
    const std::optional<MemoryStyledText> read = ReadStyledClip(clip, maxChars, cut);
    if (!read) {
        Check(clip.empty() || clip.size() % 5 != 0, "whole characters are read");
        return 0;
    }
    Check(read->Length() <= maxChars, "no more than asked for");
    Check(cut == (read->Length() < clip.size() / 5), "a cut is said");
    const std::string again = StyledClipOf(*read, 0, read->Length());
    for (std::size_t i = 0; i < again.size(); ++i) {
        const bool fontByte = i % 5 == 4;
        Check(fontByte ? (again[i] != 0) == (clip[i] != 0) : again[i] == clip[i],
              "written back as it came");
    }
    LeftOut leftOut;
    const MemoryStyledText name = AcceptStyled(*read, MaxNameChars, leftOut);
    const std::string text = name.Text();
    for (char c : text) {
        Check(IsNameChar(static_cast<unsigned char>(c)), "only what a name holds");
    }
    return 0;
}
