// The INI file over any bytes: after a write that succeeds the key reads back exactly,
// and a refused write leaves the file byte for byte as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/files.h"
#include "host/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const size_t a = 1 + data[0] % 12, b = 1 + data[1] % 12, c = data[2] % 12;
  if (size < 3 + a + b + c) return 0;
  const char* p = reinterpret_cast<const char*>(data) + 3;
  const std::string section(p, a), key(p + a, b), value(p + a + b, c), file(p + a + b + c, size - 3 - a - b - c);
  static const std::string path = "/tmp/tovi_fuzz_ini_" + std::to_string(::getpid()) + ".ini";
  if (!host::writeFileAtomically(path, file)) std::abort();
  host::IniFile ini(path);
  (void)ini.read(section, key);
  if (ini.write(section, key, value)) {
    if (ini.read(section, key, "\x01missing") != value) std::abort();
  } else if (host::readFile(path).value_or("") != file) {
    std::abort();
  }
  return 0;
}
