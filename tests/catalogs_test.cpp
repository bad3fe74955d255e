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

TEST(SettingsText, ConverterAndViewerLines) {
    EXPECT_EQ(converter_with({folder + "/BBD", "/home/me/pics", ""}).settings_text(),
              "*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\n"
              "/home/me/pics\r\n11M catalog>\r\n\r\n");
    Catalogs viewer(catalogs::viewer_settings(), folder);
    viewer.set(catalogs::bmp_catalog, folder + "/BMP");
    EXPECT_EQ(viewer.settings_text(), "*******ORVAK_Ini*******\r\nBMP catalog>\r\ndefault\r\n");
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
}

TEST(ParseSettings, ReadsCrLfAndLfIgnoringLabels) {
    for (const std::string nl : {"\r\n", "\n"}) {
        Catalogs c = converter_with({"x", "x", "x"});
        EXPECT_EQ(c.parse_settings("*******KVARO_Ini*******" + nl + "BBD catalog>" + nl + "/b" +
                                   nl + "anything" + nl + "default" + nl + nl + nl),
                  ParseStatus::read);
        EXPECT_EQ(values(c), (Values{"/b", "default", ""}));
    }
}

TEST(ParseSettings, WrongHeaderChangesNothing) {
    for (const char* text : {"******KVARO_Ini*******\r\nBBD catalog>\r\n/b\r\n",
                             "*******ORVAK_Ini*******\r\nBBD catalog>\r\n/b\r\n",
                             "\r\nBBD catalog>\r\n/b\r\n", "\x01\xff\xfe garbage"}) {
        Catalogs c = converter_with({"1", "2", "3"});
        EXPECT_EQ(c.parse_settings(text), ParseStatus::not_settings) << text;
        EXPECT_EQ(values(c), (Values{"1", "2", "3"}));
    }
}

TEST(ParseSettings, EndingEarlyKeepsWhatWasRead) {
    Catalogs c = converter_with({"1", "2", "3"});
    EXPECT_EQ(c.parse_settings("*******KVARO_Ini*******\r\nBBD catalog>\r\n/b\r\nPIC catalog>\r\n"),
              ParseStatus::ended_early);
    EXPECT_EQ(values(c), (Values{"/b", "2", "3"}));
    EXPECT_EQ(c.parse_settings(""), ParseStatus::ended_early);
    EXPECT_EQ(c.parse_settings("*******KVARO_Ini*******"), ParseStatus::ended_early);
    EXPECT_EQ(values(c), (Values{"/b", "2", "3"}));
}

TEST(ParseSettings, SurvivesBinaryAndLongLines) {
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = char(i * 37 % 256);
    Catalogs c = converter_with({"1", "2", "3"});
    EXPECT_EQ(c.parse_settings(binary), ParseStatus::not_settings);
    const std::string line(1 << 20, 'a');
    EXPECT_EQ(c.parse_settings("*******KVARO_Ini*******\r\n" + line + "\r\n" + line),
              ParseStatus::ended_early);
    EXPECT_EQ(c.value(catalogs::bbd_catalog), line);
}

TEST(Catalogs, RoundTripThroughText) {
    const Catalogs written = converter_with({folder + "/BBD", "/p i c/ü", ""});
    Catalogs read(catalogs::converter_settings(), folder);
    ASSERT_EQ(read.parse_settings(written.settings_text()), ParseStatus::read);
    EXPECT_EQ(values(read), (Values{"default", "/p i c/ü", ""}));
    read.resolve_default(catalogs::bbd_catalog);
    read.resolve_default(catalogs::pic_catalog);
    EXPECT_EQ(values(read), (Values{folder + "/BBD", "/p i c/ü", ""}));
    EXPECT_EQ(read.settings_text(), written.settings_text());
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
