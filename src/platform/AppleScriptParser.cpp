#include "platform/AppleScriptParser.h"

#include <QCoreApplication>

#include <cmath>

namespace {

using Kind = AppleScriptToken::Kind;

QString quoted(const char* word)
{
    return QStringLiteral("“%1”").arg(QLatin1String(word));
}

QString describe(const AppleScriptToken& token)
{
    switch (token.kind) {
    case Kind::String:
        return QCoreApplication::translate("AppleScript", "string");
    case Kind::Newline:
        return QCoreApplication::translate("AppleScript", "end of line");
    case Kind::End:
        return QCoreApplication::translate("AppleScript", "end of script");
    default:
        return QStringLiteral("“%1”").arg(token.text);
    }
}

class Parser
{
public:
    explicit Parser(const std::vector<AppleScriptToken>& tokens)
    {
        for (const AppleScriptToken& token : tokens) {
            if (!token.isComment())
                m_tokens.push_back(&token);
        }
        if (m_tokens.empty() || m_tokens.back()->kind != Kind::End)
            m_tokens.push_back(&m_end);
    }

    Expected<AppleScriptProgram, AppleScriptSyntaxError> run()
    {
        for (;;) {
            while (peek().kind == Kind::Newline)
                take();
            if (peek().kind == Kind::End) {
                if (!m_blocks.empty()) {
                    fail(QStringLiteral("“end tell”"));
                    break;
                }
                return std::move(m_program);
            }
            if (!statement())
                break;
            if (!atLineEnd()) {
                fail(QCoreApplication::translate("AppleScript", "end of line"));
                break;
            }
        }
        return unexpected(*m_error);
    }

private:
    const AppleScriptToken& peek() const { return *m_tokens[m_pos]; }
    const AppleScriptToken& take()
    {
        const AppleScriptToken& token = peek();
        if (token.kind != Kind::End)
            ++m_pos;
        return token;
    }
    bool at(const char* word) const { return peek().isWord(QLatin1String(word)); }
    bool atLineEnd() const { return peek().kind == Kind::Newline || peek().kind == Kind::End; }

    bool fail(const QString& expected)
    {
        const AppleScriptToken& found = peek();
        const bool atEnd = found.kind == Kind::Newline || found.kind == Kind::End;
        m_error
            = AppleScriptSyntaxError { QCoreApplication::translate("AppleScript", "Expected %1 but found %2.")
                                           .arg(expected, describe(found)),
                  AppleScriptErrorNumber::ExpectedButFound, found.offset, atEnd ? 0 : found.length };
        return false;
    }

    bool expect(const char* word)
    {
        if (!at(word))
            return fail(quoted(word));
        take();
        return true;
    }

    bool expectString(QString* value)
    {
        if (peek().kind != Kind::String)
            return fail(QCoreApplication::translate("AppleScript", "string"));
        *value = take().value;
        return true;
    }

    bool target(QString* application)
    {
        if (!at("application") && !at("app"))
            return fail(quoted("application"));
        take();
        return expectString(application);
    }

    bool statement()
    {
        if (at("end")) {
            if (m_blocks.empty()) {
                const AppleScriptToken& end = peek();
                m_error = AppleScriptSyntaxError { QCoreApplication::translate(
                                                       "AppleScript", "“end” closes no “tell” block."),
                    AppleScriptErrorNumber::ExpectedButFound, end.offset, end.length };
                return false;
            }
            take();
            if (at("tell"))
                take();
            m_blocks.pop_back();
            return true;
        }
        if (!at("tell"))
            return command(m_blocks.empty() ? std::nullopt : std::optional(m_blocks.back()));

        take();
        QString application;
        if (!target(&application))
            return false;
        if (atLineEnd()) {
            m_blocks.push_back(application);
            return true;
        }
        if (!expect("to"))
            return false;
        while (at("tell")) {
            take();
            if (!target(&application) || !expect("to"))
                return false;
        }
        return command(application);
    }

    bool command(std::optional<QString> application)
    {
        AppleScriptCommand command;
        command.application = std::move(application);
        if (at("do")) {
            take();
            command.kind = AppleScriptCommand::Kind::DoShellScript;
            if (!expect("shell") || !expect("script") || !expectString(&command.text))
                return false;
        } else if (at("display")) {
            take();
            command.kind = AppleScriptCommand::Kind::DisplayNotification;
            if (!expect("notification") || !expectString(&command.text))
                return false;
            if (at("with")) {
                take();
                QString title;
                if (!expect("title") || !expectString(&title))
                    return false;
                command.title = title;
            }
        } else if (at("delay")) {
            take();
            command.kind = AppleScriptCommand::Kind::Delay;
            if (peek().kind != Kind::Number)
                return fail(QCoreApplication::translate("AppleScript", "number"));
            const AppleScriptToken& number = take();
            bool ok = false;
            command.seconds = number.text.toDouble(&ok);
            if (!ok || !std::isfinite(command.seconds)) {
                m_error = AppleScriptSyntaxError { QCoreApplication::translate(
                                                       "AppleScript", "The number %1 is too large.")
                                                       .arg(number.text),
                    AppleScriptErrorNumber::NumberTooLarge, number.offset, number.length };
                return false;
            }
        } else if (at("log")) {
            take();
            if (at("out")) {
                take();
                command.kind = AppleScriptCommand::Kind::Power;
                command.powerAction = PowerAction::LogOut;
            } else {
                command.kind = AppleScriptCommand::Kind::Log;
                if (!expectString(&command.text))
                    return false;
            }
        } else if (at("shut")) {
            take();
            command.kind = AppleScriptCommand::Kind::Power;
            command.powerAction = PowerAction::ShutDown;
            if (!expect("down"))
                return false;
        } else if (at("restart") || at("sleep")) {
            command.kind = AppleScriptCommand::Kind::Power;
            command.powerAction
                = take().isWord(QLatin1String("restart")) ? PowerAction::Restart : PowerAction::Sleep;
        } else {
            return fail(QCoreApplication::translate("AppleScript", "command"));
        }
        m_program.commands.push_back(std::move(command));
        return true;
    }

    std::vector<const AppleScriptToken*> m_tokens;
    AppleScriptToken m_end;
    size_t m_pos = 0;
    std::vector<QString> m_blocks; // the application of each open tell block
    AppleScriptProgram m_program;
    std::optional<AppleScriptSyntaxError> m_error;
};

} // namespace

Expected<AppleScriptProgram, AppleScriptSyntaxError> AppleScriptParser::parse(
    const std::vector<AppleScriptToken>& tokens)
{
    return Parser(tokens).run();
}
