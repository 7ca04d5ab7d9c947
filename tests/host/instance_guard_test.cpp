#include "host/instance_guard.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

using host::InstanceGuard;

TEST(InstanceGuard, OnlyOneHolderUntilReleased) {
  const std::string name = "Tovi爱采集_test_" + std::to_string(::getpid());
  auto first = InstanceGuard::acquire(name);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(InstanceGuard::acquire(name), nullptr);
  EXPECT_NE(InstanceGuard::acquire(name + "_other"), nullptr);

  // Another process is refused too while this one holds it.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(InstanceGuard::acquire(name) == nullptr ? 0 : 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);

  first.reset();
  EXPECT_NE(InstanceGuard::acquire(name), nullptr);
}

TEST(InstanceGuard, HolderThatEndsReleasesIt) {
  const std::string name = "Tovi爱采集_exit_" + std::to_string(::getpid());
  int ready[2];
  int finish[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(finish), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto guard = InstanceGuard::acquire(name);
    char c = guard ? 1 : 0;
    (void)!::write(ready[1], &c, 1);
    (void)!::read(finish[0], &c, 1);
    ::_exit(0);  // ends without releasing: the kernel drops the guard
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, 1);
  EXPECT_EQ(InstanceGuard::acquire(name), nullptr);
  char c = 0;
  (void)!::write(finish[1], &c, 1);
  ::waitpid(child, nullptr, 0);
  EXPECT_NE(InstanceGuard::acquire(name), nullptr);
  for (int fd : {ready[0], ready[1], finish[0], finish[1]}) ::close(fd);
}
