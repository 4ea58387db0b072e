// The cost of one command of our own code: the press of Read or Write on the
// window, through the command to a reader that answers at once, without the
// repaint the event loop does afterwards.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench_window.h"

namespace {

void ReadCommand(benchmark::State& state) {
  tarnix::BenchWindow bench;
  QAbstractButton& read = bench.Button("cmdIDRead");
  for (auto _ : state) read.click();
}
BENCHMARK(ReadCommand)->Unit(benchmark::kMicrosecond);

// WG26 as the window starts, ADD 1 ticked: each write also steps the card
// number on.
void WriteCommandAdd1(benchmark::State& state) {
  tarnix::BenchWindow bench;
  bench.Button("chkIDADD1").setChecked(true);
  QAbstractButton& write = bench.Button("cmdIDWrite");
  for (auto _ : state) write.click();
}
BENCHMARK(WriteCommandAdd1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tarnix::UseOffscreenPlatform();
  QApplication application(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
