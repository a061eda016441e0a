// vellumet-gen as a function of its arguments and streams.
#pragma once

#include <iosfwd>

namespace vellumet {

// vellumet-gen: reads the message body from `in` and writes the Copy Code
// text to `out`. Returns the exit code: 0 done, 1 input refused (message on
// `err`), 2 bad usage (message and usage on `err`).
int RunGenCommand(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err);

} // namespace vellumet
