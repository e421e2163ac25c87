#include "platform/AppleScriptLexer.h"

#include <QCoreApplication>

#include <optional>

namespace {

using Kind = AppleScriptToken::Kind;

bool isNewline(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == u'_';
}

class Lexer
{
public:
    explicit Lexer(const QString& source)
        : m_source(source)
        , m_size(int(source.size()))
    { }

    Expected<std::vector<AppleScriptToken>, AppleScriptSyntaxError> run()
    {
        while (m_pos < m_size) {
            if (!next())
                return unexpected(*m_error);
        }
        add(Kind::End, m_size, m_size);
        return std::move(m_tokens);
    }

private:
    QChar at(int pos) const { return pos < m_size ? m_source.at(pos) : QChar(); }

    void add(Kind kind, int start, int end, std::optional<QString> value = std::nullopt)
    {
        QString text = m_source.mid(start, end - start);
        QString tokenValue = value ? std::move(*value) : text;
        m_tokens.push_back({ kind, start, end - start, std::move(text), std::move(tokenValue) });
    }

    bool fail(const QString& message, int number, int offset, int length)
    {
        m_error = AppleScriptSyntaxError { message, number, offset, length };
        return false;
    }

    bool failAtEnd(const QString& expected)
    {
        return fail(
            QCoreApplication::translate("AppleScript", "Expected %1 but found end of script.").arg(expected),
            AppleScriptErrorNumber::ExpectedButFound, m_size, 0);
    }

    bool next()
    {
        const int start = m_pos;
        const QChar c = at(m_pos);
        if (isNewline(c)) {
            m_pos += (c == u'\r' && at(m_pos + 1) == u'\n') ? 2 : 1;
            add(Kind::Newline, start, m_pos);
        } else if (c.isSpace()) {
            ++m_pos;
        } else if ((c == u'-' && at(m_pos + 1) == u'-') || c == u'#') {
            while (m_pos < m_size && !isNewline(at(m_pos)))
                ++m_pos;
            add(Kind::LineComment, start, m_pos);
        } else if (c == u'(' && at(m_pos + 1) == u'*') {
            return blockComment();
        } else if (c == u'"') {
            return string();
        } else if (isDigit(c)) {
            while (isDigit(at(m_pos)))
                ++m_pos;
            if (at(m_pos) == u'.' && isDigit(at(m_pos + 1))) {
                ++m_pos;
                while (isDigit(at(m_pos)))
                    ++m_pos;
            }
            add(Kind::Number, start, m_pos);
        } else if (isWordStart(c)) {
            while (isWordPart(at(m_pos)))
                ++m_pos;
            add(Kind::Word, start, m_pos, m_source.mid(start, m_pos - start).toCaseFolded());
        } else {
            const int length = (c.isHighSurrogate() && at(m_pos + 1).isLowSurrogate()) ? 2 : 1;
            return fail(QCoreApplication::translate("AppleScript", "Unknown token “%1”.")
                            .arg(m_source.mid(start, length)),
                AppleScriptErrorNumber::UnknownToken, start, length);
        }
        return true;
    }

    bool blockComment()
    {
        const int start = m_pos;
        int depth = 0;
        while (m_pos < m_size) {
            if (at(m_pos) == u'(' && at(m_pos + 1) == u'*') {
                ++depth;
                m_pos += 2;
            } else if (at(m_pos) == u'*' && at(m_pos + 1) == u')') {
                m_pos += 2;
                if (--depth == 0) {
                    add(Kind::BlockComment, start, m_pos);
                    return true;
                }
            } else {
                ++m_pos;
            }
        }
        return failAtEnd(QStringLiteral("“*)”"));
    }

    bool string()
    {
        const int start = m_pos++;
        QString value;
        while (m_pos < m_size) {
            const QChar c = at(m_pos);
            if (c == u'"') {
                ++m_pos;
                add(Kind::String, start, m_pos, value);
                return true;
            }
            if (c != u'\\') {
                value += c;
                ++m_pos;
                continue;
            }
            if (m_pos + 1 >= m_size)
                break;
            const QChar escaped = at(m_pos + 1);
            switch (escaped.unicode()) {
            case u'"':
            case u'\\':
                value += escaped;
                break;
            case u'n':
                value += u'\n';
                break;
            case u't':
                value += u'\t';
                break;
            case u'r':
                value += u'\r';
                break;
            default: {
                const int length = (escaped.isHighSurrogate() && at(m_pos + 2).isLowSurrogate()) ? 3 : 2;
                return fail(QCoreApplication::translate("AppleScript", "Unknown escape sequence “%1”.")
                                .arg(m_source.mid(m_pos, length)),
                    AppleScriptErrorNumber::UnknownToken, m_pos, length);
            }
            }
            m_pos += 2;
        }
        return failAtEnd(QStringLiteral("“\"”"));
    }

    const QString& m_source;
    const int m_size;
    int m_pos = 0;
    std::vector<AppleScriptToken> m_tokens;
    std::optional<AppleScriptSyntaxError> m_error;
};

} // namespace

Expected<std::vector<AppleScriptToken>, AppleScriptSyntaxError> AppleScriptLexer::tokenize(
    const QString& source)
{
    return Lexer(source).run();
}
