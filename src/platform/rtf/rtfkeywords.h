#pragma once

#include <string_view>

// What the RTF reader does with a control word it meets. Every word not in
// the table is formatting the reader has no use for and is ignored.
enum class RtfKeyword {
    Unknown,
    SkipDestination, // a group whose content is never document text
    FontTable,
    ColorTable,
    Par,
    Line,
    Tab,
    Cell,
    Row,
    Character, // a word that stands for one character (\emdash, \bullet, ...)
    ColorIndex, // \cf
    Plain,
    Font, // \f
    FontSize, // \fs
    Unicode, // \u
    UnicodeSkip, // \uc
    AnsiCodePage, // \ansicpg
    Ansi,
    Mac,
    Pc,
    Pca,
    DefaultFont, // \deff
    Binary, // \bin
    FontCharset, // \fcharset
    FontCodePage, // \cpg
    Red,
    Green,
    Blue,
};

struct RtfKeywordInfo final
{
    RtfKeyword kind = RtfKeyword::Unknown;
    char16_t character = 0; // for RtfKeyword::Character
};

// Looks a control word up (without its backslash and parameter).
RtfKeywordInfo lookupRtfKeyword(std::string_view word);
