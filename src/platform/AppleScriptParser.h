#pragma once

#include "platform/AppleScriptErrors.h"
#include "platform/AppleScriptLexer.h"
#include "platform/Expected.h"
#include "platform/PowerActions.h"

#include <QString>

#include <optional>
#include <vector>

// One command of a compiled script, with the application it is told to. Tell blocks and
// "tell … to" are resolved while parsing, so a script compiles to a flat list of these.
struct AppleScriptCommand
{
    enum class Kind {
        DoShellScript,
        DisplayNotification,
        Delay,
        Log,
        Power,
    };

    Kind kind = Kind::Log;
    std::optional<QString> application; // none outside any tell
    QString text; // the shell command, the notification text or the logged text
    std::optional<QString> title; // "display notification … with title …"
    double seconds = 0; // delay
    PowerAction powerAction = PowerAction::ShutDown;

    bool operator==(const AppleScriptCommand&) const = default;
};

struct AppleScriptProgram
{
    std::vector<AppleScriptCommand> commands;

    bool operator==(const AppleScriptProgram&) const = default;
};

// The grammar, one statement per line (comments are skipped; a block comment does not end a line):
//
//   statement := "tell" target                      -- opens a block, closed by "end" ["tell"]
//              | "tell" target "to" {"tell" target "to"} command
//              | command
//   target    := ("application" | "app") STRING
//   command   := "do shell script" STRING | "display notification" STRING ["with title" STRING]
//              | "delay" NUMBER | "log" STRING | "shut down" | "restart" | "sleep" | "log out"
//
// Keywords are case-insensitive; words of a keyword may be split across spaces and comments but
// not lines. Blocks nest without limit.
class AppleScriptParser
{
public:
    static Expected<AppleScriptProgram, AppleScriptSyntaxError> parse(
        const std::vector<AppleScriptToken>& tokens);
};
