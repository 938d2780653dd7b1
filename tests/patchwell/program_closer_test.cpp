// Closing the running desktop program before its files change: the questions
// (strings 23 and 22), message 2025 over the program's socket, and the wait
// for the lock of its data home to be released.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "app/single_instance.h"
#include "base/gbk_text.h"
#include "base/product.h"
#include "patchwell/patchwell_texts.h"
#include "patchwell/program_closer.h"

namespace cw::patchwell {
namespace {

constexpr int kCloseMessage = 2025;

// A stand-in for the running program: holds the data home's lock and ends
// (releases it) on the n-th 2025 it receives; never when n is 0.
class RunningProgram {
 public:
  RunningProgram(const QString& home, int ends_on_message) : instance_(std::make_unique<SingleInstance>(home)) {
    EXPECT_TRUE(instance_->Acquire());
    QObject::connect(instance_.get(), &SingleInstance::MessageReceived, [this, ends_on_message](int message) {
      if (message != kCloseMessage) return;
      if (++received_ == ends_on_message) QTimer::singleShot(0, [this] { instance_.reset(); });
    });
  }
  int received() const { return received_; }

 private:
  std::unique_ptr<SingleInstance> instance_;
  int received_ = 0;
};

TEST(ProgramCloserTest, AsksSendsAndWaitsForTheLock) {
  const std::string ask_close = StrFormat(kAskClose, kProductName);
  const std::string ask_by_hand = StrFormat(kAskCloseByHand, kProductName, kProductName);
  const struct {
    const char* name;
    bool running;
    int ends_on_message;
    bool unattended;
    std::vector<bool> answers;
    bool closed;
    std::vector<std::string> questions;
    int messages;
  } kCases[] = {
      {"nothing runs", false, 0, false, {}, true, {}, 0},
      {"the user keeps the program", true, 1, false, {false}, false, {ask_close}, 0},
      {"the program ends on 2025", true, 1, false, {true}, true, {ask_close}, 1},
      {"it will not end and the user gives up", true, 0, false, {true, false}, false, {ask_close, ask_by_hand}, 1},
      {"the user closes it by hand and goes on", true, 2, false, {true, true}, true, {ask_close, ask_by_hand}, 2},
      {"unattended: nobody closes it by hand", true, 0, true, {true}, false, {ask_close}, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir home, runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    std::unique_ptr<RunningProgram> program;
    if (c.running) program = std::make_unique<RunningProgram>(home.path(), c.ends_on_message);

    std::vector<std::string> questions;
    const Ask ask = [&](const std::string& question) {
      questions.push_back(question);
      return questions.size() <= c.answers.size() && c.answers[questions.size() - 1];
    };
    auto closing = std::async(std::launch::async, [&] {
      return CloseRunningProgram(home.path(), ask, c.unattended, {std::chrono::milliseconds(700), std::chrono::milliseconds(20)});
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return closing.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                                20000));
    EXPECT_EQ(c.closed, closing.get());
    EXPECT_EQ(c.questions, questions);
    if (program) {
      EXPECT_EQ(c.messages, program->received());
    }
  }
}

}  // namespace
}  // namespace cw::patchwell
