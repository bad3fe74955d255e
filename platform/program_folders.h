#pragma once
// Where a program keeps its settings file and its default output catalogs.
//
// Run from a folder it can write (a build or an unpacked folder), a program
// keeps both beside itself. Installed where it cannot write (under /usr), it
// keeps its settings file in $XDG_CONFIG_HOME/kvaro and the default catalogs
// in $XDG_DATA_HOME/kvaro; unset, empty or relative, these stand for
// ~/.config and ~/.local/share. The converter and the viewer share the one
// "kvaro" folder of each kind; their files have different names.
#include <string>

namespace platform {

struct ProgramFolders {
    std::string settings;  // holds kvaro.ini or orvak.ini
    std::string data;      // holds the default catalogs (BBD, PIC, 11M, BMP)
};

// The environment variables the decision reads, as they stand ("" when unset).
struct UserEnvironment {
    std::string home;
    std::string config_home;  // XDG_CONFIG_HOME
    std::string data_home;    // XDG_DATA_HOME
};

// The decision itself, without touching the file system. A folder that
// neither its variable nor the home folder can place stays the program
// folder.
ProgramFolders decide_program_folders(const std::string& program_folder, bool writable,
                                      const UserEnvironment& environment);

// The decision for a program in `program_folder`, tested for writing and
// with the process's environment (the home folder from the user database
// when HOME is unset).
ProgramFolders program_folders(const std::string& program_folder);

// Creates a folder and every missing folder above it, each readable by the
// user alone; 0 or the errno of the failure.
int make_folders(const std::string& path);

}  // namespace platform
