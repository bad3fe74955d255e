// The launcher window: its buttons, what each starts, Exit, and failures,
// first with a recorded process start, then with real detached processes.
#include <gtest/gtest.h>

#include <QPushButton>
#include <chrono>
#include <filesystem>
#include <thread>

#include "launcher/main_window.h"
#include "platform/detached_start.h"
#include "platform/scripted_modal.h"
#include "tests/support/main_window_rig.h"

namespace {

using namespace testing_support;
using platform::Buttons;
using platform::Icon;

using Started = std::pair<std::string, std::vector<std::string>>;

// Records every start.
class RecordedStart : public platform::ProcessStart {
  public:
    std::vector<Started> started;

    std::optional<platform::Failure> start(const std::string& program,
                                           const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return std::nullopt;
    }
};

// The launcher over a process start, shown, answered by a script.
struct LauncherRig {
    explicit LauncherRig(platform::ProcessStart& start) : form(start, modal) { form.show(); }
    QPushButton& button(const char* name) { return *form.findChild<QPushButton*>(name); }
    platform::ScriptedModal modal;
    launcher::Form1 form;
};

Shown cannot_start(const char* text) {
    return {text, "KVARO shell", Buttons::ok, Icon::exclamation};
}

TEST(Launcher, CaptionButtonsAndTabOrder) {
    RecordedStart start;
    LauncherRig rig(start);
    EXPECT_EQ(rig.form.windowTitle(), "KVARO shell");
    QString captions;
    QWidget* previous = nullptr;
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
        QPushButton& push = rig.button(name);
        captions += push.text() + ", ";
        EXPECT_EQ(push.accessibleName(), push.text());
        EXPECT_GE(push.width(), push.fontMetrics().horizontalAdvance(push.text()) + 8) << name;
        EXPECT_TRUE(previous == nullptr || previous->nextInFocusChain() == &push) << name;
        previous = &push;
    }
    EXPECT_EQ(captions,
              "KVARO (normal mode), KVARO (11M mode), ORVAK (normal mode), "
              "ORVAK (11M mode), Exit, ");
}

TEST(Launcher, EachClickStartsOneMoreInstanceUntilExit) {
    RecordedStart start;
    LauncherRig rig(start);
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command1"}) {
        rig.button(name).click();
    }
    EXPECT_EQ(start.started, (std::vector<Started>{{"kvaro", {}},
                                                   {"kvaro", {"/11m"}},
                                                   {"orvak", {}},
                                                   {"orvak", {"/11m"}},
                                                   {"kvaro", {}}}));
    EXPECT_TRUE(rig.modal.messages.empty());
    EXPECT_TRUE(rig.form.isVisible());
    rig.button("Command5").click();  // Exit, without a question
    EXPECT_FALSE(rig.form.isVisible());
    EXPECT_EQ(start.started.size(), 5u);
    EXPECT_TRUE(rig.modal.messages.empty());
}

// Real starts. A stand-in program, a shell script, leaves one file per run
// beside itself that holds its arguments, each followed by '|'.
void write_stand_in(const std::string& path) {
    write_text(path,
               "#!/bin/sh\n"
               "printf '%s|' \"$@\" > \"$0.$$.tmp\" && mv \"$0.$$.tmp\" \"$0.$$.run\"\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

// The contents of the run files of `program`, once `count` have appeared.
std::vector<std::string> runs_of(const TempFolder& folder, const std::string& program,
                                 std::size_t count) {
    std::vector<std::string> runs;
    for (int tries = 0; tries < 500 && runs.size() < count; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        runs.clear();
        for (const std::string& name : folder_names(folder.path())) {
            if (name.starts_with(program + ".") && name.ends_with(".run")) {
                runs.push_back(read_text(folder / name));
            }
        }
    }
    return runs;
}

TEST(LauncherRealStart, StartsDetachedProgramsFromItsOwnFolder) {
    TempFolder folder;
    write_stand_in(folder / "kvaro");
    write_stand_in(folder / "orvak");
    platform::DetachedStart start(folder.path(), "");
    LauncherRig rig(start);
    for (const char* name : {"Command2", "Command2", "Command3"}) rig.button(name).click();
    EXPECT_EQ(runs_of(folder, "kvaro", 2), (std::vector<std::string>{"/11m|", "/11m|"}));
    EXPECT_EQ(runs_of(folder, "orvak", 1), (std::vector<std::string>{"|"}));
    EXPECT_TRUE(rig.modal.messages.empty());
}

TEST(LauncherRealStart, MissingOrBrokenProgramFilesAreReported) {
    TempFolder folder;
    write_stand_in(folder / "kvaro");
    write_text(folder / "orvak", "neither a script nor a program");
    std::filesystem::permissions(folder / "orvak", std::filesystem::perms::owner_all);
    platform::DetachedStart start(folder.path(), folder / "nowhere");
    LauncherRig rig(start);
    std::filesystem::remove(folder / "kvaro");
    rig.button("Command1").click();
    rig.button("Command4").click();
    EXPECT_EQ(shown(rig.modal.messages),
              (std::vector<Shown>{cannot_start("Error 2: No such file or directory"),
                                  cannot_start("Error 8: Exec format error")}));
    write_stand_in(folder / "kvaro");
    rig.button("Command1").click();
    EXPECT_EQ(runs_of(folder, "kvaro", 1), (std::vector<std::string>{"|"}));
}

}  // namespace
