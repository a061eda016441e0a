// Arbitrary command lines for vellumet-gen. It must always end with one of its
// three exit codes, say nothing on the stream it does not use, and a decoded
// style must read back to the same value.
#include "codegen/StyleDecode.h"
#include "gen/GenCommand.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace vellumet;

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

int ValueOf(const std::string& style)
{
    const auto value = EvaluateStyle(style);
    if (const auto* fault = std::get_if<std::string>(&value))
        Fail("a decoded style does not read back:", style + ": " + *fault);
    return std::get<int>(value);
}

// What --decode printed must agree with the style it was given.
void CheckDecoded(const std::string& style, const std::string& out)
{
    const std::string translation = out.substr(0, out.find('\n'));
    const int value = ValueOf(style);
    if (ValueOf(translation) != value)
        Fail("the translation has another value:", style + " -> " + translation);
    const auto decoded = std::get<DecodedStyle>(DecodeStyle(std::to_string(value)));
    if (ValueOf(decoded.Translation) != value)
        Fail("the expression of a value has another value:", std::to_string(value));
}

// --options reads the file it names. The fuzzer keeps it to standard input,
// so that no input names a device that never ends.
bool NamesAFile(const std::vector<std::string>& fields)
{
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::string& argument = fields[i];
        if (argument.starts_with("--options=") && argument != "--options=-")
            return true;
        if (argument == "--options" && (i + 1 == fields.size() || fields[i + 1] != "-"))
            return true;
    }
    return false;
}

} // namespace

// The input is NUL-separated: standard input first, then each argument.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            fields.emplace_back();
        else
            fields.back().push_back(static_cast<char>(data[i]));
    }

    if (NamesAFile(fields))
        return -1;

    std::vector<const char*> argv = {"vellumet-gen"};
    for (std::size_t i = 1; i < fields.size(); ++i)
        argv.push_back(fields[i].c_str());
    std::istringstream in(fields[0]);
    std::ostringstream out, err;
    const int code = RunGenCommand(static_cast<int>(argv.size()), argv.data(), in, out, err);

    if (code < 0 || code > 2)
        Fail("unknown exit code", std::to_string(code));
    if ((code == 0) != err.str().empty() || (code != 0 && !out.str().empty()))
        Fail("output on the wrong stream:", out.str() + err.str());
    if (code == 0 && fields.size() == 3 && fields[1] == "--decode")
        CheckDecoded(fields[2], out.str());
    return 0;
}
