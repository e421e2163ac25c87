// Compiles arbitrary bytes as a script. A source that compiles must format to a source that
// compiles to the same commands, and formatting that must change nothing.
#include "platform/AppleScriptFormatter.h"
#include "platform/AppleScriptLexer.h"
#include "platform/AppleScriptParser.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct Compiled
{
    std::vector<AppleScriptToken> tokens;
    AppleScriptProgram program;
};

std::optional<Compiled> compile(const QString& source)
{
    auto tokens = AppleScriptLexer::tokenize(source);
    if (!tokens)
        return std::nullopt;
    auto program = AppleScriptParser::parse(*tokens);
    if (!program)
        return std::nullopt;
    return Compiled { std::move(tokens).value(), std::move(program).value() };
}

[[noreturn]] void fail(const char* what, const QString& source, const QString& formatted)
{
    std::fprintf(stderr, "%s\n--- source\n%s\n--- formatted\n%s\n", what, source.toUtf8().constData(),
        formatted.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString source = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Compiled> compiled = compile(source);
    if (!compiled)
        return 0;

    const AppleScriptFormatter formatter(compiled->tokens);
    const QString formatted = formatter.plainText();
    (void)formatter.richText();

    const std::optional<Compiled> again = compile(formatted);
    if (!again)
        fail("the formatted source does not compile", source, formatted);
    if (!(again->program == compiled->program))
        fail("the formatted source compiles to other commands", source, formatted);
    if (AppleScriptFormatter(again->tokens).plainText() != formatted)
        fail("formatting is not idempotent", source, formatted);
    return 0;
}
