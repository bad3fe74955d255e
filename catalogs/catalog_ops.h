#pragma once
// The steps every writer of an output file takes: make sure of the catalog
// folder, form the output path, and ask before replacing a file.
#include <optional>
#include <string>
#include <string_view>

#include "platform/modal.h"

namespace catalogs {

// The text after the last slash; empty when there is no slash.
std::string file_name_of(std::string_view path);

// The source path less its last four characters (its dot and three-letter
// extension), plus `extension`; moved into `folder` unless folder is the
// no-catalog marker.
// NOTE: characters, not bytes: a UTF-8 sequence is one character, and so
// is each byte of a name that is not UTF-8 there.
std::string output_name(std::string_view source, std::string_view folder,
                        std::string_view extension);

// Makes sure the catalog folder exists, creating its last level if needed.
// Gives the catalog, the no-catalog marker for an empty catalog, or an
// empty string after a failure, which it has shown to the user.
std::string ensure_catalog(const std::string& catalog, platform::Modal& modal,
                           std::string_view program_name);

inline constexpr int no_such_file = 0;
inline constexpr int rewrite_allowed = 1;
inline constexpr int rewrite_refused = 2;

// 0 when nothing of that name exists; otherwise asks "File exist. Rewrite?"
// (No the default button) and gives 1 for Yes, 2 for anything else.
int ask_rewrite(const std::string& path, platform::Modal& modal, std::string_view program_name);

// ensure_catalog, then the output name: nothing when the catalog could not
// be made (the failure has been shown and the command should end).
std::optional<std::string> output_path(std::string_view source, const std::string& catalog,
                                       std::string_view extension, platform::Modal& modal,
                                       std::string_view program_name);

}  // namespace catalogs
