#include <gtest/gtest.h>

#include <sstream>

#include "gui/window_fixture.h"
#include "ui/app_options.h"
#include "ui/control_dump.h"
#include "ui/script_runner.h"

namespace kvrm::ui::test {
namespace {

TEST(ScriptParseTest, ReadsActionsAndNamesTheFaultyLine) {
  QString error;
  const auto actions = ParseScript(
      "# a remark\n\nclick Btn_Adv_1\nset cb_Profile Game Mode\nwait 20\nquit\n", &error);
  ASSERT_TRUE(actions) << error.toStdString();
  ASSERT_EQ(actions->size(), 4u);
  EXPECT_EQ((*actions)[0].line, 3);
  EXPECT_EQ((*actions)[1].name, "cb_Profile");
  EXPECT_EQ((*actions)[1].value, "Game Mode");

  struct Case {
    const char* script;
    const char* error;
  };
  const Case cases[] = {{"click Key1\njump Key2\n", "line 2: unknown action \"jump\""},
                        {"set Key1\n", "line 1: set needs a control and a value"},
                        {"dump\n", "line 1: dump needs an argument"},
                        {"wait soon\n", "line 1: wait takes milliseconds, not \"soon\""}};
  for (const Case& c : cases) {
    EXPECT_FALSE(ParseScript(c.script, &error)) << c.script;
    EXPECT_EQ(error.toStdString(), c.error);
  }
}

TEST(AppOptionsTest, UnattendedRunsSimulateUnlessToldOtherwise) {
  std::string error;
  auto options = ParseAppOptions({"--screenshot", "/tmp/x.png", "--page", "4"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(options->simulation.enabled);
  EXPECT_EQ(options->screenshot_page, 4);
  options = ParseAppOptions({"--script", "s.txt", "--no-device"}, &error);
  ASSERT_TRUE(options);
  EXPECT_FALSE(options->simulation.enabled);
  EXPECT_TRUE(options->no_device);
  options = ParseAppOptions({"--script", "s.txt", "--sim-image", "m.bin"}, &error);
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->simulation.enabled);
  EXPECT_EQ(options->simulation.image_path, "m.bin");
  options = ParseAppOptions({"--simulate=4230C", "--sim-log", "l.txt"}, &error);
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->simulation.enabled);
  EXPECT_EQ(options->simulation.variant, "4230C");
  EXPECT_EQ(options->simulation.log_path, "l.txt");
  options = ParseAppOptions({}, &error);
  ASSERT_TRUE(options);
  EXPECT_FALSE(options->simulated());
  EXPECT_FALSE(ParseAppOptions({"--page", "9"}, &error));
  EXPECT_FALSE(ParseAppOptions({"--simulate=4220C"}, &error));
  EXPECT_FALSE(ParseAppOptions({"--fast"}, &error));
}

class ScriptRunTest : public WindowFixture {};

TEST_F(ScriptRunTest, DumpsControlsAndStopsAtAnUnknownOne) {
  CreateWindowWithMouse();
  std::ostringstream out;
  ScriptRunner runner(*window, out);
  QString error;
  const auto actions = ParseScript(
      "hover Btn_Adv_2\ndump Img_Adv_2\nleave Btn_Adv_2\nclick Btn_Adv_2\ndump rb_4\n"
      "dump Btn_Adv_2\ndump Btn_Nothing_1\ndump Key1\n",
      &error);
  ASSERT_TRUE(actions);
  EXPECT_EQ(runner.Run(*actions, &error), 2);
  EXPECT_EQ(error.toStdString(), "line 7: unknown control \"Btn_Nothing_1\"");
  std::istringstream lines(out.str());
  std::string line;
  std::getline(lines, line);
  EXPECT_TRUE(line.starts_with("Img_Adv_2 kind=picture visible=0 enabled=1 image=SetS_02 x="))
      << line;
  std::getline(lines, line);
  EXPECT_TRUE(line.starts_with("rb_4 kind=radio text=\"\" visible=0 enabled=1 checked=1 x="))
      << line;
  std::getline(lines, line);
  EXPECT_TRUE(line.starts_with("Btn_Adv_2 kind=label text=\"Advanced\" visible=1 enabled=1 x="))
      << line;
  EXPECT_FALSE(std::getline(lines, line));
}

}  // namespace
}  // namespace kvrm::ui::test
