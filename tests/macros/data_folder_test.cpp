#include "common/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
namespace kvrm {
namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
 public:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        setenv(it->first.c_str(), it->second->c_str(), 1);
      } else {
        unsetenv(it->first.c_str());
      }
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(DataFolderTest, ChoosesTheFolderInOrder) {
  struct Case {
    const char* override_dir;
    const char* xdg;
    const char* home;
    std::string org_path;
    std::string expected;
  };
  const Case cases[] = {
      {"/tmp/over", "/x", "/h", "/org/", "/tmp/over"},
      {nullptr, "/x", "/h", "/org/", "/org/"},
      {nullptr, "/x", "/h", "", "/x/kvrm"},
      {nullptr, nullptr, "/h", "", "/h/.local/share/kvrm"},
      {nullptr, "relative", "/h", "", "/h/.local/share/kvrm"},
      {nullptr, nullptr, "/h", "C:\\Users\\Public\\Documents\\", "/h/.local/share/kvrm"},
  };
  for (const auto& c : cases) {
    ScopedEnvironment env;
    env.Set("KVRM_DATA_DIR", c.override_dir);
    env.Set("XDG_DATA_HOME", c.xdg);
    env.Set("HOME", c.home);
    EXPECT_EQ(DataFolder(c.org_path), std::filesystem::path(c.expected)) << c.org_path;
  }
}

}  // namespace
}  // namespace kvrm
#endif
