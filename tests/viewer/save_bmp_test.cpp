// Save: the BMP file's name and folder, the overwrite question, the
// messages, and failures that leave old files whole.
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

std::vector<Shown> shown(const platform::ScriptedModal& modal) {
    std::vector<Shown> out;
    for (const auto& m : modal.messages) out.emplace_back(m.text, m.title, m.buttons, m.icon);
    return out;
}

Shown saved(const std::string& path) {
    return {"File " + path + " saved", "orvak", Buttons::ok, Icon::none};
}

const Shown rewrite{"File exist. Rewrite?", "ORVAK", Buttons::yes_no_default_no, Icon::question};

struct SaveRig {
    SaveRig() : catalogs(catalogs::viewer_settings(), program.path()), picture(4, 2, 65280) {}
    bool save(const std::string& file_name, std::string_view title = "ORVAK: Savebmp") {
        return viewer::savebmp(picture, file_name, catalogs, modal, title);
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

TEST(SaveBmp, WithoutACatalogTheFileGoesBesideTheBkFile) {
    SaveRig rig;
    EXPECT_TRUE(rig.save(rig.pictures / "title.pic"));
    EXPECT_EQ(shown(rig.modal), std::vector<Shown>{saved(rig.pictures / "title.bmp")});
    EXPECT_EQ(read_text(rig.pictures / "title.bmp"), rig.bmp_bytes());
}

TEST(SaveBmp, TheCatalogIsMadeWhenMissing) {
    SaveRig rig;
    rig.catalogs.set(catalogs::bmp_catalog, rig.program / "out");
    EXPECT_TRUE(rig.save(rig.pictures / "title.bbd"));
    EXPECT_EQ(shown(rig.modal), std::vector<Shown>{saved(rig.program / "out/title.bmp")});
    EXPECT_EQ(folder_names(rig.program / "out"), std::vector<std::string>{"title.bmp"});
    EXPECT_TRUE(folder_names(rig.pictures.path()).empty());
}

TEST(SaveBmp, OnlyTheLastFourCharactersAreReplaced) {
    SaveRig rig;
    EXPECT_TRUE(rig.save(rig.pictures / "a.pict"));
    EXPECT_TRUE(exists(rig.pictures / "a..bmp"));
    EXPECT_TRUE(rig.save(rig.pictures / "b.11M"));
    EXPECT_TRUE(exists(rig.pictures / "b.bmp"));
}

TEST(SaveBmp, AnExistingFileIsReplacedOnlyAfterYes) {
    SaveRig rig;
    write_text(rig.pictures / "title.bmp", "old");
    rig.modal.answers = {Answer::no};
    EXPECT_FALSE(rig.save(rig.pictures / "title.pic"));
    EXPECT_EQ(shown(rig.modal), std::vector<Shown>{rewrite});
    EXPECT_EQ(read_text(rig.pictures / "title.bmp"), "old");

    rig.modal.messages.clear();
    rig.modal.answers = {Answer::yes};
    EXPECT_TRUE(rig.save(rig.pictures / "title.pic"));
    EXPECT_EQ(shown(rig.modal), (std::vector<Shown>{rewrite, saved(rig.pictures / "title.bmp")}));
    EXPECT_EQ(read_text(rig.pictures / "title.bmp"), rig.bmp_bytes());
    EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"title.bmp"});
}

TEST(SaveBmp, ACatalogThatCannotBeMadeEndsTheCommand) {
    SaveRig rig;
    rig.catalogs.set(catalogs::bmp_catalog, rig.program / "no/such");
    EXPECT_FALSE(rig.save(rig.pictures / "title.pic"));
    EXPECT_EQ(shown(rig.modal),
              (std::vector<Shown>{{"Error 2: No such file or directory", "ORVAK : creatcatalog",
                                   Buttons::ok, Icon::exclamation}}));
    EXPECT_TRUE(folder_names(rig.pictures.path()).empty());
}

TEST(SaveBmp, AFailedWriteIsShownAndLeavesWhatWasThere) {
    SaveRig rig;
    // A catalog that is a file: nothing can be written inside it.
    write_text(rig.program / "plain", "x");
    rig.catalogs.set(catalogs::bmp_catalog, rig.program / "plain");
    EXPECT_FALSE(rig.save(rig.pictures / "title.pic", "ORVAK [11M]: Savebmp"));
    EXPECT_EQ(shown(rig.modal),
              (std::vector<Shown>{{"Error 20: Not a directory", "ORVAK [11M]: Savebmp", Buttons::ok,
                                   Icon::exclamation}}));

    // A folder in the file's place cannot be replaced; it stays, and no
    // temporary file is left beside it.
    rig.modal.messages.clear();
    rig.catalogs.set(catalogs::bmp_catalog, "");
    std::filesystem::create_directory(rig.pictures / "title.bmp");
    write_text(rig.pictures / "title.bmp/keep", "kept");
    rig.modal.answers = {Answer::yes};
    EXPECT_FALSE(rig.save(rig.pictures / "title.pic"));
    ASSERT_EQ(rig.modal.messages.size(), 2u);
    EXPECT_EQ(rig.modal.messages[1].text, "Error 21: Is a directory");
    EXPECT_EQ(rig.modal.messages[1].title, "ORVAK: Savebmp");
    EXPECT_EQ(read_text(rig.pictures / "title.bmp/keep"), "kept");
    EXPECT_EQ(folder_names(rig.pictures.path()), std::vector<std::string>{"title.bmp"});
}

TEST(SaveBmp, NoFileNameHasNoExtensionToReplace) {
    SaveRig rig;
    rig.catalogs.set(catalogs::bmp_catalog, rig.program / "BMP");
    EXPECT_FALSE(rig.save("", "ORVAK [11M]: Savebmp"));
    EXPECT_EQ(shown(rig.modal),
              (std::vector<Shown>{{"Error 22: Invalid argument", "ORVAK [11M]: Savebmp",
                                   Buttons::ok, Icon::exclamation}}));
    EXPECT_TRUE(folder_names(rig.program / "BMP").empty());
}

}  // namespace
