// Arbitrary bytes as the window's choices and texts. The generator must never
// fail on them, the body expression must evaluate back to the body byte for
// byte, and Try and Copy must hand over exactly what was built.
#include "codegen/BuildCode.h"
#include "codegen/Functions.h"
#include "codegen/MessageBoxStyle.h"
#include "support/RecordingPlatform.h"
#include "support/VbStringEvaluator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace vellumet;

[[noreturn]] void Fail(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "%s\n%.*s\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// Three bytes of choices (button option, flags, icon), then the title,
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

    const std::string expression = QuoteBody(ConvertLineBreaks(DoubleQuotes(options.BodyText)));
    if (testing::EvaluateVbString(expression) != options.BodyText)
        Fail("the body expression does not evaluate to the body:", expression);

    const CopyText copy = BuildCopyText(options);
    if (copy.Failure != CheckOptions(GenerateMode::Copy, options))
        Fail("Copy Code and the checks disagree on", options.BodyText);
    if (!copy.Failure && copy.Code.find(expression) == std::string::npos)
        Fail("the code does not hold the body expression:", copy.Code);

    testing::RecordingPlatform platform;
    if (!GenerateCode(GenerateMode::Try, options, platform)) {
        const MessageBoxRequest& shown = platform.messageBoxes.at(0);
        if (shown.Prompt != options.BodyText || shown.Style != ResolveStyle(options).StyleValue)
            Fail("Try It showed another box for", options.BodyText);
    }
    if (!GenerateCode(GenerateMode::Copy, options, platform) && platform.clipboard != copy.Code)
        Fail("the clipboard does not hold the copied code:", platform.clipboard);
    return 0;
}
