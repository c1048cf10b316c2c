// Typed and pasted text on its way into a name (AcceptText), both ways of taking line breaks and
// any room: what gets in is only what a name holds, never more than the room, and a note never
// lists more characters than it names.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "core/char_rules.h"
#include "core/name_input.h"
#include "fuzz_check.h"

using namespace chromlet;
using chromlet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::size_t room = in.ConsumeIntegralInRange<std::size_t>(0, MaxNameChars + 1);
    const std::string bytes = in.ConsumeRemainingBytesAsString();
    const std::u16string text(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
    for (LineBreaks lineBreaks : {LineBreaks::LeftOut, LineBreaks::BecomeSpaces}) {
        LeftOut leftOut;
        const std::string kept = AcceptText(text, lineBreaks, room, leftOut);
        Check(kept.size() <= room, "no more than the room");
        for (char c : kept) {
            Check(IsNameChar(static_cast<unsigned char>(c)), "only what a name holds");
        }
        Check(leftOut.notLatin1.size() <= NamedLeftOut + 1 &&
                  leftOut.controls.size() <= NamedLeftOut + 1,
              "no longer lists than a note names");
        Check(kept.size() < room || text.size() <= kept.size() || leftOut.Any(),
              "what does not get in is noted");
    }
    return 0;
}
