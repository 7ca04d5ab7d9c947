#pragma once
// The single-instance guard: a kernel object named after the program that dies with
// the process that holds it. Testing for it and creating it is one atomic step, so
// two instances started together can never both pass.
#include <memory>
#include <string>

namespace host {

class InstanceGuard {
 public:
  // Takes the guard called `name` (a code page 936 text); nullptr when another holder,
  // in this process or another one of the same user, has it.
  static std::unique_ptr<InstanceGuard> acquire(const std::string& name);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

 private:
  explicit InstanceGuard(int socket) : socket_(socket) {}
  int socket_;
};

}  // namespace host
