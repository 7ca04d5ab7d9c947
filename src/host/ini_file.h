#pragma once
// A private-profile file with the Windows rules: "[section]" lines and "key=value"
// lines of code page 936 bytes ending in CR LF. Section and key names compare without
// regard to ASCII case; names and values are trimmed; one pair of surrounding double
// or single quotes is removed from a value; the first matching section and key win.
// Every write reads the file, changes it and writes it whole and atomically; reads and
// writes of one file are serialised within the process, so a reader on one thread
// never sees a file that a writer on another is halfway through.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace host {

// One key to write, for a batch written as a single file change.
struct IniEntry {
  std::string section, key, value;
};

class IniFile {
 public:
  explicit IniFile(std::string path);

  const std::string& path() const { return path_; }

  // The key's value, or `defaultValue` when the file, the section or the key is missing.
  std::string read(const std::string& section, const std::string& key, const std::string& defaultValue = "") const;

  // Replaces the key's value in place, or appends the key at the end of its section, or
  // appends the section at the end of the file (a missing file is created). Names and
  // values that would break the file's lines are refused: then nothing is written and
  // the result is false. False too when the file cannot be written.
  bool write(const std::string& section, const std::string& key, const std::string& value);

  // Applies the entries in order and writes the file once, so a crash leaves either
  // the file as it was or with all of them. Refused entries are skipped; the result is
  // true when every entry was applied and the file was written.
  bool writeAll(const std::vector<IniEntry>& entries);

  // Whether a name or value may be written (see write).
  static bool isWritableSection(const std::string& section);
  static bool isWritableKey(const std::string& key);
  static bool isWritableValue(const std::string& value);

 private:
  std::string path_;
  std::shared_ptr<std::mutex> mutex_;  // shared by every IniFile of the same file
};

}  // namespace host
