// The launcher window: its buttons, what each starts, Exit, and failures,
// first with a recorded process start, then with real detached processes.
#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>
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

struct Started {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const Started&) const = default;
};

// Records every start; programs named in `missing` fail as a missing file.
class RecordedStart : public platform::ProcessStart {
  public:
    std::vector<Started> started;
    std::vector<std::string> missing;

    std::optional<platform::Failure> start(const std::string& program,
                                           const std::vector<std::string>& arguments) override {
        if (std::find(missing.begin(), missing.end(), program) != missing.end()) {
            return platform::Failure{2, "No such file or directory"};
        }
        started.push_back({program, arguments});
        return std::nullopt;
    }
};

QPushButton& button(QWidget& window, const char* name) {
    auto* found = window.findChild<QPushButton*>(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

TEST(Launcher, CaptionSizeButtonsAndTabOrder) {
    RecordedStart start;
    platform::ScriptedModal modal;
    launcher::Form1 form(start, modal);
    EXPECT_EQ(form.windowTitle(), "KVARO shell");
    EXPECT_EQ(form.size(), QSize(312, 233));
    const std::tuple<const char*, const char*, int> expected[] = {
        {"Command1", "KVARO (normal mode)", 24},
        {"Command2", "KVARO (11M mode)", 64},
        {"Command3", "ORVAK (normal mode)", 104},
        {"Command4", "ORVAK (11M mode)", 144},
        {"Command5", "Exit", 184}};
    QWidget* previous = nullptr;
    for (const auto& [name, caption, top] : expected) {
        QPushButton& push = button(form, name);
        EXPECT_EQ(push.text(), caption);
        EXPECT_EQ(push.accessibleName(), caption);
        EXPECT_EQ(push.geometry(), QRect(40, top, 233, 25)) << name;
        EXPECT_GE(push.width(), push.fontMetrics().horizontalAdvance(push.text()) + 8) << name;
        if (previous != nullptr) {
            EXPECT_EQ(previous->nextInFocusChain(), &push) << name;
        }
        previous = &push;
    }
}

struct ButtonCase {
    const char* name;
    Started started;
};

void PrintTo(const ButtonCase& c, std::ostream* os) {
    *os << c.name;
}

class LauncherButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(LauncherButton, EachClickStartsOneMoreInstanceAndTheLauncherStaysOpen) {
    RecordedStart start;
    platform::ScriptedModal modal;
    launcher::Form1 form(start, modal);
    form.show();
    button(form, GetParam().name).click();
    button(form, GetParam().name).click();
    EXPECT_EQ(start.started, (std::vector<Started>{GetParam().started, GetParam().started}));
    EXPECT_TRUE(modal.messages.empty());
    EXPECT_TRUE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Buttons, LauncherButton,
                         ::testing::Values(ButtonCase{"Command1", {"kvaro", {}}},
                                           ButtonCase{"Command2", {"kvaro", {"/11m"}}},
                                           ButtonCase{"Command3", {"orvak", {}}},
                                           ButtonCase{"Command4", {"orvak", {"/11m"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Launcher, ExitClosesWithoutAQuestion) {
    RecordedStart start;
    platform::ScriptedModal modal;
    launcher::Form1 form(start, modal);
    form.show();
    button(form, "Command5").click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(start.started.empty());
    EXPECT_TRUE(modal.messages.empty());
}

TEST(Launcher, AProgramThatCannotStartIsReportedAndTheOthersStillStart) {
    RecordedStart start;
    start.missing = {"orvak"};
    platform::ScriptedModal modal;
    launcher::Form1 form(start, modal);
    form.show();
    button(form, "Command3").click();
    EXPECT_EQ(shown(modal.messages),
              (std::vector<Shown>{{"Error 2: No such file or directory", "KVARO shell", Buttons::ok,
                                   Icon::exclamation}}));
    button(form, "Command2").click();
    EXPECT_EQ(start.started, (std::vector<Started>{{"kvaro", {"/11m"}}}));
    EXPECT_TRUE(form.isVisible());
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
    platform::ScriptedModal modal;
    launcher::Form1 form(start, modal);
    button(form, "Command2").click();
    button(form, "Command2").click();
    button(form, "Command3").click();
    EXPECT_EQ(runs_of(folder, "kvaro", 2), (std::vector<std::string>{"/11m|", "/11m|"}));
    EXPECT_EQ(runs_of(folder, "orvak", 1), (std::vector<std::string>{"|"}));
    EXPECT_TRUE(modal.messages.empty());
}

TEST(LauncherRealStart, MissingOrBrokenProgramFilesAreReported) {
    TempFolder folder;
    write_stand_in(folder / "kvaro");
    write_text(folder / "orvak", "neither a script nor a program");
    std::filesystem::permissions(folder / "orvak", std::filesystem::perms::owner_all);
    platform::DetachedStart start(folder.path(), folder / "nowhere");
    platform::ScriptedModal modal;
    launcher::Form1 form(start, modal);
    std::filesystem::remove(folder / "kvaro");
    button(form, "Command1").click();
    button(form, "Command4").click();
    EXPECT_EQ(
        shown(modal.messages),
        (std::vector<Shown>{
            {"Error 2: No such file or directory", "KVARO shell", Buttons::ok, Icon::exclamation},
            {"Error 8: Exec format error", "KVARO shell", Buttons::ok, Icon::exclamation}}));
    write_stand_in(folder / "kvaro");
    button(form, "Command1").click();
    EXPECT_EQ(runs_of(folder, "kvaro", 1), (std::vector<std::string>{"|"}));
}

}  // namespace
