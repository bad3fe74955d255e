#include "bkpic/command_parser.h"

#include <QRegularExpression>
#include <filesystem>
#include <ostream>

#include "bkpic/command_line.h"

namespace bkpic {

CommandParser::CommandParser(const QString& command, const QString& files,
                             const QString& description)
    : command_(command) {
    parser_.setApplicationDescription(description);
    parser_.addHelpOption();
    parser_.addPositionalArgument(files, "The files to work on, one or more.",
                                  command + " " + files + "...");
}

void CommandParser::add_output_options() {
    add({{"o", "output"}, "Write to FILE (one input only).", "FILE"});
    add({"outdir", "Write into FOLDER, made if missing (default: beside each input).", "FOLDER"});
    add({"force", "Replace existing output files."});
}

std::optional<int> CommandParser::parse(const QStringList& arguments, std::ostream& out,
                                        std::ostream& err) {
    if (!parser_.parse(arguments)) return usage(parser_.errorText().toStdString(), err);
    if (parser_.isSet("help")) {
        // Qt names the program by its path and puts the command after the options.
        QString help = parser_.helpText();
        help.replace(QRegularExpression("^Usage: \\S+ \\[options\\] " + command_),
                     "Usage: bkpic " + command_ + " [options]");
        out << help.toStdString();
        return all_done;
    }
    if (files().isEmpty()) return usage("no files given", err);
    return std::nullopt;
}

Parsed<OutputOptions> CommandParser::output_options() const {
    OutputOptions options{value("output"), value("outdir"), is_set("force")};
    if (!options.file.empty() && files().size() > 1)
        return Parsed<OutputOptions>::fail("-o names one output; use --outdir for several inputs");
    if (!options.file.empty() && !options.folder.empty())
        return Parsed<OutputOptions>::fail("give either -o or --outdir, not both");
    if (options.file.empty() && files().contains(standard_input_name))
        return Parsed<OutputOptions>::fail("- reads standard input; name the output with -o");
    // A missing folder is made at the first write; something else of that
    // name is refused. By the name's bytes.
    std::error_code error;
    const auto status = std::filesystem::status(options.folder, error);
    if (!options.folder.empty() && std::filesystem::exists(status) &&
        !std::filesystem::is_directory(status))
        return Parsed<OutputOptions>::fail("--outdir " + options.folder + " is not a folder");
    return {options, {}};
}

int CommandParser::usage(const std::string& why, std::ostream& err) const {
    err << "bkpic " << command_.toStdString() << ": " << why << "\n"
        << "Try bkpic " << command_.toStdString() << " --help\n";
    return usage_error;
}

}  // namespace bkpic
