// Save from the main window when it cannot or may not write: each failure
// is shown in its own words and leaves every file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;

// What a folder holds: each name, with its kind and a file's text.
std::string listing(const std::string& folder) {
    std::string out;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        out += entry.path().string() + (entry.is_fifo()        ? " pipe"
                                        : entry.is_directory() ? " dir"
                                                               : "");
        if (entry.is_regular_file()) out += "=" + read_text(entry.path());
        out += "\n";
    }
    return out;
}

const Shown rewrite{"File exist. Rewrite?", "ORVAK", Buttons::yes_no_default_no, Icon::question};

Shown failure(const char* text, const char* title = "ORVAK: Savebmp") {
    return {text, title, Buttons::ok, Icon::exclamation};
}

TEST(ViewerSave, FailuresAndNoAreShownAndLeaveEveryFile) {
    const std::tuple<const char*, const char*, Answer, std::vector<Shown>> cases[] = {
        // what is at the BMP's name, the BMP catalog, the answer, the messages
        {"pipe", "", Answer::yes, {rewrite, failure("Error 17: File exists")}},
        {"folder", "", Answer::yes, {rewrite, failure("Error 21: Is a directory")}},
        {"file", "", Answer::no, {rewrite}},
        {"",
         "no/such",
         Answer::yes,
         {failure("Error 2: No such file or directory", "ORVAK : creatcatalog")}},
        {"", "plain", Answer::yes, {failure("Error 20: Not a directory")}}};
    for (const auto& [at_name, catalog, answer, messages] : cases) {
        SCOPED_TRACE(std::string(at_name) + catalog);
        ViewerRig rig;
        rig.open_bytes("title.pic", std::string(16384, '\x1B'));
        const std::string bmp = rig.files / "title.bmp";
        const std::string at = at_name;
        if (at == "pipe") {
            ASSERT_EQ(::mkfifo(bmp.c_str(), 0644), 0);
        }
        if (at == "folder") std::filesystem::create_directory(bmp);
        if (!at.empty() && at != "pipe") write_text(at == "file" ? bmp : bmp + "/keep", "kept");
        write_text(rig.folder / "plain", "x");
        if (*catalog) rig.state.catalogs.set(catalogs::bmp_catalog, rig.folder / catalog);
        const std::string before = listing(rig.files.path()) + listing(rig.folder.path());
        rig.modal.answers = {answer};
        ::alarm(20);  // opening a pipe would wait for a reader for ever
        rig.choose("savebmp_mnu");
        ::alarm(0);
        EXPECT_EQ(shown(rig.modal.messages), messages);
        EXPECT_EQ(listing(rig.files.path()) + listing(rig.folder.path()), before);
    }
}

}  // namespace
