#include "bkpic/command_line.h"

#include <QCommandLineParser>
#include <ostream>

#include "bkpic/commands.h"

namespace bkpic {
namespace {

constexpr const char* general_help =
    "Usage: bkpic COMMAND [options] FILE...\n"
    "Converts pictures into BK-0010 / BK-0011M screen files and draws BK screen files\n"
    "as the KVARO converter and the ORVAK viewer do.\n"
    "\n"
    "Commands:\n"
    "  convert PICTURE... --to mono|color|sprite|11m-mono|11m-color\n"
    "                     JPG, GIF, BMP, PNG or other pictures Qt reads into .pic,\n"
    "                     .bbd or .11M files; photo.jpeg gives photo.pic\n"
    "                     (--wav also writes a .wav tape for the BK-0010's monitor)\n"
    "  render BKFILE...   .pic, .bbd, .11M or .bin files, or the screen on a .wav\n"
    "                     tape, into BMP or PNG pictures\n"
    "  info FILE...       what a BK file can be; what a .wav tape holds\n"
    "  tape BKFILE...     .pic, .bbd, .11M or .bin files into .wav tapes that the\n"
    "                     BK-0010's monitor loads\n"
    "  extract TAPE...    a file of a .wav tape into a .bin file\n"
    "\n"
    "bkpic COMMAND --help tells the options of a command.\n";

}  // namespace

int run_command_line(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString command = arguments.value(1);
    const QStringList rest = arguments.mid(0, 1) + arguments.mid(2);
    if (command == "convert") return run_convert(rest, out, err);
    if (command == "render") return run_render(rest, out, err);
    if (command == "info") return run_info(rest, out, err);
    if (command == "tape") return run_tape(rest, out, err);
    if (command == "extract") return run_extract(rest, out, err);
    if (command == "--help" || command == "-h") {
        out << general_help;
        return all_done;
    }
    if (command == "--version" || command == "-v") {
        out << "bkpic " << KVARO_VERSION << "\n";
        return all_done;
    }
    err << (command.isEmpty() ? std::string("bkpic: no command given")
                              : "bkpic: unknown command \"" + command.toStdString() + "\"")
        << "\n\n"
        << general_help;
    return usage_error;
}

}  // namespace bkpic
