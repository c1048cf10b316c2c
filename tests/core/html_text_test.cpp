#include "core/html_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/char_rules.h"

namespace chromlet {
namespace {

TEST(HtmlText, readsTheTextABrowserShows) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"<b>bold</b>", u"bold"},
        {u"<meta charset='utf-8'><span style=\"color: rgb(255, 0, 0);\">Pl&eacute;yer</span>",
         u"Pl\u00E9yer"},
        {u"<html><head><title>T</title><style>p {}</style></head><body>\n  <div>  x \n y "
         u"</div>\n</body></html>",
         u"x y"},
        {u"<p>a</p><p>b<br/>c</p><ul><li>d</li></ul>", u"a\nb\nc\nd"},
        {u"<table><tr><td>A</td><td>B</td></tr><tr><th>C</th></tr></table>", u"A B\nC"},
        {u"<pre>\n a  b\r\nc</pre>", u" a  b\nc"},
        {u"<script>x<b>y</b></SCRIPT>z<!-- <b>c</b> -->d<?xml x?><!DOCTYPE html>e", u"zde"},
        {u"&amp;&lt;&gt;&quot;&#233;&#xE9;&#0;&#150;&#x110000;&#128512;&nosuch;&amp &#;",
         u"&<>\"\u00E9\u00E9\uFFFD\u2013\uFFFD\U0001F600&nosuch;&amp &#;"},
        {u"a < b <a title='x>y' href=x>t</a> <b \">u", u"a < b t u"},
        {u"<b>" + std::u16string(10, u'<') + u"/b>", std::u16string(9, u'<')},
    };
    for (const auto& [html, text] : cases) {
        SCOPED_TRACE(std::string(html.begin(), html.end()));
        EXPECT_EQ(HtmlText(html), text);
    }
}

// Deep nesting made a document builder take minutes; reading the text takes one pass.
TEST(HtmlText, readsDeepNestingAndStopsAtTheBound) {
    std::u16string nested;
    for (int i = 0; i < 200'000; ++i) {
        nested += u"<b>";
    }
    nested += u"x";
    bool unread = true;
    EXPECT_EQ(HtmlText(nested, &unread), u"x");
    EXPECT_FALSE(unread);
    EXPECT_EQ(HtmlText(std::u16string(MaxPastedChars + 1, u'a'), &unread).size(), MaxPastedChars);
    EXPECT_TRUE(unread);
}

}  // namespace
}  // namespace chromlet
