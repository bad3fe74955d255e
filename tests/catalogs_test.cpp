#include "catalogs/catalogs.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace {

using catalogs::Catalogs;
using catalogs::ParseStatus;
using Values = std::vector<std::string>;

const std::string folder = "/opt/kvaro";

Catalogs converter_with(const Values& v) {
    Catalogs c(catalogs::converter_settings(), folder);
    for (int i = 0; i < 3; ++i) c.set(i, v[i]);
    return c;
}

Values values(const Catalogs& c) {
    return {c.value(0), c.value(1), c.value(2)};
}

// The package installs these as /etc/xdg/kvaro/kvaro.ini and orvak.ini, the
// settings an installed program's first start begins with.
TEST(SettingsText, ShippedDefaultsAreEveryCatalogEmpty) {
    for (const auto* program : {&catalogs::converter_settings(), &catalogs::viewer_settings()}) {
        EXPECT_EQ(testing_support::read_text(testing_support::desktop_file(program->settings_file)),
                  Catalogs(*program, folder).settings_text());
    }
}

TEST(SettingsText, OnlyTheExactDefaultFolderIsWrittenAsDefault) {
    const std::pair<std::string, std::string> cases[] = {{folder + "/PIC", "default"},
                                                         {folder + "/pic", folder + "/pic"},
                                                         {folder + "/PIC/", folder + "/PIC/"},
                                                         {folder + "/BBD", folder + "/BBD"},
                                                         {"/opt/kvaro2/PIC", "/opt/kvaro2/PIC"},
                                                         {"default", "default"},
                                                         {"", ""}};
    for (const auto& [value, line] : cases)
        EXPECT_EQ(converter_with({"", value, ""}).value_line(catalogs::pic_catalog), line);
    Catalogs viewer(catalogs::viewer_settings(), folder);
    viewer.set(catalogs::bmp_catalog, folder + "/BMP");
    EXPECT_EQ(viewer.settings_text(), "*******ORVAK_Ini*******\r\nBMP catalog>\r\ndefault\r\n");
}

TEST(Catalogs, RoundTripThroughText) {
    const Catalogs written = converter_with({folder + "/BBD", "/p i c/ü", ""});
    EXPECT_EQ(written.settings_text(),
              "*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\n"
              "/p i c/ü\r\n11M catalog>\r\n\r\n");
    Catalogs read(catalogs::converter_settings(), folder);
    ASSERT_EQ(read.parse_settings(written.settings_text()), ParseStatus::read);
    EXPECT_EQ(values(read), (Values{"default", "/p i c/ü", ""}));
    read.resolve_default(catalogs::bbd_catalog);
    read.resolve_default(catalogs::pic_catalog);
    EXPECT_EQ(values(read), (Values{folder + "/BBD", "/p i c/ü", ""}));
}

// Labels are not checked; a wrong header changes nothing; a text ending
// early keeps what was read; binary and very long lines are survived.
TEST(ParseSettings, ReadsWhatIsThereAndNoMore) {
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = char(i * 37 % 256);
    const std::string head = "*******KVARO_Ini*******\r\n", line(1 << 20, 'a');
    const Values old{"1", "2", "3"};
    using enum ParseStatus;
    const std::tuple<std::string, ParseStatus, Values> cases[] = {
        {head + "BBD catalog>\r\n/b\r\nx\r\ndefault\r\n\r\n\r\n", read, {"/b", "default", ""}},
        {"*******KVARO_Ini*******\nBBD\n/b\n\ndefault\n\n\n", read, {"/b", "default", ""}},
        {"******KVARO_Ini*******\r\nBBD catalog>\r\n/b\r\n", not_settings, old},
        {"*******ORVAK_Ini*******\r\nBBD catalog>\r\n/b\r\n", not_settings, old},
        {"\r\nBBD catalog>\r\n/b\r\n", not_settings, old},
        {binary, not_settings, old},
        {head + "BBD catalog>\r\n/b\r\nPIC catalog>\r\n", ended_early, {"/b", "2", "3"}},
        {"", ended_early, old},
        {"*******KVARO_Ini*******", ended_early, old},
        {head + line + "\r\n" + line, ended_early, {line, "2", "3"}}};
    for (const auto& [text, status, after] : cases) {
        Catalogs c = converter_with(old);
        EXPECT_EQ(c.parse_settings(text), status) << text.substr(0, 60);
        EXPECT_EQ(values(c), after) << text.substr(0, 60);
    }
}

TEST(Catalogs, TakeTypedResetsOnlyWithItsOwnText) {
    const std::tuple<int, std::string, std::string> cases[] = {
        {catalogs::pic_catalog, "*pic", "default"},
        {catalogs::pic_catalog, "*PIC", "*PIC"},
        {catalogs::pic_catalog, "default", "default"},
        {catalogs::pic_catalog, "*bbd", "*bbd"},
        {catalogs::bbd_catalog, "*bbd", "default"},
        {catalogs::m11_catalog, "*11M", "default"},
        {catalogs::pic_catalog, "", ""},
        // pasted line breaks and other controls go; stray bytes of a code page stay
        {catalogs::pic_catalog, "*pic\r\n", "default"},
        {catalogs::pic_catalog, "\t/a\x7f/b\xc2\x85\xe9\n", "/a/b\xe9"}};
    for (const auto& [index, typed, taken] : cases) {
        Catalogs c = converter_with({"b", "p", "m"});
        c.take_typed(index, typed);
        EXPECT_EQ(c.value(index), taken) << typed;
    }
}

}  // namespace
