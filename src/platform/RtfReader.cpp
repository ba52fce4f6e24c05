// A reader for the RTF that word processors write (RTF 1.9.1 as published,
// and what the earlier Windows version of the program saved), into a
// QTextDocument. It keeps what a card frame or a mini-CV zone can show, and
// steps over everything else without losing its place.

#include "platform/RtfReader.h"

#include "platform/Encodings.h"

#include <QHash>
#include <QIODevice>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

enum class Destination : quint8 { Text, Skip, FontTable, ColourTable };

struct CharState
{
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const CharState &) const = default;
};

size_t qHash(const CharState &s, size_t seed = 0)
{
    const int flags = int(s.bold) | int(s.italic) << 1 | int(s.underline) << 2 | int(s.strike) << 3;
    return qHashMulti(seed, s.font, s.halfPoints, s.colour, flags);
}

struct GroupState
{
    CharState chr;
    Qt::Alignment alignment = Qt::AlignLeft;
    int skipAfterUnicode = 1; // \uc
    Destination destination = Destination::Text;
    bool unicodePair = false; // inside \upr, whose \ud half is the one we keep
};

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's
};

enum class Word : quint8 {
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Colour,
    Font,
    FontSize,
    Plain,
    Pard,
    Par,
    Tab,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    Char,
    Unicode,
    UnicodeSkip,
    Binary,
    Red,
    Green,
    Blue,
    FontTable,
    ColourTable,
    SkipDestination,
    UnicodePair,
    UnicodeHalf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    Utf8,
    DefaultFont,
    Charset,
    FontCodePage,
};

struct WordInfo
{
    Word word;
    char16_t character = 0;
};

const std::unordered_map<std::string_view, WordInfo> &words()
{
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t = {
            {"b", {Word::Bold}},
            {"i", {Word::Italic}},
            {"ulnone", {Word::UnderlineNone}},
            {"strike", {Word::Strike}},
            {"striked", {Word::Strike}},
            {"cf", {Word::Colour}},
            {"f", {Word::Font}},
            {"fs", {Word::FontSize}},
            {"plain", {Word::Plain}},
            {"pard", {Word::Pard}},
            // A frame line is a paragraph, so every kind of break starts one.
            {"par", {Word::Par}},
            {"line", {Word::Par}},
            {"sect", {Word::Par}},
            {"page", {Word::Par}},
            {"row", {Word::Par}},
            {"tab", {Word::Tab}},
            {"cell", {Word::Tab}},
            {"nestcell", {Word::Tab}},
            {"ql", {Word::AlignLeft}},
            {"qc", {Word::AlignCentre}},
            {"qr", {Word::AlignRight}},
            {"qj", {Word::AlignJustify}},
            {"emdash", {Word::Char, 0x2014}},
            {"endash", {Word::Char, 0x2013}},
            {"emspace", {Word::Char, 0x2003}},
            {"enspace", {Word::Char, 0x2002}},
            {"qmspace", {Word::Char, 0x2005}},
            {"bullet", {Word::Char, 0x2022}},
            {"lquote", {Word::Char, 0x2018}},
            {"rquote", {Word::Char, 0x2019}},
            {"ldblquote", {Word::Char, 0x201C}},
            {"rdblquote", {Word::Char, 0x201D}},
            {"zwj", {Word::Char, 0x200D}},
            {"zwnj", {Word::Char, 0x200C}},
            {"u", {Word::Unicode}},
            {"uc", {Word::UnicodeSkip}},
            {"bin", {Word::Binary}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColourTable}},
            {"upr", {Word::UnicodePair}},
            {"ud", {Word::UnicodeHalf}},
            {"ansi", {Word::Ansi}},
            {"mac", {Word::Mac}},
            {"pc", {Word::Pc}},
            {"pca", {Word::Pca}},
            {"ansicpg", {Word::AnsiCodePage}},
            // "\utf8" is the word "utf" with the parameter 8.
            {"utf", {Word::Utf8}},
            {"deff", {Word::DefaultFont}},
            {"fcharset", {Word::Charset}},
            {"cpg", {Word::FontCodePage}},
        };
        // Every underline style is an underline here; \ulc (its colour) is not.
        for (const char *u : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                              "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                              "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(u, WordInfo{Word::Underline});
        // Destinations whose content is not frame text: document information,
        // styles, pictures, headers and footers, notes, field instructions,
        // numbering definitions, embedded data.
        for (const char *d : {"info",
                              "stylesheet",
                              "pict",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "footnote",
                              "fldinst",
                              "nonshppict",
                              "xe",
                              "tc",
                              "txe",
                              "themedata",
                              "colorschememapping",
                              "latentstyles",
                              "datastore",
                              "listtable",
                              "listoverridetable",
                              "revtbl",
                              "rsidtbl",
                              "generator",
                              "pgdsctbl",
                              "xmlnstbl",
                              "mmathPr",
                              "filetbl",
                              "private",
                              "pn",
                              "pntxta",
                              "pntxtb",
                              "annotation",
                              "atnid",
                              "atnauthor",
                              "objdata",
                              "objclass",
                              "objname",
                              "bkmkstart",
                              "bkmkend",
                              "do",
                              "shpinst",
                              "shptxt",
                              "blipuid",
                              "template",
                              "docvar",
                              "userprops",
                              "listpicture",
                              "ftnsep",
                              "ftnsepc",
                              "ftncn",
                              "aftnsep",
                              "aftnsepc",
                              "aftncn",
                              "background",
                              "passwordhash",
                              "wgrffmtfilter"})
            t.emplace(d, WordInfo{Word::SkipDestination});
        return t;
    }();
    return table;
}

