// A clipboard's HTML reduced to its text (HtmlText) and let into a name: the text is never longer
// than the HTML, and what gets into the name is only what a name holds.
#include <cstdint>
#include <string>

#include "core/char_rules.h"
#include "core/html_text.h"
#include "core/name_input.h"
#include "fuzz_check.h"

using namespace chromlet;
using chromlet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Both ways of reading the bytes: as UTF-16, as the clipboard gives HTML, and one byte a
    // character, so that short inputs reach every ASCII rule of the reader.
    const std::u16string wide(reinterpret_cast<const char16_t*>(data), size / 2);
    const std::u16string narrow(data, data + size);
    for (const std::u16string& html : {wide, narrow}) {
        bool unread = true;
        const std::u16string text = HtmlText(html, &unread);
        Check(!unread, "a short HTML is read whole");
        Check(text.size() <= html.size(), "the text is never longer than the HTML");
        LeftOut leftOut;
        for (char c : AcceptText(text, LineBreaks::BecomeSpaces, MaxNameChars, leftOut)) {
            Check(IsNameChar(static_cast<unsigned char>(c)), "only what a name holds");
        }
    }
    return 0;
}
