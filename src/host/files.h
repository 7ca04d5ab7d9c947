#pragma once
// The file system, for the program's own files. Paths are code page 936 texts, as
// everything else; they become UTF-8 only here, where the operating system sees them.
// Every write is whole or nothing: a temporary file in the same folder, flushed to
// disk, then renamed over the target, so a crash or a full disk never leaves half a
// file and never destroys the earlier one.
#include <optional>
#include <string>
#include <vector>

namespace host {

// The folder separator of this platform.
inline constexpr char pathSeparator = '/';
std::string joinPath(const std::string& folder, const std::string& name);

bool fileExists(const std::string& path);  // a file, not a folder
bool folderExists(const std::string& path);
bool createFolder(const std::string& path);
// The whole file, or nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path);
bool writeFileAtomically(const std::string& path, const std::string& bytes);
bool copyFileAtomically(const std::string& from, const std::string& to);
bool deleteFile(const std::string& path);
// Names of the regular files in a folder (hidden ones too), in the order the file
// system gives them; folders, and what a write cut short by a crash left, are left out.
std::vector<std::string> listFiles(const std::string& folder);
// The running executable's full path and folder (the run directory).
std::string executablePath();
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

}  // namespace host
