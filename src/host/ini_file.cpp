#include "host/ini_file.h"

#include <filesystem>
#include <map>
#include <optional>

#include "host/codepage.h"
#include "host/files.h"

namespace host {
namespace {

// One mutex per file, found by its canonical path, so that two IniFile objects of
// the same file (the window's and the collection thread's) share it.
std::shared_ptr<std::mutex> mutexFor(const std::string& path) {
  static std::mutex registryMutex;
  static std::map<std::string, std::shared_ptr<std::mutex>> registry;
  std::error_code error;
  std::filesystem::path osPath(cp936ToUtf8(path));
  std::filesystem::path canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(osPath, error), error);
  const std::string key = error ? osPath.lexically_normal().string() : canonical.string();
  std::lock_guard lock(registryMutex);
  auto& slot = registry[key];
  if (!slot) slot = std::make_shared<std::mutex>();
  return slot;
}

bool isBlank(unsigned char c) { return c == ' ' || c == '\t'; }

// Spaces and tabs at both ends. Neither byte can be the trail byte of a double-byte
// character, so cutting them bytewise never splits one.
std::string trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

// Names are equal when they differ only in the case of the letters A-Z. The walk goes
// by characters, so the trail byte of a double-byte character is never folded.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = a[i], y = b[i];
    if (x >= 0x80) {
      if (x != y) return false;
      if (i + 1 < a.size()) {
        if (a[i + 1] != b[i + 1]) return false;
        ++i;
      }
      continue;
    }
    if (x >= 'A' && x <= 'Z') x += 32;
    if (y >= 'A' && y <= 'Z') y += 32;
    if (x != y) return false;
  }
  return true;
}

// The 0-based index of the last `c` that starts a character, or npos.
size_t lastCharAt(std::string_view s, char c) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == c) found = i;
    if (static_cast<unsigned char>(s[i]) >= 0x80) ++i;
  }
  return found;
}

struct Line {
  enum Kind { blank, section, key } kind = blank;
  std::string raw;   // the bytes of the line with its line end, as they stand in the file
  std::string name;  // trimmed section or key name
  std::optional<std::string> value;  // trimmed and unquoted; none for a key line without "="
};

std::vector<Line> parse(std::string_view bytes) {
  std::vector<Line> lines;
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find('\n', at);
    end = end == std::string_view::npos ? bytes.size() : end + 1;
    Line line;
    line.raw = std::string(bytes.substr(at, end - at));
    at = end;
    std::string_view body = line.raw;
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.remove_suffix(1);
    const std::string content = trimmed(body);
    if (content.empty()) {
      lines.push_back(std::move(line));
      continue;
    }
    if (content[0] == '[') {
      const size_t close = lastCharAt(content, ']');
      if (close != std::string_view::npos) {
        line.kind = Line::section;
        line.name = trimmed(std::string_view(content).substr(1, close - 1));
        lines.push_back(std::move(line));
        continue;
      }
    }
    line.kind = Line::key;
    const size_t equals = content.find('=');  // "=" is never a trail byte
    if (equals == std::string::npos) {
      line.name = content;
    } else {
      line.name = trimmed(std::string_view(content).substr(0, equals));
      std::string value = trimmed(std::string_view(content).substr(equals + 1));
      if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
      line.value = std::move(value);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

// The line range [first, last) of the section's keys, for the first section of that name.
struct SectionSpan {
  size_t header, end;
};
std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != Line::section || !sameName(lines[i].name, section)) continue;
    size_t end = i + 1;
    while (end < lines.size() && lines[end].kind != Line::section) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> findKey(const std::vector<Line>& lines, const SectionSpan& span, std::string_view key) {
  for (size_t i = span.header + 1; i < span.end; ++i)
    if (lines[i].kind == Line::key && sameName(lines[i].name, key)) return i;
  return std::nullopt;
}

// Whether the last byte is a lead byte without its trail: "[" + such a name + "]"
// would give the "]" to that character and the header would be lost.
bool endsInsideCharacter(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) i += static_cast<unsigned char>(s[i]) >= 0x80 ? 2 : 1;
  return i > s.size();
}

