// One copy per data home: a second start on the same home signals the first
// and ends; copies on other homes neither reach nor close each other.
#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "instance/instance_channel.h"
#include "frame/app_commands.h"

namespace cw {
namespace {

TEST(SingleInstanceTest, SecondCopyInTheSameHomeSignalsTheFirst) {
  QTemporaryDir home;
  SingleInstance first(home.path());
  ASSERT_TRUE(first.Acquire());
  QSignalSpy received(&first, &SingleInstance::MessageReceived);

  SingleInstance second(home.path());
  EXPECT_FALSE(second.Acquire());
  ASSERT_TRUE(received.count() > 0 || received.wait(3000));
  EXPECT_EQ(cmd::kBringToFront, received.at(0).at(0).toInt());
}

TEST(SingleInstanceTest, CopiesOnOtherDataHomesRunSideBySide) {
  QTemporaryDir home, other_home;
  SingleInstance first(home.path());
  ASSERT_TRUE(first.Acquire());
  QSignalSpy first_received(&first, &SingleInstance::MessageReceived);

  SingleInstance other(other_home.path());
  EXPECT_TRUE(other.Acquire()) << "a start on another data home runs";
  QSignalSpy other_received(&other, &SingleInstance::MessageReceived);

  // The updater's "close now" for one home reaches only the copy on it.
  ASSERT_TRUE(SendToRunningInstance(other_home.path(), cmd::kCloseForUpdate, 1000));
  ASSERT_TRUE(other_received.count() > 0 || other_received.wait(3000));
  EXPECT_EQ(cmd::kCloseForUpdate, other_received.at(0).at(0).toInt());
  QTest::qWait(100);
  EXPECT_EQ(0, first_received.count());
}

// The updater and the tests ask whether a copy runs while one may be starting:
// asking must never take the lock, or the starting copy would find it taken
// and end.
TEST(SingleInstanceTest, AskingWhetherACopyRunsNeverTakesTheLock) {
  QTemporaryDir home;
  const QString lock_path = QDir(home.path()).filePath("Coinwright.lock");
  EXPECT_FALSE(InstanceRunning(home.path()));
  EXPECT_FALSE(QFile::exists(lock_path)) << "asking left a lock behind";

  QFile dead(lock_path);  // a lock naming a process that is gone
  ASSERT_TRUE(dead.open(QIODevice::WriteOnly));
  dead.write("999999\ncoinwright\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  dead.close();
  EXPECT_FALSE(InstanceRunning(home.path()));
  QFile::remove(lock_path);

  {
    SingleInstance copy(home.path());
    ASSERT_TRUE(copy.Acquire());
    EXPECT_TRUE(InstanceRunning(home.path()));
  }

  // Copies start one after another while a prober asks over and over: each
  // finds the lock free.
  std::atomic<bool> stop = false;
  std::thread prober([&] {
    while (!stop) InstanceRunning(home.path());
  });
  int refused = 0;
  for (int start = 0; start < 100 && refused == 0; ++start) {
    SingleInstance copy(home.path());
    if (!copy.Acquire()) ++refused;
  }
  stop = true;
  prober.join();
  EXPECT_EQ(0, refused);
}

TEST(SingleInstanceTest, LockLeftByACrashedCopyDoesNotBlock) {
  QTemporaryDir home;
  // What a copy that died leaves behind: a lock naming a process that is gone.
  QFile lock(QDir(home.path()).filePath("Coinwright.lock"));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.write("999999\ncoinwright\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  lock.close();
  SingleInstance instance(home.path());
  EXPECT_TRUE(instance.Acquire());
}

TEST(SingleInstanceTest, TheRealProgramStartedTwiceSignalsAndLeavesTheDataAlone) {
  QTemporaryDir home;
  SingleInstance first(home.path());
  ASSERT_TRUE(first.Acquire());
  QSignalSpy received(&first, &SingleInstance::MessageReceived);

  QProcess second;
  second.start(COINWRIGHT_BINARY, {"--home", home.path()});
  ASSERT_TRUE(second.waitForStarted(5000));
  // The connection is accepted by this process's event loop.
  ASSERT_TRUE(received.wait(10000));
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(QProcess::NormalExit, second.exitStatus());
  EXPECT_EQ(0, second.exitCode());
  EXPECT_EQ(cmd::kBringToFront, received.at(0).at(0).toInt());
  EXPECT_FALSE(QFile::exists(QDir(home.path()).filePath("CW.db")));
  EXPECT_FALSE(QFile::exists(QDir(home.path()).filePath("CWSample.db")));
}

}  // namespace
}  // namespace cw
