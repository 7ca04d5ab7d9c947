#pragma once
// A fresh folder per test, removed with everything in it afterwards.
#include <stdlib.h>

#include <filesystem>
#include <string>

class TemporaryFolder {
 public:
  explicit TemporaryFolder(const char* prefix = "tovi") {
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string(prefix) + "_XXXXXX")).string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};
