#include "catalogs/catalog_ops.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogs/catalogs.h"
#include "platform/scripted_modal.h"
#include "tests/support/temp_folder.h"

namespace {

using platform::Buttons;
using platform::Icon;
using Shown = std::tuple<std::string, std::string, Buttons, Icon>;
using testing_support::TempFolder;

const std::string marker(catalogs::no_catalog);

std::vector<Shown> shown(const platform::ScriptedModal& modal) {
    std::vector<Shown> out;
    for (const auto& m : modal.messages) out.emplace_back(m.text, m.title, m.buttons, m.icon);
    return out;
}

TEST(CatalogOps, FileAndOutputNames) {
    EXPECT_EQ(catalogs::file_name_of("/a/b/c.pic"), "c.pic");
    EXPECT_EQ(catalogs::file_name_of("c.pic"), "");
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"/pics/cat.jpg", "/bk", ".pic", "/bk/cat.pic"},
        {"/pics/cat.jpg", marker, ".pic", "/pics/cat.pic"},
        {"/pics/cat.gif", "/bk/sprites", ".bbd", "/bk/sprites/cat.bbd"},
        {"/a/photo.jpeg", marker, ".pic", "/a/photo..pic"},
        {"/a/b.c/x.bmp", "/bk", ".pic", "/bk/x.pic"},
        {"/a/xабвg", marker, ".pic", "/a/x.pic"},               // characters, not bytes
        {"/a/caf\xe9.jpg", "/bk", ".pic", "/bk/caf\xe9.pic"}};  // a byte that is not UTF-8
    for (const auto& [source, folder, extension, expected] : cases)
        EXPECT_EQ(catalogs::output_name(source, folder, extension), expected) << source;
}

// No catalog gives the marker; a catalog is made or kept silently; one that
// cannot be made is shown and ends the command with no output path.
TEST(EnsureCatalog, MakesTheFolderOrShowsWhyNot) {
    TempFolder temp;
    testing_support::write_text(temp / "file", "x");
    platform::ScriptedModal modal;
    EXPECT_EQ(catalogs::ensure_catalog("", modal, "KVARO"), marker);
    for (int time = 0; time < 2; ++time)
        EXPECT_EQ(catalogs::output_path("/src/cat.jpg", temp / "PIC", ".pic", modal, "KVARO"),
                  temp / "PIC/cat.pic");
    EXPECT_TRUE(std::filesystem::is_directory(temp / "PIC"));
    EXPECT_TRUE(modal.messages.empty());
    EXPECT_EQ(catalogs::output_path("/src/cat.jpg", temp / "missing/PIC", ".pic", modal, "KVARO"),
              std::nullopt);
    EXPECT_EQ(catalogs::ensure_catalog(temp / "file/PIC", modal, "KVARO"), "");
    const auto failure = [](const char* text) {
        return Shown{text, "KVARO : creatcatalog", Buttons::ok, Icon::exclamation};
    };
    EXPECT_EQ(shown(modal), (std::vector{failure("Error 2: No such file or directory"),
                                         failure("Error 20: Not a directory")}));
    EXPECT_FALSE(testing_support::exists(temp / "missing"));
}

TEST(AskRewrite, AsksOnlyAboutAnExistingFile) {
    TempFolder temp;
    platform::ScriptedModal modal;
    modal.answers = {platform::Answer::yes, platform::Answer::no};
    EXPECT_EQ(catalogs::ask_rewrite(temp / "cat.pic", modal, "KVARO"), 0);
    EXPECT_TRUE(modal.messages.empty());
    testing_support::write_text(temp / "cat.pic", "old");
    EXPECT_EQ(catalogs::ask_rewrite(temp / "cat.pic", modal, "KVARO"), 1);
    EXPECT_EQ(catalogs::ask_rewrite(temp / "cat.pic", modal, "KVARO"), 2);
    EXPECT_EQ(shown(modal), (std::vector<Shown>(2, {"File exist. Rewrite?", "KVARO",
                                                    Buttons::yes_no_default_no, Icon::question})));
    EXPECT_EQ(testing_support::read_text(temp / "cat.pic"), "old");
}

}  // namespace
