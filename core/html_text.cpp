#include "core/html_text.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/char_rules.h"

namespace chromlet {

namespace {

constexpr bool IsHtmlSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

constexpr bool IsAsciiAlpha(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

constexpr bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

constexpr char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

struct Entity {
    std::string_view name;
    char32_t code;
};

// The references a clipboard's HTML uses: the markup's own, ISO 8859-1 and the typographic ones
// of HTML 4. A name needs nothing else, and the rest is refused later as outside ISO 8859-1 in
// any case. Sorted by name for the search.
constexpr auto Entities = [] {
    std::array<Entity, 142> table{{
        {"AElig", 198},  {"Aacute", 193},  {"Acirc", 194},  {"Agrave", 192},  {"Aring", 197},
        {"Atilde", 195}, {"Auml", 196},    {"Ccedil", 199}, {"Dagger", 8225}, {"ETH", 208},
        {"Eacute", 201}, {"Ecirc", 202},   {"Egrave", 200}, {"Euml", 203},    {"Iacute", 205},
        {"Icirc", 206},  {"Igrave", 204},  {"Iuml", 207},   {"Ntilde", 209},  {"OElig", 338},
        {"Oacute", 211}, {"Ocirc", 212},   {"Ograve", 210}, {"Oslash", 216},  {"Otilde", 213},
        {"Ouml", 214},   {"Prime", 8243},  {"Scaron", 352}, {"THORN", 222},   {"Uacute", 218},
        {"Ucirc", 219},  {"Ugrave", 217},  {"Uuml", 220},   {"Yacute", 221},  {"Yuml", 376},
        {"aacute", 225}, {"acirc", 226},   {"acute", 180},  {"aelig", 230},   {"agrave", 224},
        {"amp", 38},     {"apos", 39},     {"aring", 229},  {"atilde", 227},  {"auml", 228},
        {"bdquo", 8222}, {"brvbar", 166},  {"bull", 8226},  {"ccedil", 231},  {"cedil", 184},
        {"cent", 162},   {"circ", 710},    {"copy", 169},   {"curren", 164},  {"dagger", 8224},
        {"darr", 8595},  {"deg", 176},     {"divide", 247}, {"eacute", 233},  {"ecirc", 234},
        {"egrave", 232}, {"emsp", 8195},   {"ensp", 8194},  {"eth", 240},     {"euml", 235},
        {"euro", 8364},  {"fnof", 402},    {"frac12", 189}, {"frac14", 188},  {"frac34", 190},
        {"frasl", 8260}, {"gt", 62},       {"harr", 8596},  {"hellip", 8230}, {"iacute", 237},
        {"icirc", 238},  {"iexcl", 161},   {"igrave", 236}, {"iquest", 191},  {"iuml", 239},
        {"laquo", 171},  {"larr", 8592},   {"ldquo", 8220}, {"lrm", 8206},    {"lsaquo", 8249},
        {"lsquo", 8216}, {"lt", 60},       {"macr", 175},   {"mdash", 8212},  {"micro", 181},
        {"middot", 183}, {"nbsp", 160},    {"ndash", 8211}, {"not", 172},     {"ntilde", 241},
        {"oacute", 243}, {"ocirc", 244},   {"oelig", 339},  {"ograve", 242},  {"oline", 8254},
        {"ordf", 170},   {"ordm", 186},    {"oslash", 248}, {"otilde", 245},  {"ouml", 246},
        {"para", 182},   {"permil", 8240}, {"plusmn", 177}, {"pound", 163},   {"prime", 8242},
        {"quot", 34},    {"raquo", 187},   {"rarr", 8594},  {"rdquo", 8221},  {"reg", 174},
        {"rlm", 8207},   {"rsaquo", 8250}, {"rsquo", 8217}, {"sbquo", 8218},  {"scaron", 353},
        {"sect", 167},   {"shy", 173},     {"sup1", 185},   {"sup2", 178},    {"sup3", 179},
        {"szlig", 223},  {"thinsp", 8201}, {"thorn", 254},  {"tilde", 732},   {"times", 215},
        {"trade", 8482}, {"uacute", 250},  {"uarr", 8593},  {"ucirc", 251},   {"ugrave", 249},
        {"uml", 168},    {"uuml", 252},    {"yacute", 253}, {"yen", 165},     {"yuml", 255},
        {"zwj", 8205},   {"zwnj", 8204},
    }};
    return table;
}();
static_assert(std::is_sorted(Entities.begin(), Entities.end(),
                             [](const Entity& a, const Entity& b) { return a.name < b.name; }));

// What a browser makes of a numeric reference to 80 to 9F: the characters of Windows-1252,
// which is what such a reference meant wherever it was written.
constexpr char16_t Windows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The elements whose start and end break the line, sorted.
constexpr std::string_view BlockElements[] = {
    "address", "article", "aside",   "blockquote", "body",  "br",   "caption",  "center",
    "dd",      "details", "dialog",  "div",        "dl",    "dt",   "fieldset", "figcaption",
    "figure",  "footer",  "form",    "h1",         "h2",    "h3",   "h4",       "h5",
    "h6",      "header",  "hr",      "legend",     "li",    "main", "nav",      "ol",
    "p",       "pre",     "section", "summary",    "table", "tr",   "ul",
};

// The elements whose content is never shown.
constexpr std::string_view HiddenElements[] = {"script", "style", "template", "title"};

bool IsBlock(std::string_view name) {
    return std::binary_search(std::begin(BlockElements), std::end(BlockElements), name);
}

bool IsHidden(std::string_view name) {
    return std::find(std::begin(HiddenElements), std::end(HiddenElements), name) !=
           std::end(HiddenElements);
}

// Builds the text: white space and line breaks wait until text follows them, so that none
// lead or trail and runs of them collapse.
class TextOut {
  public:
    void Char(char32_t c) {
        if (pendingBreak_) {
            text_.push_back(u'\n');
        } else if (pendingSpace_) {
            text_.push_back(u' ');
        }
        pendingBreak_ = pendingSpace_ = false;
        if (c > 0xFFFF) {
            text_.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            text_.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            text_.push_back(static_cast<char16_t>(c));
        }
    }
    void Space() { pendingSpace_ = !text_.empty(); }
    void Break() {
        pendingBreak_ = !text_.empty();
        pendingSpace_ = false;
    }
    std::u16string Take() { return std::move(text_); }

  private:
    std::u16string text_;
    bool pendingSpace_ = false;
    bool pendingBreak_ = false;
};

// The reference at html[at] ('&'): its character and length, or length 0 for a lone '&'.
struct Reference {
    char32_t code = 0;
    std::size_t length = 0;
};

Reference ReadNumeric(std::u16string_view html, std::size_t at) {
    std::size_t i = at + 2;
    const bool hex = i < html.size() && (html[i] == u'x' || html[i] == u'X');
    if (hex) {
        ++i;
    }
    const std::size_t digitsFrom = i;
    char32_t value = 0;
    for (; i < html.size(); ++i) {
        const char16_t c = html[i];
        unsigned digit = 0;
        if (IsAsciiDigit(c)) {
            digit = c - u'0';
        } else if (hex && AsciiLower(c) >= u'a' && AsciiLower(c) <= u'f') {
            digit = AsciiLower(c) - u'a' + 10;
        } else {
            break;
        }
        // Beyond the last code point the value only has to stay too large.
        value = std::min<char32_t>(value * (hex ? 16 : 10) + digit, 0x110000);
    }
    if (i == digitsFrom) {
        return {};
    }
    if (i < html.size() && html[i] == u';') {
        ++i;
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        value = 0xFFFD;
    } else if (value >= 0x80 && value <= 0x9F) {
        value = Windows1252[value - 0x80];
    }
    return {value, i - at};
}

Reference ReadReference(std::u16string_view html, std::size_t at) {
    if (at + 1 < html.size() && html[at + 1] == u'#') {
        return ReadNumeric(html, at);
    }
    constexpr std::size_t LongestName = 6;
    std::string name;
    std::size_t i = at + 1;
    for (; i < html.size() && name.size() <= LongestName; ++i) {
        const char16_t c = html[i];
        if (!IsAsciiAlpha(c) && !IsAsciiDigit(c)) {
            break;
        }
        name.push_back(static_cast<char>(c));
    }
    if (i >= html.size() || html[i] != u';') {
        return {};
    }
    const auto* found = std::lower_bound(
        Entities.begin(), Entities.end(), name,
        [](const Entity& entity, const std::string& key) { return entity.name < key; });
    if (found == Entities.end() || found->name != name) {
        return {};
    }
    return {found->code, i + 1 - at};
}

// Where `what` (lower case) next starts in `html` from `from`, in any case; html.size() when
// nowhere.
std::size_t FindFolded(std::u16string_view html, std::size_t from, std::string_view what) {
    for (std::size_t i = from; i + what.size() <= html.size(); ++i) {
        std::size_t k = 0;
        while (k < what.size() && AsciiLower(html[i + k]) == static_cast<char16_t>(what[k])) {
            ++k;
        }
        if (k == what.size()) {
            return i;
        }
    }
    return html.size();
}

// The end of the markup that starts at html[at] ('<' and then '!' or '?'): past the comment's
// "-->", or past the next '>'.
std::size_t EndOfDeclaration(std::u16string_view html, std::size_t at) {
    if (html.substr(at, 4) == u"<!--") {
        const std::size_t close = html.find(u"-->", at + 4);
        return close == std::u16string_view::npos ? html.size() : close + 3;
    }
    const std::size_t close = html.find(u'>', at);
    return close == std::u16string_view::npos ? html.size() : close + 1;
}

struct Tag {
    std::string name;  // in lower case; empty for a name longer than any element's
    bool closing = false;
    std::size_t end = 0;  // just past the tag
};

// The tag that starts at html[at] ('<' and then a letter, or "</" and a letter). Quotes count
// only around an attribute's value, so a stray one cannot hide the rest of the HTML.
Tag ReadTag(std::u16string_view html, std::size_t at) {
    constexpr std::size_t LongestName = 10;
    Tag tag;
    std::size_t i = at + 1;
    if (html[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    for (; i < html.size() && !IsHtmlSpace(html[i]) && html[i] != u'/' && html[i] != u'>'; ++i) {
        if (tag.name.size() <= LongestName) {
            tag.name.push_back(static_cast<char>(AsciiLower(html[i]) & 0x7F));
        }
    }
    if (tag.name.size() > LongestName) {
        tag.name.clear();
    }
    bool afterEquals = false;
    while (i < html.size() && html[i] != u'>') {
        const char16_t c = html[i];
        if ((c == u'"' || c == u'\'') && afterEquals) {
            const std::size_t close = html.find(c, i + 1);
            i = close == std::u16string_view::npos ? html.size() : close + 1;
            afterEquals = false;
            continue;
        }
        if (c == u'=') {
            afterEquals = true;
        } else if (!IsHtmlSpace(c)) {
            afterEquals = false;
        }
        ++i;
    }
    tag.end = std::min(i + 1, html.size());
    return tag;
}

}  // namespace

std::u16string HtmlText(std::u16string_view html, bool* unread) {
    if (unread) {
        *unread = html.size() > MaxPastedChars;
    }
    html = html.substr(0, std::min(html.size(), MaxPastedChars));
    TextOut out;
    int preDepth = 0;
    std::size_t i = 0;
    while (i < html.size()) {
        const char16_t c = html[i];
        const char16_t next = i + 1 < html.size() ? html[i + 1] : u'\0';
        if (c == u'<' && (next == u'!' || next == u'?')) {
            i = EndOfDeclaration(html, i);
        } else if (c == u'<' && (IsAsciiAlpha(next) || next == u'/')) {
            const Tag tag = ReadTag(html, i);
            i = tag.end;
            if (IsHidden(tag.name) && !tag.closing) {
                i = FindFolded(html, i, "</" + tag.name);
            } else if (tag.name == "td" || tag.name == "th") {
                out.Space();
            } else if (IsBlock(tag.name)) {
                out.Break();
                if (tag.name == "pre") {
                    preDepth = std::max(0, preDepth + (tag.closing ? -1 : 1));
                    // As in a browser, a line break right after <pre> is not part of the text.
                    if (!tag.closing && i < html.size() && html[i] == u'\n') {
                        ++i;
                    }
                }
            }
        } else if (c == u'&') {
            const Reference reference = ReadReference(html, i);
            out.Char(reference.length > 0 ? reference.code : U'&');
            i += std::max<std::size_t>(reference.length, 1);
        } else if (IsHtmlSpace(c) && preDepth == 0) {
            out.Space();
            ++i;
        } else if (c == u'\r') {  // in <pre>: CR LF and CR alone are one line break
            out.Char(U'\n');
            i += next == u'\n' ? 2 : 1;
        } else {
            out.Char(c);
            ++i;
        }
    }
    return out.Take();
}

}  // namespace chromlet
