#pragma once
// Where a program keeps its settings file and its default output catalogs.
//
// Where the program is installed decides, not whether it may write there:
// run from the folder it is installed into (the configured install prefix's
// bin folder, or /usr/bin where the package puts it), it keeps its settings
// file in $XDG_CONFIG_HOME/kvaro and the default catalogs in
// $XDG_DATA_HOME/kvaro, even as root; unset, empty or relative, these stand
// for ~/.config and ~/.local/share. Run from anywhere else (a build or an
// unpacked folder), it keeps both beside itself. The converter and the
// viewer share the one "kvaro" folder of each kind; their files have
// different names.
//
// An installed program's first start makes the user's settings file from a
// default found the XDG way: in the "kvaro" folder of each entry of
// $XDG_CONFIG_DIRS in turn (/etc/xdg when it names none).
#include <string>
#include <vector>

namespace platform {

struct ProgramFolders {
    std::string settings;  // holds kvaro.ini or orvak.ini
    std::string data;      // holds the default catalogs (BBD, PIC, 11M, BMP)
    // Installed only: the folders that may hold a default settings file,
    // the first one found wins. Empty beside the program.
    std::vector<std::string> defaults;
};

// The environment variables the decision reads, as they stand ("" when unset).
struct UserEnvironment {
    std::string home;
    std::string config_home;  // XDG_CONFIG_HOME
    std::string data_home;    // XDG_DATA_HOME
    std::string config_dirs;  // XDG_CONFIG_DIRS
};

// The decision itself, without touching the file system. A folder that
// neither its variable nor the home folder can place stays the program
// folder.
ProgramFolders decide_program_folders(const std::string& program_folder, bool installed,
                                      const UserEnvironment& environment);

// The folders the programs are installed into, fixed when they are built:
// the install prefix's bin folder and the Debian package's.
const std::vector<std::string>& install_folders();

// Whether `program_folder` is one of `install_folders`, however either is
// spelt (links, a bind mount): the same folder on disk.
bool is_install_folder(const std::string& program_folder,
                       const std::vector<std::string>& install_folders);

// The decision for a program in `program_folder`, with the process's
// environment (the home folder from the user database when HOME is unset).
ProgramFolders program_folders(
    const std::string& program_folder,
    const std::vector<std::string>& install_folders = platform::install_folders());

// Creates a folder and every missing folder above it, each readable by the
// user alone; 0 or the errno of the failure.
int make_folders(const std::string& path);

}  // namespace platform
