#include "platform/rtf/rtfkeywords.h"

#include <algorithm>
#include <vector>

namespace {

struct Entry
{
    std::string_view word;
    RtfKeywordInfo info;
};

std::vector<Entry> buildTable()
{
    using K = RtfKeyword;
    std::vector<Entry> table = {
        {"fonttbl", {K::FontTable}},
        {"colortbl", {K::ColorTable}},
        {"par", {K::Par}},
        {"line", {K::Line}},
        {"tab", {K::Tab}},
        {"cell", {K::Cell}},
        {"nestcell", {K::Cell}},
        {"row", {K::Row}},
        {"nestrow", {K::Row}},
        {"cf", {K::ColorIndex}},
        {"plain", {K::Plain}},
        {"f", {K::Font}},
        {"fs", {K::FontSize}},
        {"u", {K::Unicode}},
        {"uc", {K::UnicodeSkip}},
        {"ansicpg", {K::AnsiCodePage}},
        {"ansi", {K::Ansi}},
        {"mac", {K::Mac}},
        {"pc", {K::Pc}},
        {"pca", {K::Pca}},
        {"deff", {K::DefaultFont}},
        {"bin", {K::Binary}},
        {"fcharset", {K::FontCharset}},
        {"cpg", {K::FontCodePage}},
        {"red", {K::Red}},
        {"green", {K::Green}},
        {"blue", {K::Blue}},
        {"emdash", {K::Character, 0x2014}},
        {"endash", {K::Character, 0x2013}},
        {"emspace", {K::Character, 0x2003}},
        {"enspace", {K::Character, 0x2002}},
        {"qmspace", {K::Character, 0x2005}},
        {"bullet", {K::Character, 0x2022}},
        {"lquote", {K::Character, 0x2018}},
        {"rquote", {K::Character, 0x2019}},
        {"ldblquote", {K::Character, 0x201C}},
        {"rdblquote", {K::Character, 0x201D}},
        {"zwbo", {K::Character, 0x200B}},
        {"zwj", {K::Character, 0x200D}},
        {"zwnj", {K::Character, 0x200C}},
        {"ltrmark", {K::Character, 0x200E}},
        {"rtlmark", {K::Character, 0x200F}},
    };
    // Groups holding pictures, metadata, page furniture, list and style
    // definitions or field codes: their text must not reach the document.
    for (std::string_view word : {
             "stylesheet", "info", "pict", "object", "objdata", "objclass", "result",
             "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
             "footnote", "annotation", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn",
             "listtable", "listoverridetable", "rsidtbl", "xmlnstbl", "generator", "themedata",
             "colorschememapping", "datastore", "latentstyles", "fldinst", "revtbl", "filetbl",
             "fontemb", "fontfile", "pn", "nonshppict", "shp", "shpinst", "shprslt", "nonesttables",
             "template", "xe", "tc", "txe", "rxe", "bkmkstart", "bkmkend", "userprops", "docvar",
             "pgdsctbl", "author", "operator", "title", "subject", "keywords", "comment", "doccomm",
             "creatim", "revtim", "printim", "buptim", "mmathPr", "passwordhash", "protusertbl"}) {
        table.push_back({word, {K::SkipDestination}});
    }
    std::sort(table.begin(), table.end(), [](const Entry &a, const Entry &b) { return a.word < b.word; });
    return table;
}

} // namespace

RtfKeywordInfo lookupRtfKeyword(std::string_view word)
{
    static const std::vector<Entry> table = buildTable();
    const auto it = std::lower_bound(table.begin(), table.end(), word,
                                     [](const Entry &e, std::string_view w) { return e.word < w; });
    if (it != table.end() && it->word == word)
        return it->info;
    return {};
}
