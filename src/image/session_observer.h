#pragma once

#include <string>
#include <string_view>

namespace kvrm {

// Test buttons of the mouse, reported by its input reports.
enum class TestButton { kDpi, kDpiUp, kDpiDown, kProfile };

// What the device session asks of the window. Every method has a do-nothing
// default, so the command-line tool and tests override only what they watch.
class SessionObserver {
 public:
  virtual ~SessionObserver() = default;

  virtual void LockPages() {}
  virtual void UnlockPages() {}
  // A modal message with one OK button; key is a language key such as "Str022".
  virtual void ShowMessage(std::string_view key) { (void)key; }
  // Str100, a line break, Str101.
  virtual void ShowNoDeviceMessage() {}
  // A message whose text is fixed, not a language key (file errors and the like).
  virtual void ShowFixedMessage(const std::string& text) { (void)text; }
  // Page 1 selected, pages 2 to 7 hidden, profile 1's page button selected.
  virtual void ShowNoDeviceState() {}
  // Page 1 visible again after a read; the fire macro list is reloaded.
  virtual void ShowDeviceReady() {}
  virtual void CloseMenus() {}
  virtual void StopMarquee() {}
  // The device macro lists and the macro step list of the macro page are emptied.
  virtual void ClearMacroLists() {}
  virtual void RefreshPcMacroNames() {}
  // Every page shows the section copies again (the code texts are fresh).
  virtual void RefreshPages() {}
  virtual void SetTestButton(TestButton button, bool ticked) {
    (void)button;
    (void)ticked;
  }
  virtual void RefreshCurrentDpiStatus() {}
  virtual void RefreshCurrentProfileStatus() {}
};

}  // namespace kvrm
