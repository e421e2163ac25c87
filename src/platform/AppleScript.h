#pragma once

#include "platform/AppleScriptErrors.h"
#include "platform/AppleScriptLexer.h"
#include "platform/AppleScriptParser.h"
#include "platform/Expected.h"
#include "platform/PowerActions.h"

#include <QString>

#include <optional>
#include <vector>

// What running a script does to the world. The program and the helper use
// PlatformAppleScriptEnvironment; tests record the calls.
class AppleScriptEnvironment
{
public:
    virtual ~AppleScriptEnvironment();
    virtual void performPowerAction(PowerAction action) = 0;
    // Runs `/bin/sh -c command` and waits for it. The result is its standard output without the
    // final newline; a non-zero exit fails with its standard error and the exit status as number.
    virtual Expected<QString, AppleScriptRunError> runShell(const QString& command) = 0;
    // `title` is empty when the script gives none.
    virtual void displayNotification(const QString& text, const QString& title) = 0;
    virtual void delay(double seconds) = 0;
    virtual void log(const QString& text) = 0;
};

// A script of Quillet's command language: a small subset of AppleScript, enough for the built-in
// power commands and for simple user scripts. See AppleScriptParser.h for the grammar.
//
// Power commands compile anywhere: like any application's own commands they are only checked when
// they run, and fail with NotUnderstood unless told to "System Events" (in any letter case). The
// first failing command ends the run.
class AppleScript
{
public:
    explicit AppleScript(QString source = {});

    const QString& source() const { return m_source; }

    Expected<void, AppleScriptSyntaxError> compile();
    bool isCompiled() const { return m_program.has_value(); }

    // Valid after a successful compile, empty before.
    QString formattedSource() const;
    QString richTextSource() const;
    const std::vector<AppleScriptCommand>& commands() const;

    // Compiles first if needed; a syntax error is then reported with its message and number.
    Expected<void, AppleScriptRunError> execute(AppleScriptEnvironment& environment);

private:
    QString m_source;
    std::vector<AppleScriptToken> m_tokens;
    std::optional<AppleScriptProgram> m_program;
};
