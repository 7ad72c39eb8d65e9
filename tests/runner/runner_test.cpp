// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/runner/headless_driver.h"
#include "tests/runner/runner.h"
#include "tests/runner/scenario.h"

namespace ventrose::scenario {
namespace {

struct Played {
    bool passed;
    std::string report;
};

Played play(const std::string& text) {
    const Scenario scenario = ParseScenario(text);
    EXPECT_FALSE(scenario.error) << scenario.error->message;
    HeadlessDriver driver;
    std::ostringstream out;
    Runner runner("t.scn", scenario, driver, out);
    const bool passed = runner.run();
    return {passed, out.str()};
}

// Each row: a scenario whose fault the runner must catch, and the report line it must give.
TEST(Runner, ReportsWhatDidNotHold) {
    struct Row {
        const char* what;
        const char* scenario;
        const char* report;
    };
    const Row rows[] = {
        {"a caption", "expect frmMainCalc.lblVp.Caption \"12 kts\"\n",
         "t.scn:1: expect frmMainCalc.lblVp.Caption \"12 kts\": \"12 kts\", got \"120 kts\"\n"},
        {"a step after the end",
         "click frmMainCalc.cmdQuit\nclick frmQuit\n\nexpect frmMainCalc.Caption \"x\"\n",
         "t.scn:4: expect frmMainCalc.Caption \"x\": an application still running, got it has "
         "ended\n"},
        {"a step that was not refused", "refused click frmMainCalc.cmdClear\n",
         "t.scn:1: refused click frmMainCalc.cmdClear: frmMainCalc refusing input, got it takes "
         "input\n"},
        {"an unknown control", "drag frmMainCalc.hscNone 3\n",
         "t.scn:1: drag frmMainCalc.hscNone 3: a step that runs, got an exception: no control "
         "hscNone in "
         "frmMainCalc\n"},
        {"the log", "expect-log \"load frmMainCalc\"\n",
         "t.scn:1: expect-log \"load frmMainCalc\": \"load frmMainCalc\", got \"load frmMainCalc; "
         "show "
         "frmMainCalc\"\n"},
        {"a message box that never came", "expect-msgbox \"a\" \"b\" 48\n",
         "t.scn:1: expect-msgbox \"a\" \"b\" 48: a message box, got none\n"},
        {"the window taking input", "expect-modal frmQuit\n",
         "t.scn:1: expect-modal frmQuit: frmQuit taking input, got frmMainCalc\n"},
        {"a file that was never written", "expect-file \"log.vlog\"\n",
         "t.scn:1: expect-file \"log.vlog\": a file \"log.vlog\", got none\n"},
        {"keys that no control of the window has", "shortcut frmMainCalc \"Ctrl+K\"\n",
         "t.scn:1: shortcut frmMainCalc \"Ctrl+K\": a step that runs, got an exception: no "
         "control of frmMainCalc has the keys Ctrl+K\n"},
        {"a simulator where there is none", "simulator xplane\n",
         "t.scn:1: simulator xplane: a simulator, got none in a build without Qt\n"},
        {"answers no dialog took",
         "answer-file \"log.vlog\"\nanswer-save cancel\nanswer-yesno no\n",
         "t.scn:3: end of file: every answer taken by a dialog, got answer-file \"log.vlog\" "
         "unused\n"
         "t.scn:3: end of file: every answer taken by a dialog, got answer-save cancel unused\n"
         "t.scn:3: end of file: every answer taken by a dialog, got answer-yesno no unused\n"},
    };
    for (const Row& row : rows) {
        const Played played = play(row.scenario);
        EXPECT_FALSE(played.passed) << row.what;
        EXPECT_EQ(played.report, row.report) << row.what;
    }
}

TEST(Runner, RejectsMalformedStepsWithTheirLine) {
    struct Row {
        const char* text;
        int line;
    };
    const Row rows[] = {
        {"expect frmMainCalc.lblVp.Caption 120\n", 1},
        {"# comment\n\nclick\n", 3},
        {"type frmVitesse.txtTempExt \"unterminated\n", 1},
        {"expect frmMainCalc.hscVp.Colour 3\n", 1},
        {"arrow frmMainCalc.hscVp * 2\n", 1},
        {"type a.b \"\\q\"\n", 1},
        {"refused expect frmMainCalc.Caption \"x\"\n", 1},
        {"fly frmMainCalc\n", 1},
        {"click frmLog(1).cmdAjouter\n", 1},
        {"type frmLog.txtRm(0) \"1\"\n", 1},
        {"type frmLog.txtRm() \"1\"\n", 1},
        {"type frmLog.txtRm(01) \"1\"\n", 1},
        {"type frmLog.txtRm(x) \"1\"\n", 1},
        {"type frmLog.txtRm(2 \"1\"\n", 1},
        {"expect frmLog.lblCap.Caption(2) \"1\"\n", 1},
        {"answer-file log.vlog\n", 1},
        {"expect-file \"\"\n", 1},
        {"expect-no-file\n", 1},
        {"answer-save later\n", 1},
        {"answer-yesno oui\n", 1},
        {"shortcut frmMainCalc Ctrl+L\n", 1},
        {"shortcut frmMainCalc.cmdLog \"Ctrl+L\"\n", 1},
        {"shortcut frmMainCalc \"\"\n", 1},
        {"write-file \"a.vlog\"\n", 1},
        {"append-file \"a.vlog\" \"{}\" 0\n", 1},
        {"write-file \"a.vlog\" \"{}\" 9000000\n", 1},
        {"simulator msfs\n", 1},
        {"sim-set tas\n", 1},
        {"sim-set tas 1,5\n", 1},
        {"sim-set tas nan\n", 1},
        {"sim-set tas 1e999\n", 1},
        {"sim-stop now\n", 1},
        {"sim-wait 0\n", 1},
        {"sim-wait 600001\n", 1},
        {"sim-wait 100 click frmMainCalc.cmdClear\n", 1},
        {"sim-wait 100 expect frmMainCalc.lblVp.Caption 120\n", 1},
        {"clock 2026-06-15\n", 1},
        {"clock \"2026-06-15\"\n", 1},
        {"clock \"2026-02-29 10:00\"\n", 1},
        {"clock \"2026-06-15 24:00\"\n", 1},
        {"clock \"2026-6-15 10:00\"\n", 1},
        {"clock \"2026-06-15 10:00:60\"\n", 1},
        {"clock \"2026-06-15 10:00\" +14:01\n", 1},
        {"clock \"2026-06-15 10:00\" \"+02:00\"\n", 1},
        {"clock 90\n", 1},
        {"clock +0\n", 1},
        {"clock +864001\n", 1},
        {"clock +1.5\n", 1},
        {"drop frmLog plan.fms\n", 1},
        {"drop frmLog.txtRm(1) \"plan.fms\"\n", 1},
        {"paste a.b \"\\u00E\"\n", 1},
        {"paste a.b \"\\uD800\"\n", 1},
        {"language de\n", 1},
        {"language \"en\"\n", 1},
        {"click frmMainCalc.cmdClear\nlanguage en\n", 2},
    };
    for (const Row& row : rows) {
        const Scenario s = ParseScenario(row.text);
        ASSERT_TRUE(s.error) << row.text;
        EXPECT_EQ(s.error->line, row.line) << row.text;
    }
}

TEST(Runner, TheLanguageOfAFileIsItsFirstStep) {
    EXPECT_EQ(ScenarioLanguage(ParseScenario("language en\nclick frmMainCalc.cmdClear\n")),
              common::Language::English);
    EXPECT_EQ(ScenarioLanguage(ParseScenario("language fr\n")), common::Language::French);
    EXPECT_EQ(ScenarioLanguage(ParseScenario("click frmMainCalc.cmdClear\n")),
              common::Language::French);
}

// A row of a window's table is named by its column and its row, from 1, in targets and in
// properties alike.
TEST(Runner, ReadsElementsOfControlArrays) {
    const Scenario s = ParseScenario(
        "type frmLog.txtRm(2) \"095\"\n"
        "expect frmLog.lblCap(100).Caption \"095 \xC2\xB0\"\n");
    ASSERT_FALSE(s.error) << s.error->message;
    EXPECT_EQ(SplitPath(s.steps[0].args[0]), (std::vector<std::string>{"frmLog", "txtRm(2)"}));
    EXPECT_EQ(SplitPath(s.steps[1].args[0]),
              (std::vector<std::string>{"frmLog", "lblCap(100)", "Caption"}));
}

// Each dialog takes the next answer of its kind; relative paths are in the scenario's own
// folder, which goes with it; a dialog that finds no answer fails the step that opened it.
TEST(Runner, AnswersDialogsFromTheScript) {
    const Scenario s = ParseScenario(
        "answer-file \"log.vlog\"\n"
        "answer-file \"\"\n"
        "answer-save discard\n"
        "answer-yesno yes\n"
        "expect-file \"log.vlog\"\n"
        "expect-no-file \"log.vlog\"\n"
        "expect-no-msgbox\n");
    ASSERT_FALSE(s.error) << s.error->message;
    std::ostringstream out;
    std::string folder;
    {
        HeadlessDriver driver;
        Runner runner("t.scn", s, driver, out);
        ScriptedDocuments& documents = driver.documents();
        folder = documents.folder();
        for (int i = 0; i < 4; ++i) runner.step();
        const platform::FileDialogRequest save{platform::FileDialogRequest::Mode::Save,
                                               "Enregistrer", "(*.vlog)", ""};
        const auto path = documents.AskFileName(save);
        ASSERT_EQ(path, folder + "/log.vlog");
        EXPECT_EQ(documents.WriteFileAtomic(*path, "{}"), std::nullopt);
        EXPECT_EQ(documents.AskFileName(save), std::nullopt);
        EXPECT_EQ(documents.AskSaveChanges("log.vlog"), platform::SaveChangesAnswer::Discard);
        EXPECT_TRUE(documents.AskYesNo("Reprendre ?", "Log"));
        runner.step();
        EXPECT_EQ(documents.AskSaveChanges("log.vlog"), platform::SaveChangesAnswer::Cancel);
        runner.step();
        EXPECT_TRUE(documents.UnusedAnswers().empty());
        EXPECT_EQ(documents.RecoveryPath("secours.vlog"), folder + "/recovery/secours.vlog");
    }
    EXPECT_EQ(out.str(),
              "t.scn:6: expect-no-file \"log.vlog\": no file \"log.vlog\", got one\n"
              "t.scn:6: expect-no-file \"log.vlog\": an answer before the dialog, got question "
              "whether to save \"log.vlog\" with no answer-save\n");
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(Runner, ReadsEscapesInStrings) {
    const Scenario s = ParseScenario(
        "paste a.b \"\\\"\\\\\\r\\n\\t\\b\\x41\\xE9 x\"\npaste a.b \"\\uFEFF\\u00b0\"\n");
    ASSERT_FALSE(s.error);
    EXPECT_EQ(s.steps[0].args[1], "\"\\\r\n\t\bA\xC3\xA9 x");
    EXPECT_EQ(s.steps[1].args[1], "\xEF\xBB\xBF\xC2\xB0");
    EXPECT_EQ(Quote(s.steps[0].args[1]),
              "\"\\\"\\\\\\r\\n\\t\\b"
              "A\xC3\xA9 x\"");
}

// The clock reads what the last clock step set, in both modes' drivers, from a fixed start.
TEST(Runner, SetsTheClock) {
    const Scenario s = ParseScenario("clock \"2028-02-29 23:59\"\n");
    ASSERT_FALSE(s.error) << s.error->message;
    std::ostringstream out;
    HeadlessDriver driver;
    EXPECT_EQ(platform::UtcDate(driver.clock().Now()), (platform::CalendarDate{2025, 1, 1}));
    Runner runner("t.scn", s, driver, out);
    runner.step();
    const platform::ClockReading now = driver.clock().Now();
    EXPECT_EQ(platform::UtcDate(now), (platform::CalendarDate{2028, 2, 29}));
    EXPECT_EQ(now.utcSeconds % 86400, 23 * 3600 + 59 * 60);
    EXPECT_EQ(now.localOffsetSeconds, 0);
}

// Seconds, a local offset, and a clock moved forward across midnight only by its steps: the
// offset stays until a date step sets another (or none).
TEST(Runner, MovesTheClockOnlyWhenTold) {
    const Scenario s = ParseScenario(
        "clock \"2028-02-29 23:59:40\" -09:30\nclock +90\nclock \"2028-03-01 00:00\"\n");
    ASSERT_FALSE(s.error) << s.error->message;
    std::ostringstream out;
    HeadlessDriver driver;
    Runner runner("t.scn", s, driver, out);
    const auto expectNow = [&driver](platform::CalendarDate date, int seconds, int offset) {
        const platform::ClockReading now = driver.clock().Now();
        EXPECT_EQ(platform::UtcDate(now), date);
        EXPECT_EQ(now.utcSeconds % 86400, seconds);
        EXPECT_EQ(now.localOffsetSeconds, offset);
    };
    runner.step();
    expectNow({2028, 2, 29}, 86380, -34200);
    runner.step();
    expectNow({2028, 3, 1}, 70, -34200);
    runner.step();
    expectNow({2028, 3, 1}, 0, 0);
}

}  // namespace
}  // namespace ventrose::scenario
