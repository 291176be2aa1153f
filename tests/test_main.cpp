#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "calcunit.h"

namespace {

#ifdef _WIN32
// GoogleTest's own printer also sends every failure and skip to
// OutputDebugString. Under Wine running on qemu's i386 emulation, the
// debug-output exception that this raises can kill the test program, so a
// failed assertion would look like a crash. This printer passes every event on
// to the default one except the part results, which it prints to stdout only.
class StdoutOnlyPrinter : public ::testing::TestEventListener {
 public:
  explicit StdoutOnlyPrinter(::testing::TestEventListener* inner) : inner_(inner) {}

  void OnTestProgramStart(const ::testing::UnitTest& u) override { inner_->OnTestProgramStart(u); }
  void OnTestIterationStart(const ::testing::UnitTest& u, int i) override {
    inner_->OnTestIterationStart(u, i);
  }
  void OnEnvironmentsSetUpStart(const ::testing::UnitTest& u) override {
    inner_->OnEnvironmentsSetUpStart(u);
  }
  void OnEnvironmentsSetUpEnd(const ::testing::UnitTest& u) override {
    inner_->OnEnvironmentsSetUpEnd(u);
  }
  void OnTestSuiteStart(const ::testing::TestSuite& s) override { inner_->OnTestSuiteStart(s); }
  void OnTestStart(const ::testing::TestInfo& t) override { inner_->OnTestStart(t); }
  void OnTestPartResult(const ::testing::TestPartResult& r) override {
    if (r.type() == ::testing::TestPartResult::kSuccess) return;
    std::printf("%s:%d: %s\n%s\n", r.file_name() ? r.file_name() : "unknown file",
                r.line_number(), r.skipped() ? "Skipped" : "Failure", r.message());
    std::fflush(stdout);
  }
  void OnTestEnd(const ::testing::TestInfo& t) override { inner_->OnTestEnd(t); }
  void OnTestSuiteEnd(const ::testing::TestSuite& s) override { inner_->OnTestSuiteEnd(s); }
  void OnEnvironmentsTearDownStart(const ::testing::UnitTest& u) override {
    inner_->OnEnvironmentsTearDownStart(u);
  }
  void OnEnvironmentsTearDownEnd(const ::testing::UnitTest& u) override {
    inner_->OnEnvironmentsTearDownEnd(u);
  }
  void OnTestIterationEnd(const ::testing::UnitTest& u, int i) override {
    inner_->OnTestIterationEnd(u, i);
  }
  void OnTestProgramEnd(const ::testing::UnitTest& u) override { inner_->OnTestProgramEnd(u); }

 private:
  std::unique_ptr<::testing::TestEventListener> inner_;
};
#endif

}  // namespace

int main(int argc, char** argv) {
  calcunit::InitFloatingPoint();
  ::testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
  ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
  if (::testing::TestEventListener* printer = listeners.default_result_printer()) {
    listeners.Release(printer);
    listeners.Append(new StdoutOnlyPrinter(printer));
  }
#endif
  return RUN_ALL_TESTS();
}
