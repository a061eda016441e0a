// Reads the files of tests/data: whole files, and tables of cases in them.
#pragma once

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellumet::testing {

// A file of tests/data, byte for byte. A file that cannot be read throws, so
// that a misnamed or missing file fails its test instead of reading as empty.
inline std::string ReadDataFile(const std::string& name)
{
    std::ifstream file(std::string(VELLUMET_TEST_DATA) + "/" + name, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read tests/data/" + name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Within a field, \r \n \t \s \\ stand for CR, LF, tab, space and backslash,
// and \{N} after a character makes N of it in all, so that a long text stays
// short in its table ("x\{1025}" is 1025 x's; a character is its UTF-8 bytes).
inline std::string Unescape(std::string_view field)
{
    static const std::map<char, char> Escapes = {{'r', '\r'}, {'n', '\n'}, {'t', '\t'}, {'s', ' '}, {'\\', '\\'}};
    std::string text;
    std::size_t lastCharacter = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field.substr(i, 2) == "\\{" && !text.empty()) {
            const std::size_t close = field.find('}', i);
            const std::string character = text.substr(lastCharacter);
            for (int count = std::stoi(std::string(field.substr(i + 2, close - i - 2))); count > 1; --count)
                text += character;
            i = close;
            continue;
        }
        const bool escaped = field[i] == '\\' && i + 1 < field.size() && Escapes.contains(field[i + 1]);
        if ((static_cast<unsigned char>(field[i]) & 0xC0) != 0x80 || escaped)
            lastCharacter = text.size();
        text += escaped ? Escapes.at(field[++i]) : field[i];
    }
    return text;
}

// The cases of a table in tests/data: a case a line, fields separated by tabs;
// blank lines and lines starting with '#' are left out. A table without a case
// throws: a loop over it would otherwise pass without checking anything.
inline std::vector<std::vector<std::string>> ReadCaseTable(const std::string& name)
{
    std::vector<std::vector<std::string>> cases;
    std::istringstream lines(ReadDataFile(name));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        cases.emplace_back();
        for (std::string field; std::getline(fields, field, '\t');)
            cases.back().push_back(Unescape(field));
    }
    if (cases.empty())
        throw std::runtime_error("no cases in tests/data/" + name);
    return cases;
}

} // namespace vellumet::testing
