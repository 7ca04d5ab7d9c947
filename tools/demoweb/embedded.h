#pragma once
// The files of pages/ and files/, built into the program by embed.cmake.
#include <string_view>

namespace demoweb {

struct EmbeddedFile {
  const char* name;  // file name without folder, e.g. "site01.html"
  const unsigned char* data;
  unsigned size;
};
extern const EmbeddedFile kEmbeddedFiles[];
extern const unsigned kEmbeddedFileCount;

// The bytes of an embedded file by name; empty when there is none.
std::string_view embeddedFile(std::string_view name);

}  // namespace demoweb
