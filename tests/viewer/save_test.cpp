// Save from the main window onto a name that a pipe holds: refused in the
// window's words, and the pipe is left alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;

TEST(ViewerSave, APipeAtTheNameIsRefusedAndLeftAlone) {
    ViewerRig rig;
    rig.open_bytes("title.pic", std::string(16384, '\x1B'));
    ASSERT_EQ(::mkfifo((rig.files / "title.bmp").c_str(), 0644), 0);
    rig.modal.answers = {Answer::yes};
    ::alarm(20);  // opening the pipe would wait for a reader for ever
    rig.choose("savebmp_mnu");
    ::alarm(0);
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{
                  {"File exist. Rewrite?", "ORVAK", Buttons::yes_no_default_no, Icon::question},
                  {"Error 17: File exists", "ORVAK: Savebmp", Buttons::ok, Icon::exclamation}}));
    struct stat info {};
    ASSERT_EQ(::lstat((rig.files / "title.bmp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