// Windows charsets of \fcharset and the code pages their text is in. ANSI,
// DEFAULT and SYMBOL give none of their own: the document's applies.
int charsetCodePage(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

// The words that make up most of a document, found without hashing.
const WordInfo *findWord(std::string_view name)
{
    static const WordInfo bold{Word::Bold}, italic{Word::Italic}, font{Word::Font},
        unicode{Word::Unicode}, size{Word::FontSize}, colour{Word::Colour}, par{Word::Par},
        tab{Word::Tab}, pard{Word::Pard}, plain{Word::Plain};
    switch (name.size()) {
    case 1:
        switch (name[0]) {
        case 'b':
            return &bold;
        case 'i':
            return &italic;
        case 'f':
            return &font;
        case 'u':
            return &unicode;
        default:
            break;
        }
        break;
    case 2:
        if (name == "fs")
            return &size;
        if (name == "cf")
            return &colour;
        break;
    case 3:
        if (name == "par")
            return &par;
        if (name == "tab")
            return &tab;
        break;
    case 4:
        if (name == "pard")
            return &pard;
        break;
    case 5:
        if (name == "plain")
            return &plain;
        break;
    default:
        break;
    }
    const auto &table = words();
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Control characters and the document's own markers would be read as breaks
// or objects by the document.
bool unwanted(char16_t u)
{
    return (u < 0x20 && u != u'\t') || u == 0x2029 || u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Bytes that end a run of plain text.
struct StopTable
{
    bool stop[256] = {};
    constexpr StopTable()
    {
        for (int c = 0; c < 0x20; ++c)
            stop[c] = true;
        stop[int('\\')] = stop[int('{')] = stop[int('}')] = stop[int(';')] = true;
    }
};
constexpr StopTable kStops;

class Reader
{
public:
    Reader(QByteArrayView rtf, QTextDocument &document)
        : in(rtf.data())
        , size(rtf.size())
        , cursor(&document)
    {}

    void run();

private:
    void group();
    bool endGroup();
    void text();
    void control();
    void word(std::string_view name, bool hasParam, int param);
    void symbol(char c);
    void byte(char c, bool escaped = false);
    void character(char16_t c);

    void flushBytes();
    void append(QStringView text);
    void flushRun();
    void breakParagraph();
    void applyParagraph();
    void newBlock();
    void finish();

    void endFontEntry();
    void endColourEntry();
    int codePageOf(int font) const;
    int entryPage() const;
    const QTextCharFormat &charFormat(const CharState &state);
    QTextBlockFormat blockFormat() const;

    const char *in;
    qsizetype size;
    qsizetype pos = 0;
    bool done = false;

    GroupState state;
    std::vector<GroupState> stack;
    int overflow = 0; // groups past the nesting limit
    int skipCount = 0;

    int documentCodePage = kAnsiCodePage;
    bool utf8 = false;
    int defaultFont = 0;
    QHash<int, FontEntry> fonts;
    std::vector<QColor> colours;

    // The font table entry being read.
    int entryFont = -1;
    int entryCharset = 0;
    int entryCodePage = 0;
    QString entryName;
    QByteArray entryBytes;
    int red = -1;
    int green = -1;
    int blue = -1;

    QByteArray bytes; // text bytes not decoded yet
    QString runText;  // decoded text in runState, not inserted yet
    CharState runState;
    bool pendingBreak = false;
    bool blockHasText = false;
    Qt::Alignment blockAlignment;
    bool blockAligned = false; // the first block has the document's format until set

    QTextCursor cursor;
    QHash<CharState, QTextCharFormat> formats;
};

void Reader::run()
{
    cursor.beginEditBlock();
    while (pos < size && !done) {
        const char c = in[pos];
        switch (c) {
        case '{':
            ++pos;
            group();
            break;
        case '}':
            ++pos;
            done = !endGroup();
            break;
        case '\\':
            ++pos;
            control();
            break;
        default:
            text();
            break;
        }
    }
    if (!done)
        finish();
    cursor.endEditBlock();
}

void Reader::group()
{
    flushBytes();
    skipCount = 0;
    if (stack.size() >= size_t(kRtfMaxNesting)) {
        ++overflow;
        return;
    }
    stack.push_back(state);
}

// False when the outermost group closed: the end of the document.
bool Reader::endGroup()
{
    flushBytes();
    skipCount = 0;
    if (overflow > 0) {
        --overflow;
        return true;
    }
    if (state.destination == Destination::FontTable)
        endFontEntry();
    if (stack.size() <= 1) {
        finish();
        return false;
    }
    state = stack.back();
    stack.pop_back();
    return true;
}

void Reader::text()
{
    const qsizetype start = pos;
    const auto *u = reinterpret_cast<const unsigned char *>(in);
    while (pos < size && !kStops.stop[u[pos]])
        ++pos;
    if (pos == start) {
        // One of the stop bytes that is not markup.
        const char c = in[pos++];
        if (c == '\t')
            character(u'\t');
        else if (c == ';')
            byte(c);
        return;
    }
    if (state.destination == Destination::Skip)
        return;
    if (skipCount > 0 || state.destination != Destination::Text) {
        for (qsizetype i = start; i < pos; ++i)
            byte(in[i]);
        return;
    }
    bytes.append(in + start, pos - start);
}

void Reader::control()
{
    if (pos >= size)
        return;
    const char c = in[pos];
    if (isLetter(c)) {
        const qsizetype start = pos;
        while (pos < size && isLetter(in[pos]))
            ++pos;
        const std::string_view name(in + start, size_t(pos - start));
        bool hasParam = false;
        bool negative = false;
        qint64 value = 0;
        if (pos < size && in[pos] == '-' && pos + 1 < size && in[pos + 1] >= '0' &&
            in[pos + 1] <= '9') {
            negative = true;
            ++pos;
        }
        while (pos < size && in[pos] >= '0' && in[pos] <= '9') {
            hasParam = true;
            value = std::min<qint64>(value * 10 + (in[pos] - '0'), qint64(1) << 40);
            ++pos;
        }
        if (pos < size && in[pos] == ' ')
            ++pos;
        if (negative)
            value = -value;
        const int param = int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
        word(name, hasParam, param);
        return;
    }
    ++pos;
    if (c == '\'') {
        int v = 0;
        int digits = 0;
        while (digits < 2 && pos < size && hexValue(in[pos]) >= 0) {
            v = v * 16 + hexValue(in[pos]);
            ++digits;
            ++pos;
        }
        if (digits > 0)
            byte(char(v), true);
        return;
    }
    symbol(c);
}

// One byte of text, raw or from \'hh. Only a raw ';' ends a table entry.
void Reader::byte(char c, bool escaped)
{
    if (skipCount > 0) {
        --skipCount;
        return;
    }
    switch (state.destination) {
    case Destination::Text:
        bytes.append(c);
        break;
    case Destination::FontTable:
        if (c == ';' && !escaped)
            endFontEntry();
        else
            entryBytes.append(c);
        break;
    case Destination::ColourTable:
        if (c == ';' && !escaped)
            endColourEntry();
        break;
    case Destination::Skip:
        break;
    }
}

void Reader::character(char16_t c)
{
    if (skipCount > 0) {
        --skipCount;
        return;
    }
    if (state.destination == Destination::Text) {
        flushBytes();
        // Text written as \uN comes one character at a time.
        if (!pendingBreak && !runText.isEmpty() && !unwanted(c) && runState == state.chr) {
            runText += QChar(c);
            return;
        }
        append(QStringView(&c, 1));
    } else if (state.destination == Destination::FontTable) {
        entryName += decodeCodePage(entryBytes, entryPage());
        entryBytes.clear();
        entryName += QChar(c);
    }
}

void Reader::symbol(char c)
{
    if (c == '*') {
        flushBytes();
        state.destination = Destination::Skip;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        byte(c);
        return;
    default:
        break;
    }
    flushBytes();
    if (skipCount > 0) {
        --skipCount;
        return;
    }
    switch (c) {
    case '~':
        character(0x00A0);
        break;
    case '_':
        character(0x2011);
        break;
    case '\r':
    case '\n':
        if (state.destination == Destination::Text)
            breakParagraph();
        break;
    default:
        // \- (optional hyphen), \: and \| (index), and unknown symbols.
        break;
    }
}

void Reader::word(std::string_view name, bool hasParam, int param)
{
    const WordInfo *found = findWord(name);

    if (found && found->word == Word::Binary) {
        // Binary data is skipped whatever the destination, or it would be
        // read as markup.
        flushBytes();
        const qint64 length = hasParam ? std::max(param, 0) : 0;
        pos += std::min<qint64>(length, size - pos);
        return;
    }
    if (state.destination == Destination::Skip) {
        if (found && found->word == Word::UnicodeHalf && state.unicodePair)
            state.destination = Destination::Text;
        return;
    }
    flushBytes();
    if (!found) {
        if (skipCount > 0)
            --skipCount;
        return;
    }
    const WordInfo info = *found;
    if (skipCount > 0 && info.word != Word::UnicodeSkip) {
        --skipCount;
        return;
    }
    const bool on = !hasParam || param != 0;
    CharState &chr = state.chr;

    // The words that count wherever they stand.
    switch (info.word) {
    case Word::Ansi:
        documentCodePage = kAnsiCodePage;
        return;
    case Word::Mac:
        documentCodePage = 10000;
        return;
    case Word::Pc:
        documentCodePage = 437;
        return;
    case Word::Pca:
        documentCodePage = 850;
        return;
    case Word::AnsiCodePage:
        if (hasParam && param > 0 && codePageAvailable(param))
            documentCodePage = param;
        return;
    case Word::Utf8:
        utf8 = utf8 || param == 8;
        return;
    case Word::DefaultFont:
        defaultFont = param;
        formats.clear();
        return;
    case Word::UnicodeSkip:
        state.skipAfterUnicode = std::clamp(param, 0, 255);
        return;
    case Word::SkipDestination:
        state.destination = Destination::Skip;
        return;
    case Word::UnicodePair:
        state.destination = Destination::Skip;
        state.unicodePair = true;
        return;
    case Word::FontTable:
        state.destination = Destination::FontTable;
        return;
    case Word::ColourTable:
        state.destination = Destination::ColourTable;
        return;
    case Word::Unicode: {
        if (!hasParam || param < -32768 || param > 65535)
            return;
        const auto unit = char16_t(param & 0xFFFF);
        character(unit);
        skipCount = state.skipAfterUnicode;
        return;
    }
    default:
        break;
    }

    if (state.destination == Destination::FontTable) {
        switch (info.word) {
        case Word::Font:
            endFontEntry();
            entryFont = param;
            break;
        case Word::Charset:
            entryCharset = param;
            break;
        case Word::FontCodePage:
            entryCodePage = codePageAvailable(param) ? param : 0;
            break;
        default:
            break;
        }
        return;
    }
    if (state.destination == Destination::ColourTable) {
        const int component = std::clamp(param, 0, 255);
        if (info.word == Word::Red)
            red = component;
        else if (info.word == Word::Green)
            green = component;
        else if (info.word == Word::Blue)
            blue = component;
        return;
    }
    switch (info.word) {
    case Word::Bold:
        chr.bold = on;
        break;
    case Word::Italic:
        chr.italic = on;
        break;
    case Word::Underline:
        chr.underline = on;
        break;
    case Word::UnderlineNone:
        chr.underline = false;
        break;
    case Word::Strike:
        chr.strike = on;
        break;
    case Word::Colour:
        chr.colour = std::max(param, 0);
        break;
    case Word::Font:
        chr.font = param;
        break;
    case Word::FontSize:
        // Qt keeps point sizes below 3277 in its 16-bit fields.
        chr.halfPoints = param > 0 ? std::min(param, 3276) : 24;
        break;
    case Word::Plain:
        chr = CharState();
        break;
    case Word::Pard:
        state.alignment = Qt::AlignLeft;
        break;
    case Word::Par:
        breakParagraph();
        break;
    case Word::Tab:
        character(u'\t');
        break;
    case Word::Char:
        character(info.character);
        break;
    case Word::AlignLeft:
        state.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCentre:
        state.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        state.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        state.alignment = Qt::AlignJustify;
        break;
    default:
        break;
    }
}

int Reader::codePageOf(int font) const
{
    const auto found = fonts.constFind(font < 0 ? defaultFont : font);
    if (found != fonts.cend() && found->codePage != 0)
        return found->codePage;
    return documentCodePage;
}

void Reader::flushBytes()
{
    if (bytes.isEmpty())
        return;
    // The earlier Windows version declared its files UTF-8 but wrote accents
    // either way: as UTF-8, or as bytes of the code page.
    const QString decoded = utf8 && isValidUtf8(bytes)
                                ? QString::fromUtf8(bytes)
                                : decodeCodePage(bytes, codePageOf(state.chr.font));
    bytes.resize(0);
    append(decoded);
}

void Reader::append(QStringView text)
{
    QString filtered;
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return unwanted(c.unicode()); })) {
        for (const QChar c : text)
            if (!unwanted(c.unicode()))
                filtered += c;
        text = filtered;
    }
    if (text.isEmpty())
        return;
    if (pendingBreak) {
        newBlock();
        pendingBreak = false;
    }
    if (!runText.isEmpty() && !(runState == state.chr))
        flushRun();
    runState = state.chr;
    runText += text;
    blockHasText = true;
}

