// Reading and writing a profile with 65,535 macros (35.8 MB), side by side with a plain
// copy of the same bytes. Ratios: compare the read and write times with Copy's.
// Memory: the read's peak resident growth over the file size (counter peak_per_file_byte).

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include <QFile>
#include <QTemporaryDir>

#include "ProfileFile.h"
#include "ProfileFixture.h"

namespace {

using namespace v72;

class NoReports : public ProfileReporter {
 public:
  void ReportProfileFailure(ProfileFailure, const QString&) override {}
};

struct BigFile {
  QTemporaryDir dir;
  QString path;
  qint64 size = 0;
  BigFile() {
    fixture::ProfileBytes f(0xFFFF);
    for (int i = 0; i < 0xFFFF; ++i) {
      f.name(i, u"Macro " + QString::number(i).toStdU16String());
      f.body(i, std::vector<std::uint8_t>(34, static_cast<std::uint8_t>(i)));
    }
    path = dir.filePath("big.V72");
    f.writeTo(path);
    size = static_cast<qint64>(f.bytes().size());
  }
};

BigFile& Big() {
  static BigFile big;
  return big;
}

long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
  return 0;
}

// Resets the peak resident size so the next VmHWM shows only what follows.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void Copy(benchmark::State& state) {
  Big();   // built outside the timed loop
  const QString out = Big().dir.filePath("copy.V72");
  for (auto _ : state) {
    QFile in(Big().path);
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    QFile o(out);
    o.open(QIODevice::WriteOnly | QIODevice::Truncate);
    o.write(bytes);
    o.close();
  }
  state.SetBytesProcessed(state.iterations() * Big().size);
}

void Read(benchmark::State& state) {
  Big();
  NoReports reporter;
  double peak = 0;
  for (auto _ : state) {
    const long before = StatusKb("VmRSS:");
    ResetPeak();
    KeyProfile profile;
    MacroLibrary library;
    if (!ReadProfileFile(Big().path, profile, &library, ProfileProgram::KeyCfgTool, reporter))
      state.SkipWithError("read failed");
    benchmark::DoNotOptimize(library);
    peak = std::max(peak, double(StatusKb("VmHWM:") - before) * 1024.0 / double(Big().size));
  }
  state.counters["peak_per_file_byte"] = peak;
  state.SetBytesProcessed(state.iterations() * Big().size);
}

void Write(benchmark::State& state) {
  NoReports reporter;
  KeyProfile profile;
  MacroLibrary library;
  ReadProfileFile(Big().path, profile, &library, ProfileProgram::KeyCfgTool, reporter);
  const QString out = Big().dir.filePath("written.V72");
  for (auto _ : state)
    if (!WriteProfileFile(out, profile, library, reporter)) state.SkipWithError("write failed");
  state.SetBytesProcessed(state.iterations() * Big().size);
}

BENCHMARK(Copy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Read)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Write)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
