#pragma once
// The log-on start entry of the program: a machine-wide XDG autostart file named
// Duro.desktop whose Exec line names the executable. Like the machine-wide Run key it
// stands for, writing it needs administrator rights; without them a write fails
// quietly (the result is false and nothing changes).
#include <string>

namespace host {

class AutoStartEntry {
 public:
  explicit AutoStartEntry(std::string autostartFolder = "/etc/xdg/autostart");

  // The full path of the entry's file.
  std::string filePath() const;
  // The program the entry starts, unquoted; the empty text when there is no entry (or
  // it is hidden, or it starts nothing).
  std::string read() const;
  // Makes the entry start `executablePath` (a code page 936 path), creating the folder
  // when it is missing. Written whole or not at all.
  bool write(const std::string& executablePath);
  // True when no entry is left afterwards.
  bool remove();

 private:
  std::string folder_;
};

}  // namespace host
