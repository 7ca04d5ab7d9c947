#include "host/shell.h"

#include <cctype>

namespace host {

bool isWebAddress(const std::string& address) {
  // The links come from remote pages and files: only a plain web address with a host
  // may reach the desktop's opener, never a local path, a script or a command.
  std::string lower;
  for (unsigned char c : address) lower += static_cast<char>(std::tolower(c));
  size_t hostStart = 0;
  for (const char* scheme : {"http://", "https://", "ftp://"}) {
    if (lower.rfind(scheme, 0) == 0) hostStart = std::string(scheme).size();
  }
  if (hostStart == 0 || hostStart >= address.size()) return false;
  for (unsigned char c : address)
    if (c < 0x21 || c == 0x7F || c == '"' || c == '`') return false;  // no spaces or controls
  const char first = address[hostStart];
  return first != '/' && first != '\\' && first != '.';
}

void openUrl(Shell& shell, const std::string& address) {
  if (isWebAddress(address)) shell.openAddress(address);
}

}  // namespace host