bool holdsLineBreak(const std::string& s) { return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

// A value that trimming or unquoting would change is written inside quotes, so it
// reads back exactly.
std::string valueText(const std::string& value) {
  const bool padded = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
  const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
  return padded || quoted ? "\"" + value + "\"" : value;
}

void apply(std::vector<Line>& lines, const IniEntry& entry) {
  const std::string section = trimmed(entry.section);
  const std::string key = trimmed(entry.key);
  Line keyLine;
  keyLine.kind = Line::key;
  keyLine.name = key;
  keyLine.value = entry.value;
  keyLine.raw = key + "=" + valueText(entry.value) + "\r\n";

  auto span = findSection(lines, section);
  if (!span) {
    if (!lines.empty() && (lines.back().raw.empty() || lines.back().raw.back() != '\n')) lines.back().raw += "\r\n";
    Line header;
    header.kind = Line::section;
    header.name = section;
    header.raw = "[" + section + "]\r\n";
    lines.push_back(std::move(header));
    lines.push_back(std::move(keyLine));
    return;
  }
  if (auto at = findKey(lines, *span, key)) {
    keyLine.name = lines[*at].name;  // the key keeps the spelling it has in the file
    keyLine.raw = keyLine.name + "=" + valueText(entry.value) + "\r\n";
    lines[*at] = std::move(keyLine);
    return;
  }
  // After the section's last non-blank line, so blank lines that part sections stay put.
  size_t insertAt = span->end;
  while (insertAt > span->header + 1 && lines[insertAt - 1].kind == Line::blank) --insertAt;
  Line& before = lines[insertAt - 1];
  if (before.raw.empty() || before.raw.back() != '\n') before.raw += "\r\n";
  lines.insert(lines.begin() + static_cast<long>(insertAt), std::move(keyLine));
}

bool writable(const IniEntry& e) {
  return IniFile::isWritableSection(e.section) && IniFile::isWritableKey(e.key) && IniFile::isWritableValue(e.value);
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)), mutex_(mutexFor(path_)) {}

bool IniFile::isWritableSection(const std::string& section) {
  const std::string name = trimmed(section);
  return !holdsLineBreak(section) && !name.empty() && !endsInsideCharacter(name);
}

bool IniFile::isWritableKey(const std::string& key) {
  const std::string name = trimmed(key);
  return !holdsLineBreak(key) && !name.empty() && name.find('=') == std::string::npos && name[0] != '[';
}

bool IniFile::isWritableValue(const std::string& value) { return !holdsLineBreak(value); }

std::string IniFile::read(const std::string& section, const std::string& key, const std::string& defaultValue) const {
  if (!isWritableSection(section) || !isWritableKey(key)) return defaultValue;  // such a name is never in a file
  std::optional<std::string> bytes;
  {
    std::lock_guard lock(*mutex_);
    bytes = readFile(path_);
  }
  if (!bytes) return defaultValue;
  const auto lines = parse(*bytes);
  const auto span = findSection(lines, trimmed(section));
  if (!span) return defaultValue;
  const auto at = findKey(lines, *span, trimmed(key));
  if (!at || !lines[*at].value) return defaultValue;
  return *lines[*at].value;
}

bool IniFile::write(const std::string& section, const std::string& key, const std::string& value) {
  return writeAll({{section, key, value}});
}

bool IniFile::writeAll(const std::vector<IniEntry>& entries) {
  std::lock_guard lock(*mutex_);
  const auto bytes = readFile(path_);
  if (!bytes && fileExists(path_)) return false;  // unreadable: never overwrite what we cannot see
  auto lines = parse(bytes ? *bytes : std::string());
  bool all = true;
  bool any = false;
  for (const auto& entry : entries) {
    if (!writable(entry)) {
      all = false;
      continue;
    }
    apply(lines, entry);
    any = true;
  }
  if (!any) return entries.empty();
  std::string out;
  for (const auto& line : lines) out += line.raw;
  return writeFileAtomically(path_, out) && all;
}

}  // namespace host
