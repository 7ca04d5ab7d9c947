#include "host/autostart_entry.h"

#include <string_view>

#include "host/codepage.h"
#include "host/files.h"

namespace host {
namespace {

const char* const entryName = "Duro.desktop";

// Characters that the desktop-entry rules reserve in an Exec argument: an argument
// holding one must be quoted.
bool needsQuotes(std::string_view path) {
  return path.find_first_of(" \t\n\"'\\><~|&;$*?#()`") != std::string_view::npos;
}

// The Exec value for one argument: quoted when needed (with ", `, $ and \ escaped
// inside the quotes), "%" doubled, then the string-value escape of "\" applied on top.
std::string execValue(std::string_view path) {
  std::string argument;
  const bool quoted = needsQuotes(path);
  if (quoted) argument += '"';
  for (char c : path) {
    if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += '\\';
    if (c == '%') argument += '%';
    argument += c;
  }
  if (quoted) argument += '"';
  std::string value;
  for (char c : argument) {
    if (c == '\\') value += '\\';
    value += c;
  }
  return value;
}

// Undoes the string-value escapes \s \n \t \r \\.
std::string unescapeValue(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 >= value.size()) {
      out += value[i];
      continue;
    }
    const char next = value[++i];
    switch (next) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      default: out += next; break;
    }
  }
  return out;
}

// The first argument of an Exec command line, unquoted, with "%%" as "%".
std::string firstArgument(std::string_view command) {
  size_t i = command.find_first_not_of(" \t");
  if (i == std::string_view::npos) return {};
  std::string argument;
  if (command[i] == '"') {
    for (++i; i < command.size() && command[i] != '"'; ++i) {
      if (command[i] == '\\' && i + 1 < command.size()) ++i;
      argument += command[i];
    }
  } else {
    for (; i < command.size() && command[i] != ' ' && command[i] != '\t'; ++i) argument += command[i];
  }
  std::string out;
  for (size_t k = 0; k < argument.size(); ++k) {
    out += argument[k];
    if (argument[k] == '%' && k + 1 < argument.size() && argument[k + 1] == '%') ++k;
  }
  return out;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

AutoStartEntry::AutoStartEntry(std::string autostartFolder) : folder_(std::move(autostartFolder)) {}

std::string AutoStartEntry::filePath() const { return joinPath(folder_, entryName); }

std::string AutoStartEntry::read() const {
  const auto bytes = readFile(filePath());
  if (!bytes) return {};
  std::string_view rest = *bytes;
  bool inEntry = false;
  std::string exec;
  bool hidden = false;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = trimmed(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.front() == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    const size_t equals = line.find('=');
    if (!inEntry || equals == std::string_view::npos) continue;
    const std::string_view key = trimmed(line.substr(0, equals));
    const std::string_view value = trimmed(line.substr(equals + 1));
    if (key == "Exec" && exec.empty()) exec = unescapeValue(value);
    if (key == "Hidden") hidden = value == "true";
  }
  if (hidden) return {};
  return utf8ToCp936(firstArgument(exec));
}

bool AutoStartEntry::write(const std::string& executablePath) {
  const std::string path = cp936ToUtf8(executablePath);
  if (path.empty() || path.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) return false;
  if (!folderExists(folder_) && !createFolder(folder_)) return false;
  const std::string text = "[Desktop Entry]\nType=Application\nName=Tovi\nExec=" + execValue(path) + "\n";
  return writeFileAtomically(filePath(), text);
}

bool AutoStartEntry::remove() { return deleteFile(filePath()) || !fileExists(filePath()); }

}  // namespace host
