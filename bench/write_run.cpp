// A run of cards as an operator issues them: 10,000 writes with ADD 1
// through the window, each followed by the event loop's repaint. Prints, as
// one JSON object, the time per write of the first and the last thousand and
// the resident memory before, after the first thousand and at the end, so
// that growth per card shows apart from what the first writes set up once.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QLineEdit>

#include "bench_window.h"

namespace {

constexpr int kWrites = 10000;
constexpr int kSpan = 1000;

// This process's resident memory now, in KiB.
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string field;
  long kib = 0;
  while (status >> field) {
    if (field == "VmRSS:") {
      status >> kib;
      break;
    }
  }
  return kib;
}

double MeanMicroseconds(const std::vector<double>& micros, int first, int count) {
  double sum = 0;
  for (int i = first; i < first + count; ++i) sum += micros[static_cast<std::size_t>(i)];
  return sum / count;
}

}  // namespace

int main(int argc, char* argv[]) {
  tarnix::UseOffscreenPlatform();
  QApplication application(argc, argv);
  tarnix::BenchWindow bench;
  bench.Button("chkIDADD1").setChecked(true);
  QAbstractButton& write = bench.Button("cmdIDWrite");

  std::vector<double> micros(kWrites);
  const long residentBefore = ResidentKiB();
  long residentAfterFirstSpan = 0;
  for (int card = 0; card < kWrites; ++card) {
    const auto start = std::chrono::steady_clock::now();
    write.click();
    micros[static_cast<std::size_t>(card)] =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    QCoreApplication::processEvents();
    if (card + 1 == kSpan) residentAfterFirstSpan = ResidentKiB();
  }
  const long residentAfter = ResidentKiB();

  // The card number the window shows now: the first card's number plus one
  // for each write, the proof that every write ran to its end.
  const QString shown = bench.window.findChild<QLineEdit*>(QStringLiteral("txtIDB1B0"))->text();
  std::printf(
      "{\"writes\": %d, \"span\": %d, \"first_span_us\": %.3f, \"last_span_us\": %.3f, "
      "\"rss_before_kib\": %ld, \"rss_after_first_span_kib\": %ld, \"rss_after_kib\": %ld, "
      "\"card_number_shown\": \"%s\"}\n",
      kWrites, kSpan, MeanMicroseconds(micros, 0, kSpan), MeanMicroseconds(micros, kWrites - kSpan, kSpan),
      residentBefore, residentAfterFirstSpan, residentAfter, qPrintable(shown));
  return 0;
}
