#include "host/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <random>

#include "host/codepage.h"

namespace host {
namespace {

std::string osPath(const std::string& path) { return cp936ToUtf8(path); }

bool writeAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// A write in progress goes to "<name>.tovi-partial-<pid>-<n>" beside its target; a
// crash can leave one behind, and listFiles never shows it.
constexpr std::string_view partialMark = ".tovi-partial-";

std::string temporaryNameBeside(const std::string& target) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  return target + std::string(partialMark) + std::to_string(::getpid()) + "-" +
         std::to_string(random() % 1000000007);
}

bool isPartialWrite(const std::string& name) { return name.find(partialMark) != std::string::npos; }

void syncFolderOf(const std::string& osTarget) {
  const auto slash = osTarget.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : osTarget.substr(0, slash));
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == pathSeparator) return folder + name;
  return folder + pathSeparator + name;
}

bool fileExists(const std::string& path) {
  struct stat st {};
  return ::stat(osPath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const std::string& path) {
  struct stat st {};
  return ::stat(osPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool createFolder(const std::string& path) { return ::mkdir(osPath(path).c_str(), 0755) == 0 || folderExists(path); }

std::optional<std::string> readFile(const std::string& path) {
  int fd = ::open(osPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string target = osPath(path);
  const std::string temporary = temporaryNameBeside(target);
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolderOf(target);
  return true;
}

bool copyFileAtomically(const std::string& from, const std::string& to) {
  auto bytes = readFile(from);
  return bytes && writeFileAtomically(to, *bytes);
}

bool deleteFile(const std::string& path) { return ::unlink(osPath(path).c_str()) == 0; }

std::vector<std::string> listFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(osPath(folder).c_str()), ::closedir);
  if (!dir) return names;
  while (dirent* entry = ::readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == ".." || isPartialWrite(name)) continue;
    const std::string local = utf8ToCp936(name);
    if (fileExists(joinPath(folder, local))) names.push_back(local);
  }
  return names;
}

std::string executablePath() {
  char buffer[4096];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  return utf8ToCp936(std::string(buffer, static_cast<size_t>(n)));
}

std::string folderOf(const std::string& path) {
  const auto at = path.rfind(pathSeparator);
  return at == std::string::npos ? std::string() : path.substr(0, at);
}

std::string fileNameOf(const std::string& path) {
  const auto at = path.rfind(pathSeparator);
  return at == std::string::npos ? path : path.substr(at + 1);
}

}  // namespace host
