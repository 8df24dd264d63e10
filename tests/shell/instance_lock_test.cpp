// One running copy per settings folder: the lock is held while its owner
// lives, refused to anyone else, and taken over once its holder is gone,
// however it went (a killed process leaves its file but no lock).
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "shell/instance_lock.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

std::string SettingsOf(const TempDir& dir) { return dir.path().string() + "/"; }

TEST(InstanceLock, ASecondLockOnTheSameFolderIsRefusedUntilTheFirstGoes) {
  TempDir dir;
  {
    TInstanceLock first(SettingsOf(dir));
    ASSERT_TRUE(first.IsHeld());
    TInstanceLock second(SettingsOf(dir));
    EXPECT_FALSE(second.IsHeld());
    EXPECT_EQ(second.Describe(), "another copy of the game (process " + std::to_string(::getpid()) +
                                     ") is already running with the settings folder " + SettingsOf(dir) +
                                     "; this one ends, so that the two cannot overwrite each other's saves");
    TempDir elsewhere;
    EXPECT_TRUE(TInstanceLock(SettingsOf(elsewhere)).IsHeld()) << "other folders are free";
  }
  EXPECT_TRUE(TInstanceLock(SettingsOf(dir)).IsHeld());
}

TEST(InstanceLock, TheLockOfAKilledCopyIsTakenOver) {
  TempDir dir;
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TInstanceLock held(SettingsOf(dir));
    const char answer = held.IsHeld() ? 'y' : 'n';
    (void)!::write(ready[1], &answer, 1);
    for (;;) ::pause();
  }
  char answer = 0;
  ASSERT_EQ(::read(ready[0], &answer, 1), 1);
  ASSERT_EQ(answer, 'y');
  {
    TInstanceLock refused(SettingsOf(dir));
    EXPECT_FALSE(refused.IsHeld());
    EXPECT_NE(refused.Describe().find("(process " + std::to_string(child) + ")"), std::string::npos);
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  TInstanceLock taken(SettingsOf(dir));
  EXPECT_TRUE(taken.IsHeld());
  EXPECT_EQ(dir.Read(kInstanceLockFileName), std::to_string(::getpid()) + "\n");
}

}  // namespace
}  // namespace corvellane::testing
