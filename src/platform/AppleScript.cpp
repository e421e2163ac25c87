#include "platform/AppleScript.h"

#include "platform/AppleScriptFormatter.h"

#include <QCoreApplication>

AppleScriptEnvironment::~AppleScriptEnvironment() = default;

namespace {

const QString systemEvents = QStringLiteral("System Events");

int lineAt(const QString& source, int offset)
{
    int line = 1;
    for (int i = 0; i < offset && i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == u'\n' || (c == u'\r' && (i + 1 >= source.size() || source.at(i + 1) != u'\n')))
            ++line;
    }
    return line;
}

} // namespace

AppleScript::AppleScript(QString source)
    : m_source(std::move(source))
{ }

Expected<void, AppleScriptSyntaxError> AppleScript::compile()
{
    if (isCompiled())
        return {};
    auto tokens = AppleScriptLexer::tokenize(m_source);
    if (!tokens) {
        AppleScriptSyntaxError error = tokens.error();
        error.line = lineAt(m_source, error.offset);
        return unexpected(std::move(error));
    }
    auto program = AppleScriptParser::parse(*tokens);
    if (!program) {
        AppleScriptSyntaxError error = program.error();
        error.line = lineAt(m_source, error.offset);
        return unexpected(std::move(error));
    }
    m_tokens = std::move(tokens).value();
    m_program = std::move(program).value();
    return {};
}

QString AppleScript::formattedSource() const
{
    return isCompiled() ? AppleScriptFormatter(m_tokens).plainText() : QString();
}

QString AppleScript::richTextSource() const
{
    return isCompiled() ? AppleScriptFormatter(m_tokens).richText() : QString();
}

const std::vector<AppleScriptCommand>& AppleScript::commands() const
{
    static const std::vector<AppleScriptCommand> none;
    return isCompiled() ? m_program->commands : none;
}

Expected<void, AppleScriptRunError> AppleScript::execute(AppleScriptEnvironment& environment)
{
    if (auto compiled = compile(); !compiled)
        return unexpected(AppleScriptRunError { compiled.error().message, compiled.error().number });

    for (const AppleScriptCommand& command : m_program->commands) {
        switch (command.kind) {
        case AppleScriptCommand::Kind::DoShellScript:
            if (auto ran = environment.runShell(command.text); !ran)
                return unexpected(ran.error());
            break;
        case AppleScriptCommand::Kind::DisplayNotification:
            environment.displayNotification(command.text, command.title.value_or(QString()));
            break;
        case AppleScriptCommand::Kind::Delay:
            environment.delay(command.seconds);
            break;
        case AppleScriptCommand::Kind::Log:
            environment.log(command.text);
            break;
        case AppleScriptCommand::Kind::Power: {
            if (command.application && command.application->compare(systemEvents, Qt::CaseInsensitive) == 0) {
                environment.performPowerAction(command.powerAction);
                break;
            }
            const QString receiver
                = command.application.value_or(QCoreApplication::translate("AppleScript", "The script"));
            return unexpected(AppleScriptRunError {
                QCoreApplication::translate("AppleScript", "%1 doesn't understand the “%2” message.")
                    .arg(receiver, powerActionName(command.powerAction)),
                AppleScriptErrorNumber::NotUnderstood });
        }
        }
    }
    return {};
}