void Reader::flushRun()
{
    if (runText.isEmpty())
        return;
    cursor.insertText(runText, charFormat(runState));
    runText.resize(0);
}

QTextBlockFormat Reader::blockFormat() const
{
    QTextBlockFormat format;
    format.setAlignment(state.alignment);
    return format;
}

// The paragraph takes the properties in force at its end, and an empty one
// the character format of its mark, which sets its height.
void Reader::applyParagraph()
{
    if (!blockAligned || blockAlignment != state.alignment) {
        cursor.setBlockFormat(blockFormat());
        blockAlignment = state.alignment;
        blockAligned = true;
    }
    if (!blockHasText)
        cursor.setBlockCharFormat(charFormat(state.chr));
}

void Reader::breakParagraph()
{
    flushBytes();
    flushRun();
    if (pendingBreak)
        newBlock();
    applyParagraph();
    // The next paragraph starts only when something follows: the break that
    // ends a document does not add an empty line.
    pendingBreak = true;
    blockHasText = false;
}

// Most paragraphs end as they began: the format given at the start is
// usually the one that stays.
void Reader::newBlock()
{
    cursor.insertBlock(blockFormat());
    blockAlignment = state.alignment;
    blockAligned = true;
}

void Reader::finish()
{
    flushBytes();
    flushRun();
    if (!pendingBreak)
        applyParagraph();
    done = true;
}

