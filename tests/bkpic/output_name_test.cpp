#include "bkpic/output_name.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* input;
    const char* folder;
    const char* output;
};

TEST(BkpicOutputName, TheWholeExtensionGivesWay) {
    const NameCase cases[] = {
        {"photo.jpg", "", "photo.pic"},         {"/p/photo.jpeg", "", "/p/photo.pic"},
        {"/p/PHOTO.JPEG", "", "/p/PHOTO.pic"},  {"/p/photo.tar.png", "", "/p/photo.tar.pic"},
        {"/p/photo", "", "/p/photo.pic"},       {"/p.d/photo", "", "/p.d/photo.pic"},
        {"/p/.photo", "", "/p/.photo.pic"},     {"/p/photo.jpeg", "/out", "/out/photo.pic"},
        {"photo.gif", "out/", "out/photo.pic"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(bkpic::output_name(c.input, c.folder, ".pic"), c.output) << c.input;
    }
}

}  // namespace
