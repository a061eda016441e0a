// Arbitrary bytes as the window's choices and texts, the language and a code page. The generator must never fail on
// them, the body expression must evaluate back to the body byte for byte, Try and Copy must hand over exactly what
// was built, and the code must break its lines only between statements, each line and statement within the
// language's limits.
#include "codegen/BodyExpression.h"
#include "codegen/BuildCode.h"
#include "codegen/Languages.h"
#include "codegen/MessageBoxStyle.h"
#include "support/CodeMeasure.h"
#include "support/VbStringEvaluator.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace vellumet;

[[noreturn]] void Fail(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "%s\n%.*s\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// Code pages of one and two bytes a character, made up so that the fuzzer needs no converter: one holds Latin-1,
// one holds the characters from U+3000 on as two bytes each, and UTF-8 and ASCII hold all and none.
const std::array<CodePageWidth, 4> CodePages = {
    CodePageWidth(Utf8Width), CodePageWidth(AsciiWidth),
    CodePageWidth([](char32_t c) -> std::size_t { return c < 0x100 ? 1 : 0; }),
    CodePageWidth([](char32_t c) -> std::size_t { return c >= 0x3000 && c < 0x10000 ? 2 : 0; })};

// Three bytes of choices (button option, flags and code page, icon and language), then the title,
// variable, help file and topic, each ended by a NUL, and the rest is the body,
// so the body alone may hold any byte.
MessageBoxOptions OptionsFrom(std::string_view input)
{
    auto byte = [&](std::size_t at) { return at < input.size() ? static_cast<std::uint8_t>(input[at]) : 0; };
    MessageBoxOptions options;
    options.ButtonOption = static_cast<ButtonChoice>(byte(0) % 13);
    options.HelpButtonIsDefault = byte(1) & 1;
    options.IncludeHelpButton = byte(1) & 2;
    options.SystemModal = byte(1) & 4;
    options.CopyAsValue = byte(1) & 8;
    options.UseAppPath = byte(1) & 16;
    options.Icon = static_cast<IconChoice>(byte(2) % 5);
    options.CodeLanguage = Languages.at(byte(2) / 5 % Languages.size()).Id;

    input.remove_prefix(std::min<std::size_t>(3, input.size()));
    for (std::string* field :
         {&options.TitleText, &options.VariableText, &options.HelpFileText, &options.TopicIDText}) {
        const std::size_t end = std::min(input.find('\0'), input.size());
        field->assign(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    options.BodyText.assign(input);
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const MessageBoxOptions options = OptionsFrom({reinterpret_cast<const char*>(data), size});
    const CodePageWidth& codePage = CodePages.at((size > 1 ? data[1] : 0) >> 5 & 3);

    const std::string expression = BodyExpression(options.BodyText, codePage);
    if (!FirstInvalidUtf8(options.BodyText) && testing::EvaluateVbString(expression) != options.BodyText)
        Fail("the body expression does not evaluate to the body:", expression);

    int asked = 0;
    const auto applicationPath = [&asked] {
        ++asked;
        return std::string("C:\\Apps");
    };
    const auto checked = CheckOptions(GenerateMode::Copy, options, codePage);
    const GenerateResult copy = GenerateCode(GenerateMode::Copy, options, applicationPath, codePage);
    if (const auto* failure = std::get_if<GenerateFailure>(&checked)) {
        if (copy != GenerateResult(*failure))
            Fail("Copy Code and the checks disagree on", options.BodyText);
    } else {
        const auto* copied = std::get_if<CopyRequest>(&copy);
        if (!copied || copied->Text != BuildCopyText(std::get<CheckedOptions>(checked)))
            Fail("Copy Code does not hand over the code built from", options.BodyText);
        if (!testing::Measure(copied->Text, codePage).Within(RowOf(options.CodeLanguage)))
            Fail("a line or statement of the code is beyond the language's limits, or broken by a lone CR or LF:",
                 copied->Text);
    }

    const GenerateResult tried = GenerateCode(GenerateMode::Try, options, applicationPath, codePage);
    if (const auto* shown = std::get_if<MessageBoxRequest>(&tried)) {
        if (shown->Prompt != options.BodyText || shown->Style != ResolveStyle(options).StyleValue)
            Fail("Try It shows another box for", options.BodyText);
        if (shown->Help.has_value() != options.IncludeHelpButton ||
            (shown->Help && shown->Help->Context != ConvertTopicID(options.TopicIDText)))
            Fail("Try It shows another help topic for", options.TopicIDText);
    }
    const bool pathNeeded =
        options.IncludeHelpButton && options.UseAppPath && std::holds_alternative<MessageBoxRequest>(tried);
    if (asked != (pathNeeded ? 1 : 0))
        Fail("the application path was asked for without need, or not at all:", options.HelpFileText);
    return 0;
}
