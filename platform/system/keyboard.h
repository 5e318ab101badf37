#pragma once

#include <string>
#include <vector>

// The system's keyboard layouts and input methods, as far as a program may switch them.
struct TKeyboardLayout {
  std::string id;    // what Activate takes
  std::string name;  // what the user sees
};

class TKeyboardLayouts {
 public:
  virtual ~TKeyboardLayouts() = default;
  // A system whose ANSI code page is a double-byte one: Chinese, Japanese or Korean.
  virtual bool DoubleByteSystem() const;
  virtual std::string ActiveLayout() = 0;
  virtual std::vector<TKeyboardLayout> InstalledLayouts() = 0;
  // False when it could not be done; nobody is told.
  virtual bool ActivateLayout(const std::string& id) = 0;
};

// The running input-method framework (IBus or Fcitx 5), or one that does nothing where none
// runs.
TKeyboardLayouts& KeyboardLayouts();

// The layout that was active when the program started; taken once, before the main window.
const std::string& StartupKeyboardLayout();
void TakeStartupKeyboardLayout();

// Puts a stand-in in the system's place (nullptr restores it) and takes its start-up layout.
void SetKeyboardLayoutsForTesting(TKeyboardLayouts* layouts);
