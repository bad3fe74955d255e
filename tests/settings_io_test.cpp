#include "catalogs/settings_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/scripted_modal.h"
#include "tests/support/temp_folder.h"

namespace {

using catalogs::Catalogs;
using platform::Buttons;
using platform::Icon;
using testing_support::read_text;
using testing_support::write_text;
using Shown = std::tuple<std::string, std::string, Buttons, Icon>;

const std::string kvaro_text =
    "*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\ndefault\r\n"
    "11M catalog>\r\ndefault\r\n";

class SettingsIo : public testing::Test {
  protected:
    std::vector<Shown> shown() const {
        std::vector<Shown> out;
        for (const auto& m : modal.messages) out.emplace_back(m.text, m.title, m.buttons, m.icon);
        return out;
    }
    static Shown critical(std::string text, std::string title) {
        return {std::move(text), std::move(title), Buttons::ok, Icon::critical};
    }

    testing_support::TempFolder temp;
    std::string ini = temp / "kvaro.ini";
    Catalogs kvaro{catalogs::converter_settings(), temp.path()};
    platform::ScriptedModal modal;
};

// Missing, ended early, or too long to be read whole (not parsed as far as
// it was read): each shown as critical with the program's own title.
TEST_F(SettingsIo, LoadFailuresAreShownAsCritical) {
    EXPECT_EQ(catalogs::load_settings(ini, kvaro, modal), -2);
    write_text(ini, "*******KVARO_Ini*******\r\nBBD catalog>\r\n/b\r\n");
    EXPECT_EQ(catalogs::load_settings(ini, kvaro, modal), -2);
    write_text(ini, "*******KVARO_Ini*******\r\nBBD catalog>\r\n/" + std::string(2 << 20, 'c') +
                        kvaro_text.substr(kvaro_text.find("\r\nPIC")));
    EXPECT_EQ(catalogs::load_settings(ini, kvaro, modal), -2);
    EXPECT_EQ(kvaro.value(catalogs::bbd_catalog), "/b");
    Catalogs orvak(catalogs::viewer_settings(), temp.path());
    catalogs::read_settings_at_load(orvak, modal, {catalogs::bmp_catalog});
    EXPECT_EQ(shown(),
              (std::vector<Shown>{
                  critical("Error 2: No such file or directory", "KVARO: Load ini-file"),
                  critical("Error 61: No data available", "KVARO: Load ini-file"),
                  critical("Error 27: File too large", "KVARO: Load ini-file"),
                  critical("Error 2: No such file or directory", "ORVAK: Load ini-file")}));
}

TEST_F(SettingsIo, WrongHeaderIsSilentInLoadAndReportedAtLoad) {
    write_text(ini, "******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\n");
    kvaro.set(catalogs::bbd_catalog, "default");
    EXPECT_EQ(catalogs::load_settings(ini, kvaro, modal), -1);
    EXPECT_TRUE(modal.messages.empty());
    catalogs::read_settings_at_load(kvaro, modal, {catalogs::bbd_catalog});
    EXPECT_EQ(shown(), (std::vector<Shown>{{"Error: Bad File " + ini + "!", "KVARO", Buttons::ok,
                                            Icon::exclamation}}));
    EXPECT_EQ(kvaro.value(catalogs::bbd_catalog), "default");
}

TEST_F(SettingsIo, AtLoadResolvesOnlyTheWindowsOwnCatalogsFromItsOwnFile) {
    write_text(ini, kvaro_text);
    write_text(temp / "orvak.ini", "*******ORVAK_Ini*******\nBMP catalog>\ndefault\n");
    catalogs::read_settings_at_load(kvaro, modal, {catalogs::bbd_catalog, catalogs::pic_catalog});
    Catalogs orvak(catalogs::viewer_settings(), temp.path());
    catalogs::read_settings_at_load(orvak, modal, {catalogs::bmp_catalog});
    EXPECT_TRUE(modal.messages.empty());
    EXPECT_EQ(kvaro.value(catalogs::bbd_catalog), temp / "BBD");
    EXPECT_EQ(kvaro.value(catalogs::pic_catalog), temp / "PIC");
    EXPECT_EQ(kvaro.value(catalogs::m11_catalog), "default");
    EXPECT_EQ(orvak.value(catalogs::bmp_catalog), temp / "BMP");
}

// The whole file is replaced, with CR LF text; a failed save is shown and
// leaves the old file as it was.
TEST_F(SettingsIo, SaveReplacesTheFileOrShowsWhyNot) {
    const std::string saved =
        "*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\n"
        "/elsewhere\r\n11M catalog>\r\n\r\n";
    write_text(ini, std::string(500, 'x'));
    kvaro.set(catalogs::bbd_catalog, temp / "BBD");
    kvaro.set(catalogs::pic_catalog, "/elsewhere");
    EXPECT_EQ(catalogs::save_settings(ini, kvaro, modal), 0);
    EXPECT_EQ(read_text(ini), saved);
    EXPECT_EQ(catalogs::save_settings(ini + "/kvaro.ini", kvaro, modal), -2);
    std::vector<Shown> failures{critical("Error 20: Not a directory", "KVARO: Save ini-file")};
    if (::geteuid() != 0) {  // root writes into read-only folders
        kvaro.set(catalogs::pic_catalog, "/other");
        ::chmod(temp.path().c_str(), 0555);
        EXPECT_EQ(catalogs::save_settings(ini, kvaro, modal), -2);
        ::chmod(temp.path().c_str(), 0755);
        failures.push_back(critical("Error 13: Permission denied", "KVARO: Save ini-file"));
    }
    EXPECT_EQ(read_text(ini), saved);
    EXPECT_EQ(shown(), failures);
}

}  // namespace
