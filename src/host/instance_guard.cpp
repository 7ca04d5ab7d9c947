#include "host/instance_guard.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include "host/codepage.h"

namespace host {

std::unique_ptr<InstanceGuard> InstanceGuard::acquire(const std::string& name) {
  // An abstract-namespace socket: binding it is the test and the creation in one
  // step, and the kernel drops it when the holder ends. The user id keeps it per
  // user, as the named event it stands for is per session.
  const std::string suffix = "." + std::to_string(::getuid());
  std::string id = cp936ToUtf8(name);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const size_t room = sizeof address.sun_path - 1 - suffix.size();
  if (id.size() > room) id.resize(room);
  id += suffix;
  std::memcpy(address.sun_path + 1, id.data(), id.size());  // sun_path[0] stays 0: abstract
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + id.size());

  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return std::unique_ptr<InstanceGuard>(new InstanceGuard(-1));  // cannot tell: let it run
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EADDRINUSE) return nullptr;
    return std::unique_ptr<InstanceGuard>(new InstanceGuard(-1));
  }
  return std::unique_ptr<InstanceGuard>(new InstanceGuard(fd));
}

InstanceGuard::~InstanceGuard() {
  if (socket_ >= 0) ::close(socket_);
}

}  // namespace host