void Reader::endFontEntry()
{
    if (entryFont >= 0) {
        const int own = entryCodePage ? entryCodePage : charsetCodePage(entryCharset);
        const QString name = entryName + decodeCodePage(entryBytes, entryPage());
        fonts.insert(entryFont, FontEntry{name.trimmed(), own});
        formats.clear();
    }
    entryFont = -1;
    entryCharset = 0;
    entryCodePage = 0;
    entryName.clear();
    entryBytes.clear();
}

int Reader::entryPage() const
{
    if (entryCodePage)
        return entryCodePage;
    const int own = charsetCodePage(entryCharset);
    return own ? own : documentCodePage;
}

void Reader::endColourEntry()
{
    // An entry without components is the automatic colour (the first one
    // usually is).
    if (red < 0 && green < 0 && blue < 0)
        colours.emplace_back();
    else
        colours.emplace_back(std::max(red, 0), std::max(green, 0), std::max(blue, 0));
    red = green = blue = -1;
    formats.clear();
}

const QTextCharFormat &Reader::charFormat(const CharState &s)
{
    auto found = formats.find(s);
    if (found != formats.end())
        return *found;
    QTextCharFormat format;
    const auto font = fonts.constFind(s.font < 0 ? defaultFont : s.font);
    if (font != fonts.cend() && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    format.setFontPointSize(s.halfPoints / 2.0);
    format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(s.italic);
    format.setFontUnderline(s.underline);
    format.setFontStrikeOut(s.strike);
    if (s.colour > 0 && size_t(s.colour) < colours.size() && colours[s.colour].isValid())
        format.setForeground(colours[s.colour]);
    return *formats.insert(s, format);
}

QByteArrayView withoutLeadingSpace(QByteArrayView rtf)
{
    if (rtf.startsWith("\xEF\xBB\xBF"))
        rtf = rtf.sliced(3);
    while (!rtf.isEmpty() && (rtf.front() == ' ' || rtf.front() == '\t' || rtf.front() == '\r' ||
                              rtf.front() == '\n'))
        rtf = rtf.sliced(1);
    return rtf;
}

} // namespace

RtfReadResult readRtf(QByteArrayView rtf, QTextDocument &document)
{
    rtf = withoutLeadingSpace(rtf);
    if (!rtf.startsWith("{\\rtf"))
        return {false, QStringLiteral("not an RTF document")};
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    Reader(rtf, document).run();
    document.setUndoRedoEnabled(undo);
    return {true, QString()};
}

RtfReadResult readRtf(QIODevice &device, QTextDocument &document)
{
    if (!device.isReadable())
        return {false, device.errorString()};
    const QByteArray data = device.readAll();
    return readRtf(QByteArrayView(data), document);
}
