// Save: the BMP file's name and folder, the overwrite question, and failures
// that are shown in the caller's words and leave old files whole.
#include "viewer/save_bmp.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/memory_surface.h"
#include "platform/scripted_modal.h"
#include "tests/support/temp_folder.h"
#include "viewer/bmp_file.h"

namespace {

using namespace testing_support;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Shown = std::tuple<std::string, std::string, Buttons, Icon>;

std::vector<Shown> shown(const std::vector<platform::ShownMessage>& messages) {
    std::vector<Shown> out;
    for (const auto& m : messages) out.emplace_back(m.text, m.title, m.buttons, m.icon);
    return out;
}

const Shown rewrite{"File exist. Rewrite?", "ORVAK", Buttons::yes_no_default_no, Icon::question};

struct SaveRig {
    SaveRig() : catalogs(catalogs::viewer_settings(), program.path()), picture(4, 2, 65280) {}
    bool save(const std::string& file_name, std::string_view title = "ORVAK: Savebmp") {
        modal.messages.clear();
        return viewer::savebmp(picture, file_name, catalogs, modal, title);
    }
    Shown saved(const std::string& path) const {
        return {"File " + path + " saved", "orvak", Buttons::ok, Icon::none};
    }
    std::string bmp_bytes() const {
        const auto bytes = viewer::encode_bmp(picture);
        return {bytes.begin(), bytes.end()};
    }

    TempFolder program;
    TempFolder pictures;
    catalogs::Catalogs catalogs;
    platform::MemorySurface picture;
    platform::ScriptedModal modal;
};

TEST(SaveBmp, BesideTheBkFileOrInTheCatalogReplacingOnlyAfterYes) {
    SaveRig rig;
    EXPECT_TRUE(rig.save(rig.pictures / "title.pic"));
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{rig.saved(rig.pictures / "title.bmp")});
    EXPECT_EQ(read_text(rig.pictures / "title.bmp"), rig.bmp_bytes());

    rig.catalogs.set(catalogs::bmp_catalog, rig.program / "out");
    std::filesystem::create_directory(rig.program / "out");
    write_text(rig.program / "out/title.bmp", "old");
    rig.modal.answers = {Answer::no};
    EXPECT_FALSE(rig.save(rig.pictures / "title.bbd"));
    EXPECT_EQ(shown(rig.modal.messages), std::vector<Shown>{rewrite});
    EXPECT_EQ(read_text(rig.program / "out/title.bmp"), "old");
    rig.modal.answers = {Answer::yes};
    EXPECT_TRUE(rig.save(rig.pictures / "title.bbd"));
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{rewrite, rig.saved(rig.program / "out/title.bmp")}));
    EXPECT_EQ(read_text(rig.program / "out/title.bmp"), rig.bmp_bytes());
    EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"title.bmp"});
}

TEST(SaveBmp, FailuresAreShownAndLeaveWhatWasThere) {
    // catalog (under the program folder), the last message's text and title
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"no/such", "Error 2: No such file or directory", "ORVAK : creatcatalog"},
        {"plain", "Error 20: Not a directory", "ORVAK [11M]: Savebmp"},
        {"", "Error 21: Is a directory", "ORVAK [11M]: Savebmp"}};  // a folder at the name
    for (const auto& [catalog, text, title] : cases) {
        SaveRig rig;
        write_text(rig.program / "plain", "x");
        std::filesystem::create_directory(rig.pictures / "title.bmp");
        write_text(rig.pictures / "title.bmp/keep", "kept");
        if (*catalog) rig.catalogs.set(catalogs::bmp_catalog, rig.program / catalog);
        rig.modal.answers = {Answer::yes};
        EXPECT_FALSE(rig.save(rig.pictures / "title.pic", "ORVAK [11M]: Savebmp"));
        EXPECT_EQ(shown(rig.modal.messages).back(),
                  Shown(text, title, Buttons::ok, Icon::exclamation));
        EXPECT_EQ(read_text(rig.pictures / "title.bmp/keep"), "kept");
        EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"title.bmp"});
        EXPECT_EQ(folder_names(rig.program.path()), std::vector<std::string>{"plain"});
    }
}

}  // namespace
