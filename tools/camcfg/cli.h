// camcfg's command line: parses the arguments and runs one command.
#pragma once

#include <ostream>

// Returns the exit code: 0 done, 1 the checks refused the record, 2 bad
// input (arguments, fields, values, files, folders). Help goes to `out`,
// messages to `err`; the libraries' trace lines go nowhere, or to `err`
// with --trace.
int RunCamcfg(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
