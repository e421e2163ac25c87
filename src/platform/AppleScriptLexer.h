#pragma once

#include "platform/AppleScriptErrors.h"
#include "platform/Expected.h"

#include <QString>

#include <vector>

struct AppleScriptToken
{
    enum class Kind {
        Word,
        String,
        Number,
        LineComment, // "-- …" or "# …", up to the end of the line
        BlockComment, // "(* … *)", nested, may span lines; a comment does not end a statement
        Newline, // "\n", "\r\n" or "\r"
        End, // always the last token
    };

    Kind kind = Kind::End;
    int offset = 0;
    int length = 0;
    QString text; // exactly as written
    QString value; // Word: case-folded; String: the decoded text; otherwise the text

    bool isWord(QLatin1String word) const { return kind == Kind::Word && value == word; }
    bool isComment() const { return kind == Kind::LineComment || kind == Kind::BlockComment; }
};

// Splits source into tokens. Words are letters, digits and "_", not starting with a digit; numbers
// are ASCII digits with an optional fraction ("2", "0.5"; no sign, no exponent); strings are
// double-quoted, may span lines, and know the escapes \" \\ \n \t \r. Any other escape, and any
// character outside these tokens, white space and comments, is an UnknownToken error.
class AppleScriptLexer
{
public:
    static Expected<std::vector<AppleScriptToken>, AppleScriptSyntaxError> tokenize(const QString& source);
};
