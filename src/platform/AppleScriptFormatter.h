#pragma once

#include "platform/AppleScriptLexer.h"

#include <QString>

#include <vector>

// Lays out the tokens of a script that compiled: one space between tokens, a tab per open tell
// block, keywords in lower case ("app" written "application", a bare "end" written "end tell"),
// strings, numbers and comments as written, runs of blank lines collapsed to one, no blank lines at
// either end and no final newline. Formatting the result again gives the same text.
class AppleScriptFormatter
{
public:
    explicit AppleScriptFormatter(const std::vector<AppleScriptToken>& tokens);

    QString plainText() const;
    // The same text as HTML: keywords bold, application names and strings coloured, comments grey.
    // White space is preserved, so the tabs of the indentation stay visible.
    QString richText() const;

private:
    enum class Style {
        Keyword,
        ApplicationName,
        String,
        Number,
        Comment,
    };
    struct Piece
    {
        Style style;
        QString text;
    };
    struct Line
    {
        int depth = 0;
        std::vector<Piece> pieces; // none: a blank line
    };

    void addLine(const std::vector<const AppleScriptToken*>& tokens, int* depth);

    std::vector<Line> m_lines;
};
