#pragma once

#include <QString>

#include <optional>

// What running an action kind means: AppleScript source text, a script file, or nothing when the
// script's record is gone.
struct ActionCommand
{
    enum class Kind { None, Source, File };

    Kind kind = Kind::None;
    QString source;
    QString filePath;
};

// The action kind of a timer: one of the built-in power actions, or a user script by the id of its
// Scripts record.
class ActionsList
{
public:
    enum class Case {
        Script,
        ShutDown,
        Restart,
        Sleep,
        LogOut,
    };

    static ActionsList Script(QString id) { return ActionsList(Case::Script, std::move(id)); }
    static ActionsList ShutDown() { return ActionsList(Case::ShutDown); }
    static ActionsList Restart() { return ActionsList(Case::Restart); }
    static ActionsList Sleep() { return ActionsList(Case::Sleep); }
    static ActionsList LogOut() { return ActionsList(Case::LogOut); }

    // The action-code decoding: 0 ShutDown, 1 Restart, 2 Sleep, 3 LogOut, 4 Script(scriptId);
    // any other code gives nothing.
    static std::optional<ActionsList> fromActionCode(int code, const QString& scriptId);

    Case kind() const { return m_case; }
    bool isScript() const { return m_case == Case::Script; }
    // The id of the Scripts record; empty for the built-in kinds.
    QString scriptId() const { return m_scriptId; }

    // The integer that stored records keep.
    int actionCode() const;
    // "Script", "ShutDown", "Restart", "Sleep", "LogOut".
    QString caseName() const;

    // The built-in names through the translation look-up; a script's record name up to its first full
    // stop, or "Script" when no record has the id.
    QString displayName() const;

    // Built-ins: a one-line command to "System Events". A script: its file in the scripts folder, or
    // nothing (with NonexistentAction on standard output) when no record has the id.
    ActionCommand command() const;

    friend bool operator==(const ActionsList&, const ActionsList&) = default;

private:
    explicit ActionsList(Case kind, QString scriptId = {})
        : m_case(kind)
        , m_scriptId(std::move(scriptId))
    { }

    Case m_case;
    QString m_scriptId;
};
