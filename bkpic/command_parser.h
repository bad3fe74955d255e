#pragma once
// QCommandLineParser set up for one bkpic command, reporting usage errors
// as values instead of ending the process.
#include <QCommandLineParser>
#include <iosfwd>
#include <optional>
#include <string>

#include "bkpic/arguments.h"
#include "bkpic/batch.h"
#include "platform/qt_text.h"

namespace bkpic {

class CommandParser {
  public:
    CommandParser(const QString& command, const QString& files, const QString& description);

    void add(const QCommandLineOption& option) { parser_.addOption(option); }
    void add_output_options();

    // Parses; on --help prints the help and gives all_done, on a parse
    // error reports it and gives usage_error, otherwise nothing.
    std::optional<int> parse(const QStringList& arguments, std::ostream& out, std::ostream& err);

    bool is_set(const QString& name) const { return parser_.isSet(name); }
    std::string value(const QString& name) const {
        return platform::name_from_qt(parser_.value(name));
    }
    QStringList files() const { return parser_.positionalArguments(); }

    // -o, --outdir and --force, checked against the number of files.
    Parsed<OutputOptions> output_options() const;

    // Prints "bkpic COMMAND: why" and the usage line; gives usage_error.
    int usage(const std::string& why, std::ostream& err) const;

  private:
    QString command_;
    QCommandLineParser parser_;
};

}  // namespace bkpic
