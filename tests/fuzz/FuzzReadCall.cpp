// Arbitrary bytes as Visual Basic source for ReadCall, their count choosing
// the language it is given. It must end, with the choices or a reason, and
// choices it accepts must generate code that reads back to the same choices.
#include "codegen/BuildCode.h"
#include "codegen/ReadCall.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto given = Languages.at(size % Languages.size()).Id;
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    const auto read = ReadCall(source, given);
    const auto* choices = std::get_if<MessageBoxOptions>(&read);
    if (!choices) {
        if (std::get<std::string>(read).empty())
            Fail("a refusal without a reason:", source);
        return 0;
    }

    const auto checked = CheckOptions(GenerateMode::Copy, *choices);
    if (!std::holds_alternative<CheckedOptions>(checked))
        Fail("Copy Code refuses choices that were read from:", source);
    const std::string code = BuildCopyText(std::get<CheckedOptions>(checked));
    const auto again = ReadCall(code, choices->CodeLanguage);
    if (const auto* reason = std::get_if<std::string>(&again))
        Fail("the generated code does not read back:", code + "\n" + *reason);
    if (CanonicalChoices(std::get<MessageBoxOptions>(again)) != CanonicalChoices(*choices))
        Fail("the generated code reads back to other choices:", code);
    return 0;
}
