// The text of a clipboard's HTML, read the way a browser lays it out but without building a
// document: one pass, in time and memory linear in the HTML however deeply it nests.
#pragma once

#include <string>
#include <string_view>

namespace chromlet {

/// The text `html` shows, in UTF-16 as the clipboard gives it. Tags and comments are left out,
/// and so is what <script>, <style>, <title> and <template> hold. Runs of white space become one
/// space, except inside <pre>. Where a block starts or ends (<p>, <div>, <li>, <tr>, <h1>, ...)
/// and at <br> there is one line break (LF) between two pieces of text; table cells are
/// separated by a space. Character references (&amp;, &eacute;, &#233;, &#xE9;) become their
/// characters as a browser reads them (&#0; is U+FFFD, &#150; the en dash); one it does not know
/// stays as written. Only the first MaxPastedChars units are read; `unread` tells whether there
/// were more.
std::u16string HtmlText(std::u16string_view html, bool* unread = nullptr);

}  // namespace chromlet
