// Timing of the two method operations on typical and worst-case texts, next
// to a naive baseline (strtod, hypot, snprintf "%.1f"). Prints the ratios
// after the run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "calcunit.h"

namespace {

// What users type: R and X of method A, then the four texts of method B.
const char* const kTypical[] = {"50", "30,5", "-12,75", "1e3"};
const char* const kTypicalC[] = {"50", "30.5", "-12.75", "1e3"};

// Texts that make the parser work hardest: the longest working texts, values
// at both ends of the range, 28 and more significant digits.
const std::vector<std::string>& WorstTexts() {
  static const std::vector<std::string> texts = {
      std::string(254, '0') + "1",
      "0," + std::string(252, '0') + "1",
      [] {
        std::string digits;
        while (digits.size() < 255) digits += "1234567890";
        return digits.substr(0, 255);
      }(),
      "1,797693134862315807888563143e308",
      "1,79769313486231580793728971e308",
      "2,4703282292062328e-324",
      "1234567890123456789012345678e-351",
      "9223372036854776832,5000000001",
      "-1e-99999",
  };
  return texts;
}

void OursTypical(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calcunit::QuarterWaveText(kTypical[0], kTypical[1]));
    benchmark::DoNotOptimize(
        calcunit::OpenShortText(kTypical[0], kTypical[1], kTypical[2], kTypical[3]));
  }
}

void BaselineTypical(benchmark::State& state) {
  char buffer[64];
  for (auto _ : state) {
    double v[4];
    for (int i = 0; i < 4; ++i) v[i] = std::strtod(kTypicalC[i], nullptr);
    std::snprintf(buffer, sizeof buffer, "%.1f", std::hypot(v[0], v[1]));
    benchmark::DoNotOptimize(std::string(buffer));
    for (int i = 0; i < 4; ++i) v[i] = std::strtod(kTypicalC[i], nullptr);
    std::snprintf(buffer, sizeof buffer, "%.1f",
                  std::sqrt(std::hypot(v[0], v[1]) * std::hypot(v[2], v[3])));
    benchmark::DoNotOptimize(std::string(buffer));
  }
}

// One call per iteration, the same worst-case text in every parameter.
void OursWorstQuarterWave(benchmark::State& state) {
  const std::string& text = WorstTexts()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) benchmark::DoNotOptimize(calcunit::QuarterWaveText(text, text));
}

void OursWorstOpenShort(benchmark::State& state) {
  const std::string& text = WorstTexts()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) benchmark::DoNotOptimize(calcunit::OpenShortText(text, text, text, text));
}

void WorstCases(benchmark::internal::Benchmark* b) {
  for (std::size_t i = 0; i < WorstTexts().size(); ++i) b->Arg(static_cast<int>(i));
}

BENCHMARK(OursTypical)->Unit(benchmark::kNanosecond);
BENCHMARK(BaselineTypical)->Unit(benchmark::kNanosecond);
BENCHMARK(OursWorstQuarterWave)->Apply(WorstCases)->Unit(benchmark::kNanosecond);
BENCHMARK(OursWorstOpenShort)->Apply(WorstCases)->Unit(benchmark::kNanosecond);

// The console output as usual, keeping each run's time for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) nanoseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintSummary() const {
    const auto typical = nanoseconds_.find("OursTypical");
    const auto baseline = nanoseconds_.find("BaselineTypical");
    std::printf("\nSummary\n");
    if (typical != nanoseconds_.end() && baseline != nanoseconds_.end()) {
      std::printf("  typical texts: %.2fx the naive baseline (target: at most 3x)\n",
                  typical->second / baseline->second);
    }
    double worst = 0.0;
    std::string worst_name;
    for (const auto& [name, ns] : nanoseconds_) {
      if (name.rfind("OursWorst", 0) == 0 && ns > worst) {
        worst = ns;
        worst_name = name;
      }
    }
    if (!worst_name.empty()) {
      std::printf("  worst case: %.2f us per call, %s (target: at most 50 us)\n", worst / 1000.0,
                  worst_name.c_str());
    }
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  calcunit::InitFloatingPoint();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Colours only on a terminal, so that saved output stays readable.
  SummaryReporter reporter(isatty(STDOUT_FILENO) != 0 ? SummaryReporter::OO_ColorTabular
                                                      : SummaryReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  return 0;
}
