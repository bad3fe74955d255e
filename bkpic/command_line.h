#pragma once
// The bkpic commands. Each takes the whole argument list (program name,
// command, options, files), writes one line per file to `out` and one per
// failure to `err`, and gives the exit status: 0 all done, 1 some input
// failed, 2 a usage error.
#include <QStringList>
#include <iosfwd>

namespace bkpic {

inline constexpr int all_done = 0;
inline constexpr int some_failed = 1;
inline constexpr int usage_error = 2;

int run_command_line(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace bkpic
