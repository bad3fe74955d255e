#pragma once
// Output catalogs: per kind of output file, the folder it is written into,
// kept across runs in a small settings file beside the program (or, for an
// installed program, in the user's folders: platform/program_folders.h).
//
// Settings file: text, every line ended by CR LF (LF alone is read too):
//   line 1           "*******" + program name + "_Ini*******"
//   then per catalog a label line ("PIC catalog>", read but not compared)
//                    and a value line: "default" when the catalog is its
//                    default folder, else the catalog as it stands.
// A catalog holds "" (no catalog: outputs go beside their source), the word
// "default" (the default folder, not yet resolved), or a folder path.
#include <string>
#include <string_view>
#include <vector>

#include "platform/program_folders.h"

namespace catalogs {

// What ensure_catalog gives for an empty catalog.
inline constexpr std::string_view no_catalog = "#@*->0Z";
inline constexpr std::string_view default_word = "default";

struct CatalogKind {
    std::string label;         // "PIC catalog>"
    std::string default_name;  // "PIC": the default folder's name in the data folder
    std::string reset_text;    // "*pic": typed in the dialog, resets to the default
};

struct ProgramSettings {
    std::string name;           // "KVARO": settings header and message titles
    std::string settings_file;  // "kvaro.ini"
    std::vector<CatalogKind> catalogs;

    std::string header() const { return "*******" + name + "_Ini*******"; }
};

const ProgramSettings& converter_settings();
const ProgramSettings& viewer_settings();

// Converter catalogs, in settings-file order.
enum ConverterCatalog { bbd_catalog = 0, pic_catalog = 1, m11_catalog = 2 };
// The viewer's one catalog.
enum ViewerCatalog { bmp_catalog = 0 };

enum class ParseStatus { read, not_settings, ended_early };

class Catalogs {
  public:
    Catalogs(const ProgramSettings& program, platform::ProgramFolders folders);
    // Settings file and default catalogs both in `program_folder`.
    Catalogs(const ProgramSettings& program, const std::string& program_folder)
        : Catalogs(program, platform::ProgramFolders{program_folder, program_folder, {}}) {}

    const ProgramSettings& program() const { return *program_; }
    const platform::ProgramFolders& folders() const { return folders_; }
    std::string settings_path() const;

    const std::string& value(int index) const { return values_.at(index); }
    void set(int index, std::string value) { values_.at(index) = std::move(value); }

    // The data folder, a slash and the catalog's default name.
    std::string default_folder(int index) const;
    // Replaces the word "default" by the default folder.
    void resolve_default(int index);
    // Takes what the user typed for a catalog: the reset text means "default".
    // Control characters (a pasted line break) are dropped, so that a value
    // always stays one line of the settings file.
    void take_typed(int index, std::string_view typed);

    std::string value_line(int index) const;
    std::string settings_text() const;
    // Reads a settings file's text. A wrong first line changes nothing; a
    // text that ends early keeps the values read before its end.
    ParseStatus parse_settings(std::string_view text);

  private:
    const ProgramSettings* program_;
    platform::ProgramFolders folders_;
    std::vector<std::string> values_;
};

}  // namespace catalogs
