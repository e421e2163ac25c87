#include "platform/AppleScript.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::HasSubstr;
using Command = AppleScriptCommand;

namespace {

// One line per command: "application: command", "-" outside any tell.
QStringList render(const std::vector<Command>& commands)
{
    QStringList lines;
    for (const Command& command : commands) {
        QString line = command.application.value_or(QStringLiteral("-")) + QStringLiteral(": ");
        switch (command.kind) {
        case Command::Kind::DoShellScript:
            line += QStringLiteral("do shell script ") + command.text;
            break;
        case Command::Kind::DisplayNotification:
            line += QStringLiteral("display notification ") + command.text;
            if (command.title)
                line += QStringLiteral(" / ") + *command.title;
            break;
        case Command::Kind::Delay:
            line += QStringLiteral("delay ") + QString::number(command.seconds);
            break;
        case Command::Kind::Log:
            line += QStringLiteral("log ") + command.text;
            break;
        case Command::Kind::Power:
            line += powerActionName(command.powerAction);
            break;
        }
        lines << line;
    }
    return lines;
}

struct CompileCase
{
    const char* name;
    QString source;
    QStringList commands;
};

void PrintTo(const CompileCase& c, std::ostream* out)
{
    *out << c.name;
}

const CompileCase compileCases[] = {
    { "Empty", QString(), {} },
    { "OnlyCommentsAndBlankLines", QStringLiteral("\n-- a\n\n# b\n(* c\n d *)\n\n"), {} },
    { "BuiltInCommand", QStringLiteral(R"(tell application "System Events" to shut down)"),
        { QStringLiteral("System Events: shut down") } },
    { "OddCaseAndSpacing", QStringLiteral("  TELL\tApplication  \"System Events\"   To Log   OUT  "),
        { QStringLiteral("System Events: log out") } },
    { "AppShorthand", QStringLiteral(R"(tell app "System Events" to sleep)"),
        { QStringLiteral("System Events: sleep") } },
    { "NestedBlocksAndBareEnd",
        QStringLiteral("tell application \"A\"\n  log \"in A\"\n  tell application \"B\"\n    restart\n  end "
                       "tell\n  sleep\nend\nshut down"),
        { QStringLiteral("A: log in A"), QStringLiteral("B: restart"), QStringLiteral("A: sleep"),
            QStringLiteral("-: shut down") } },
    { "TellChain", QStringLiteral(R"(tell application "A" to tell application "B" to log out)"),
        { QStringLiteral("B: log out") } },
    { "TellToInsideBlock",
        QStringLiteral("tell application \"A\"\ntell application \"B\" to sleep\nsleep\nend tell"),
        { QStringLiteral("B: sleep"), QStringLiteral("A: sleep") } },
    { "CommentsBetweenWords",
        QStringLiteral("tell (* x *) application \"System Events\" to shut (* (* nested *) *) down -- now\n"
                       "log \"a\" # trailing"),
        { QStringLiteral("System Events: shut down"), QStringLiteral("-: log a") } },
    { "CommentMarkersInsideStrings", QStringLiteral(R"(log "-- (* # not comments")"),
        { QStringLiteral("-: log -- (* # not comments") } },
    { "CrLfAndCrLineEnds", QStringLiteral("log \"a\"\r\nlog \"b\"\rlog \"c\""),
        { QStringLiteral("-: log a"), QStringLiteral("-: log b"), QStringLiteral("-: log c") } },
    { "StringEscapes", QStringLiteral(R"(log "q\" b\\ n\n t\t r\r")"),
        { QStringLiteral("-: log q\" b\\ n\n t\t r\r") } },
    { "StringSpansLines", QStringLiteral("log \"one\ntwo\""), { QStringLiteral("-: log one\ntwo") } },
    { "EmptyAndUnicodeStrings", QStringLiteral("log \"\"\nlog \"Grüße 🎉\""),
        { QStringLiteral("-: log "), QStringLiteral("-: log Grüße 🎉") } },
    { "Notifications",
        QStringLiteral("display notification \"Backup done\"\nDISPLAY NOTIFICATION \"x\" WITH TITLE \"T\""),
        { QStringLiteral("-: display notification Backup done"),
            QStringLiteral("-: display notification x / T") } },
    { "DelayAndShell", QStringLiteral("delay 2\ndelay 0.25\ndo shell script \"ls -l\""),
        { QStringLiteral("-: delay 2"), QStringLiteral("-: delay 0.25"),
            QStringLiteral("-: do shell script ls -l") } },
};

class AppleScriptCompiles : public testing::TestWithParam<CompileCase>
{ };

TEST_P(AppleScriptCompiles, ToTheseCommands)
{
    AppleScript script(GetParam().source);
    const auto compiled = script.compile();
    ASSERT_TRUE(compiled) << compiled.error().message.toStdString();
    EXPECT_TRUE(script.isCompiled());
    EXPECT_THAT(render(script.commands()), ElementsAreArray(GetParam().commands));
}

// The editor replaces the text with the formatted source, so it has to mean the same and be stable.
TEST_P(AppleScriptCompiles, FormattedSourceIsStableAndMeansTheSame)
{
    AppleScript script(GetParam().source);
    ASSERT_TRUE(script.compile());
    AppleScript formatted(script.formattedSource());
    const auto compiled = formatted.compile();
    ASSERT_TRUE(compiled) << compiled.error().message.toStdString() << "\n"
                          << script.formattedSource().toStdString();
    EXPECT_EQ(formatted.formattedSource(), script.formattedSource());
    EXPECT_EQ(formatted.commands(), script.commands());
}

INSTANTIATE_TEST_SUITE_P(Table, AppleScriptCompiles, testing::ValuesIn(compileCases),
    [](const auto& info) { return std::string(info.param.name); });

struct SyntaxErrorCase
{
    const char* name;
    QString source;
    int number;
    QString message;
    int offset; // -1: the end of the source
    int length;
    int line;
};

void PrintTo(const SyntaxErrorCase& c, std::ostream* out)
{
    *out << c.name;
}

const QString hugeNumber = QStringLiteral("1").repeated(400);

const SyntaxErrorCase syntaxErrorCases[] = {
    { "UnclosedBlock", QStringLiteral("tell application \"A\"\nlog \"x\"\n"), -2741,
        QStringLiteral("Expected “end tell” but found end of script."), -1, 0, 3 },
    { "EndWithoutBlock", QStringLiteral("log \"x\"\nend tell"), -2741,
        QStringLiteral("“end” closes no “tell” block."), 8, 3, 2 },
    { "EndTooOften", QStringLiteral("tell app \"A\"\nend\nend"), -2741,
        QStringLiteral("“end” closes no “tell” block."), 17, 3, 3 },
    { "EndOfSomethingElse", QStringLiteral("tell app \"A\"\nend if"), -2741,
        QStringLiteral("Expected end of line but found “if”."), 17, 2, 2 },
    { "TellWithoutCommand", QStringLiteral("tell application \"A\" to\nsleep"), -2741,
        QStringLiteral("Expected command but found end of line."), 23, 0, 1 },
    { "ChainedTellOpensNoBlock", QStringLiteral(R"(tell application "A" to tell application "B")"), -2741,
        QStringLiteral("Expected “to” but found end of script."), -1, 0, 1 },
    { "TargetWithoutApplication", QStringLiteral(R"(tell "A" to sleep)"), -2741,
        QStringLiteral("Expected “application” but found string."), 5, 3, 1 },
    { "ApplicationNameNotAString", QStringLiteral("tell application Finder"), -2741,
        QStringLiteral("Expected string but found “Finder”."), 17, 6, 1 },
    { "UnknownCommand", QStringLiteral("\r\n\r\nbeep"), -2741,
        QStringLiteral("Expected command but found “beep”."), 4, 4, 3 },
    { "IncompleteKeyword", QStringLiteral("shut up"), -2741,
        QStringLiteral("Expected “down” but found “up”."), 5, 2, 1 },
    { "KeywordSplitOverLines", QStringLiteral("do shell\nscript \"ls\""), -2741,
        QStringLiteral("Expected “script” but found end of line."), 8, 0, 1 },
    { "TwoStatementsOnALine", QStringLiteral(R"(log "a" log "b")"), -2741,
        QStringLiteral("Expected end of line but found “log”."), 8, 3, 1 },
    { "BlockCommentIsNoLineBreak", QStringLiteral("log \"a\" (* \n *) log \"b\""), -2741,
        QStringLiteral("Expected end of line but found “log”."), 16, 3, 2 },
    { "TitleWithoutWord", QStringLiteral(R"(display notification "a" with "b")"), -2741,
        QStringLiteral("Expected “title” but found string."), 30, 3, 1 },
    { "LogNeedsAString", QStringLiteral("log 5"), -2741, QStringLiteral("Expected string but found “5”."), 4,
        1, 1 },
    { "DelayNeedsANumber", QStringLiteral("delay \"5\""), -2741,
        QStringLiteral("Expected number but found string."), 6, 3, 1 },
    { "NoExponents", QStringLiteral("delay 1e3"), -2741,
        QStringLiteral("Expected end of line but found “e3”."), 7, 2, 1 },
    { "NumberTooLarge", QStringLiteral("delay ") + hugeNumber, -2702,
        QStringLiteral("The number %1 is too large.").arg(hugeNumber), 6, 400, 1 },
    { "UnterminatedString", QStringLiteral("log \"abc\\\""), -2741,
        QStringLiteral("Expected “\"” but found end of script."), -1, 0, 1 },
    { "UnterminatedNestedComment", QStringLiteral("(* (* *)\nlog \"a\""), -2741,
        QStringLiteral("Expected “*)” but found end of script."), -1, 0, 2 },
    { "UnknownEscape", QStringLiteral(R"(log "a\q")"), -2739,
        QStringLiteral("Unknown escape sequence “\\q”."), 6, 2, 1 },
    { "UnknownCharacter", QStringLiteral("log \"a\" & \"b\""), -2739, QStringLiteral("Unknown token “&”."), 8,
        1, 1 },
    { "MinusIsNoComment", QStringLiteral("delay -1"), -2739, QStringLiteral("Unknown token “-”."), 6, 1, 1 },
    { "SurrogatePairIsOneToken", QStringLiteral("log 🎉"), -2739, QStringLiteral("Unknown token “🎉”."), 4, 2,
        1 },
};

class AppleScriptSyntaxErrors : public testing::TestWithParam<SyntaxErrorCase>
{ };

TEST_P(AppleScriptSyntaxErrors, AreReportedWithNumberAndPlace)
{
    const SyntaxErrorCase& c = GetParam();
    AppleScript script(c.source);
    const auto compiled = script.compile();
    ASSERT_FALSE(compiled);
    EXPECT_EQ(compiled.error().number, c.number);
    EXPECT_EQ(compiled.error().message, c.message);
    EXPECT_EQ(compiled.error().offset, c.offset < 0 ? int(c.source.size()) : c.offset);
    EXPECT_EQ(compiled.error().length, c.length);
    EXPECT_EQ(compiled.error().line, c.line);
    EXPECT_FALSE(script.isCompiled());
    EXPECT_TRUE(script.formattedSource().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, AppleScriptSyntaxErrors, testing::ValuesIn(syntaxErrorCases),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase
{
    const char* name;
    QString source;
    QString formatted;
};

void PrintTo(const FormatCase& c, std::ostream* out)
{
    *out << c.name;
}

const FormatCase formatCases[] = {
    { "Empty", QStringLiteral("\n\n"), QString() },
    { "Spacing", QStringLiteral("  tell   application\t\"System Events\"to shut    down   "),
        QStringLiteral("tell application \"System Events\" to shut down") },
    { "KeywordCaseButNotStringsOrComments",
        QStringLiteral("TELL APP \"SYSTEM events\" TO LOG OUT -- KEEP  This"),
        QStringLiteral("tell application \"SYSTEM events\" to log out -- KEEP  This") },
    { "IndentedBlocks",
        QStringLiteral(
            "tell application \"A\"\n  log \"a\"\n      tell application \"B\"\nsleep\n  end\nrestart\n    "
            "END TELL"),
        QStringLiteral("tell application \"A\"\n\tlog \"a\"\n\ttell application \"B\"\n\t\tsleep\n\tend "
                       "tell\n\trestart\nend tell") },
    { "BlankLineRunsCollapseAndEndsAreTrimmed", QStringLiteral("\n\n\nlog \"a\"\n\n\n   \n\nlog \"b\"\n\n\n"),
        QStringLiteral("log \"a\"\n\nlog \"b\"") },
    { "CommentLinesFollowTheIndentation",
        QStringLiteral("tell app \"A\"\n-- inside\n\n   (* block *)\nend\n# after"),
        QStringLiteral("tell application \"A\"\n\t-- inside\n\n\t(* block *)\nend tell\n# after") },
    { "MultiLineCommentKeptVerbatim", QStringLiteral("tell app \"A\"\n   (* one\n      two *) sleep\nend"),
        QStringLiteral("tell application \"A\"\n\t(* one\n      two *) sleep\nend tell") },
    { "BareEndGainsTellBeforeItsComment", QStringLiteral("tell app \"A\"\nend(* c *)"),
        QStringLiteral("tell application \"A\"\nend tell (* c *)") },
    { "StringsAndNumbersAsWritten", QStringLiteral("log  \"a\\\"b\\n\"\ndelay   007.50"),
        QStringLiteral("log \"a\\\"b\\n\"\ndelay 007.50") },
    { "LineEndsBecomeNewlines", QStringLiteral("log \"a\"\r\n\r\nlog \"b\"\rlog \"c\""),
        QStringLiteral("log \"a\"\n\nlog \"b\"\nlog \"c\"") },
};

class AppleScriptFormatting : public testing::TestWithParam<FormatCase>
{ };

TEST_P(AppleScriptFormatting, NormalisesTheSource)
{
    AppleScript script(GetParam().source);
    ASSERT_TRUE(script.compile());
    EXPECT_EQ(script.formattedSource(), GetParam().formatted);

    AppleScript again(script.formattedSource());
    ASSERT_TRUE(again.compile());
    EXPECT_EQ(again.formattedSource(), GetParam().formatted);
}

INSTANTIATE_TEST_SUITE_P(Table, AppleScriptFormatting, testing::ValuesIn(formatCases),
    [](const auto& info) { return std::string(info.param.name); });

// The editor shows the rich text in a text view: it must show the same text as the plain
// formatting, tabs included, with the styling on the right words.
TEST(AppleScriptRichText, ShowsTheFormattedTextStyled)
{
    AppleScript script(QStringLiteral(
        "tell app \"System Events\"\n-- a <comment> & more\nlog \"x < y\"\n(* two\n  lines *)\nend"));
    ASSERT_TRUE(script.compile());

    QTextDocument document;
    document.setHtml(script.richTextSource());
    EXPECT_EQ(document.toPlainText(), script.formattedSource());

    std::map<QString, QTextCharFormat> formats;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            formats[it.fragment().text().trimmed()] = it.fragment().charFormat();
    }
    ASSERT_TRUE(formats.count(QStringLiteral("tell")));
    EXPECT_EQ(formats[QStringLiteral("tell")].fontWeight(), QFont::Bold);
    EXPECT_EQ(formats[QStringLiteral("end")].fontWeight(), QFont::Bold);

    const QColor applicationName = formats[QStringLiteral("\"System Events\"")].foreground().color();
    const QColor string = formats[QStringLiteral("\"x < y\"")].foreground().color();
    const QColor comment = formats[QStringLiteral("-- a <comment> & more")].foreground().color();
    EXPECT_NE(applicationName, QColor(Qt::black));
    EXPECT_NE(string, QColor(Qt::black));
    EXPECT_NE(applicationName, string);
    EXPECT_EQ(comment.red(), comment.green());
    EXPECT_EQ(comment.green(), comment.blue());
    EXPECT_GT(comment.red(), 64);
    EXPECT_NE(formats[QStringLiteral("\"x < y\"")].fontWeight(), QFont::Bold);
}

TEST(AppleScriptRichText, IsEmptyBeforeCompiling)
{
    AppleScript script(QStringLiteral("log \"a\""));
    EXPECT_TRUE(script.richTextSource().isEmpty());
    EXPECT_TRUE(script.formattedSource().isEmpty());
}

// Records what a script does, in order.
class RecordingEnvironment final : public AppleScriptEnvironment
{
public:
    void performPowerAction(PowerAction action) override
    {
        calls << QStringLiteral("power ") + powerActionName(action);
    }
    Expected<QString, AppleScriptRunError> runShell(const QString& command) override
    {
        calls << QStringLiteral("shell ") + command;
        if (shellError)
            return unexpected(*shellError);
        return QStringLiteral("output");
    }
    void displayNotification(const QString& text, const QString& title) override
    {
        calls << QStringLiteral("notify %1 [%2]").arg(text, title);
    }
    void delay(double seconds) override { calls << QStringLiteral("delay ") + QString::number(seconds); }
    void log(const QString& text) override { calls << QStringLiteral("log ") + text; }

    QStringList calls;
    std::optional<AppleScriptRunError> shellError;
};

struct PowerCase
{
    QString source;
    PowerAction action;
};

class AppleScriptSystemEvents : public testing::TestWithParam<PowerCase>
{ };

TEST_P(AppleScriptSystemEvents, PerformsThePowerAction)
{
    RecordingEnvironment environment;
    AppleScript script(GetParam().source);
    EXPECT_TRUE(script.execute(environment));
    EXPECT_THAT(
        environment.calls, ElementsAre(QStringLiteral("power ") + powerActionName(GetParam().action)));
}

INSTANTIATE_TEST_SUITE_P(Commands, AppleScriptSystemEvents,
    testing::Values(PowerCase { QStringLiteral(R"(tell application "System Events" to shut down)"),
                        PowerAction::ShutDown },
        PowerCase { QStringLiteral(R"(tell application "System Events" to restart)"), PowerAction::Restart },
        PowerCase { QStringLiteral(R"(tell application "System Events" to sleep)"), PowerAction::Sleep },
        PowerCase { QStringLiteral(R"(tell application "System Events" to log out)"), PowerAction::LogOut },
        PowerCase {
            QStringLiteral("tell app \"system events\"\n\tRESTART\nend tell"), PowerAction::Restart }));

TEST(AppleScriptExecution, PowerCommandsElsewhereAreNotUnderstoodAndStopTheRun)
{
    const struct
    {
        QString source;
        QString message;
    } cases[] = {
        { QStringLiteral("log \"before\"\ntell application \"Finder\" to restart\nlog \"after\""),
            QStringLiteral("Finder doesn't understand the “restart” message.") },
        { QStringLiteral("log \"before\"\ntell app \"System Events\" to tell app \"Finder\" to log out"),
            QStringLiteral("Finder doesn't understand the “log out” message.") },
        { QStringLiteral("log \"before\"\nshut down"),
            QStringLiteral("The script doesn't understand the “shut down” message.") },
    };
    for (const auto& c : cases) {
        RecordingEnvironment environment;
        AppleScript script(c.source);
        const auto ran = script.execute(environment);
        ASSERT_FALSE(ran) << c.source.toStdString();
        EXPECT_EQ(ran.error().number, -1708);
        EXPECT_EQ(ran.error().message, c.message);
        EXPECT_THAT(environment.calls, ElementsAre(QStringLiteral("log before")));
    }
}

TEST(AppleScriptExecution, RunsEachCommandInOrder)
{
    RecordingEnvironment environment;
    AppleScript script(QStringLiteral("tell application \"Finder\"\n"
                                      "\tdo shell script \"touch \\\"$HOME/x\\\"\"\n"
                                      "\tdisplay notification \"Done\"\n"
                                      "\tdisplay notification \"Done\" with title \"Backup\"\n"
                                      "\tdelay 1.5\n"
                                      "\tlog \"finished\"\n"
                                      "end tell"));
    EXPECT_TRUE(script.execute(environment));
    EXPECT_THAT(environment.calls,
        ElementsAre(QStringLiteral("shell touch \"$HOME/x\""), QStringLiteral("notify Done []"),
            QStringLiteral("notify Done [Backup]"), QStringLiteral("delay 1.5"),
            QStringLiteral("log finished")));
}

TEST(AppleScriptExecution, FailingShellCommandStopsTheRunWithItsError)
{
    RecordingEnvironment environment;
    environment.shellError = AppleScriptRunError { QStringLiteral("ls: cannot access 'x'"), 2 };
    AppleScript script(QStringLiteral("do shell script \"ls x\"\nlog \"after\""));
    const auto ran = script.execute(environment);
    ASSERT_FALSE(ran);
    EXPECT_EQ(ran.error().message, QStringLiteral("ls: cannot access 'x'"));
    EXPECT_EQ(ran.error().number, 2);
    EXPECT_THAT(environment.calls, ElementsAre(QStringLiteral("shell ls x")));
}

TEST(AppleScriptExecution, CompilesFirstAndRunsNothingOnASyntaxError)
{
    RecordingEnvironment environment;
    AppleScript script(QStringLiteral("log \"a\"\ntell application \"System Events\" to shut"));
    const auto ran = script.execute(environment);
    ASSERT_FALSE(ran);
    EXPECT_EQ(ran.error().number, -2741);
    EXPECT_EQ(ran.error().message, QStringLiteral("Expected “down” but found end of script."));
    EXPECT_TRUE(environment.calls.isEmpty());
}

} // namespace
