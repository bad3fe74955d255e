#pragma once
// One function per bkpic command; `arguments` holds the program name and
// then the command's own options and files.
#include <QStringList>
#include <iosfwd>

namespace bkpic {

int run_convert(const QStringList& arguments, std::ostream& out, std::ostream& err);
int run_render(const QStringList& arguments, std::ostream& out, std::ostream& err);
int run_info(const QStringList& arguments, std::ostream& out, std::ostream& err);
int run_tape(const QStringList& arguments, std::ostream& out, std::ostream& err);
int run_extract(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace bkpic
