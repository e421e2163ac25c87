#pragma once

#include <QString>

// The error numbers of the command language. Syntax errors carry where in the source they are;
// a `do shell script` that fails carries the shell's exit status as its number instead.
namespace AppleScriptErrorNumber {

inline constexpr int NumberTooLarge = -2702; // a `delay` beyond what a double holds
inline constexpr int UnknownToken = -2739; // a character or escape sequence the language lacks
inline constexpr int ExpectedButFound = -2741; // every grammar error: "Expected … but found …."
inline constexpr int NotUnderstood = -1708; // a power command sent to anything but System Events
inline constexpr int ShellFailed = -1; // /bin/sh could not be started, or was killed by a signal

} // namespace AppleScriptErrorNumber

struct AppleScriptSyntaxError
{
    QString message;
    int number = 0;
    int offset = 0; // in UTF-16 code units of the source
    int length = 0; // 0 at the end of a line or of the script
    int line = 0; // 1-based line of `offset`; set by AppleScript::compile
};

struct AppleScriptRunError
{
    QString message;
    int number = 0;
};
