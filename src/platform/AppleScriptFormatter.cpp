#include "platform/AppleScriptFormatter.h"

#include <algorithm>

namespace {

using Kind = AppleScriptToken::Kind;

bool isWord(const AppleScriptToken* token, const char* word)
{
    return token && token->isWord(QLatin1String(word));
}

} // namespace

AppleScriptFormatter::AppleScriptFormatter(const std::vector<AppleScriptToken>& tokens)
{
    int depth = 0;
    std::vector<const AppleScriptToken*> line;
    for (const AppleScriptToken& token : tokens) {
        if (token.kind != Kind::Newline && token.kind != Kind::End) {
            line.push_back(&token);
            continue;
        }
        addLine(line, &depth);
        line.clear();
    }
    while (!m_lines.empty() && m_lines.back().pieces.empty())
        m_lines.pop_back();
}

void AppleScriptFormatter::addLine(const std::vector<const AppleScriptToken*>& tokens, int* depth)
{
    if (tokens.empty()) {
        if (!m_lines.empty() && !m_lines.back().pieces.empty())
            m_lines.emplace_back();
        return;
    }

    std::vector<const AppleScriptToken*> words; // the line without its comments
    std::copy_if(tokens.begin(), tokens.end(), std::back_inserter(words),
        [](const AppleScriptToken* token) { return !token->isComment(); });
    const AppleScriptToken* first = words.empty() ? nullptr : words.front();
    const bool closesBlock = isWord(first, "end");
    const bool opensBlock = isWord(first, "tell")
        && std::none_of(
            words.begin(), words.end(), [](const AppleScriptToken* token) { return isWord(token, "to"); });

    if (closesBlock)
        *depth = std::max(0, *depth - 1);
    Line line { *depth, {} };
    if (opensBlock)
        ++*depth;

    const AppleScriptToken* previousWord = nullptr;
    for (const AppleScriptToken* token : tokens) {
        switch (token->kind) {
        case Kind::Word:
            if (isWord(token, "app"))
                line.pieces.push_back({ Style::Keyword, QStringLiteral("application") });
            else
                line.pieces.push_back({ Style::Keyword, token->value });
            if (token == first && closesBlock && !(words.size() > 1 && isWord(words[1], "tell")))
                line.pieces.push_back({ Style::Keyword, QStringLiteral("tell") });
            break;
        case Kind::String: {
            const bool names = isWord(previousWord, "application") || isWord(previousWord, "app");
            line.pieces.push_back({ names ? Style::ApplicationName : Style::String, token->text });
            break;
        }
        case Kind::Number:
            line.pieces.push_back({ Style::Number, token->text });
            break;
        case Kind::LineComment:
        case Kind::BlockComment:
            line.pieces.push_back({ Style::Comment, token->text });
            break;
        case Kind::Newline:
        case Kind::End:
            break;
        }
        if (!token->isComment())
            previousWord = token;
    }
    m_lines.push_back(std::move(line));
}

QString AppleScriptFormatter::plainText() const
{
    QString text;
    for (const Line& line : m_lines) {
        if (&line != &m_lines.front())
            text += u'\n';
        text += QString(line.depth, u'\t');
        for (const Piece& piece : line.pieces) {
            if (&piece != &line.pieces.front())
                text += u' ';
            text += piece.text;
        }
    }
    return text;
}

QString AppleScriptFormatter::richText() const
{
    QString html = QStringLiteral("<div style=\"white-space: pre-wrap;\">");
    for (const Line& line : m_lines) {
        if (&line != &m_lines.front())
            html += QStringLiteral("<br>");
        html += QString(line.depth, u'\t');
        for (const Piece& piece : line.pieces) {
            if (&piece != &line.pieces.front())
                html += u' ';
            const QString text = piece.text.toHtmlEscaped();
            switch (piece.style) {
            case Style::Keyword:
                html += QStringLiteral("<b>%1</b>").arg(text);
                break;
            case Style::ApplicationName:
                html += QStringLiteral("<span style=\"color: #6b3fa0;\">%1</span>").arg(text);
                break;
            case Style::String:
                html += QStringLiteral("<span style=\"color: #1c6b1c;\">%1</span>").arg(text);
                break;
            case Style::Number:
                html += text;
                break;
            case Style::Comment:
                html += QStringLiteral("<span style=\"color: #8c8c8c;\">%1</span>").arg(text);
                break;
            }
        }
    }
    html += QStringLiteral("</div>");
    return html;
}
