#pragma once

namespace kvrm::ui {

// Drops the platform's notes that it cannot set window masks or raise windows
// (the offscreen platform of screenshots and tests says so for every window);
// every other message of Qt goes on as before.
void QuietUnsupportedPlatformNotes();

}  // namespace kvrm::ui
