// Language set-up plus every lookup of every form, on the Japanese sample pack, against
// reading the same file's bytes alone. Both run in one program; the ratio is printed last.

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <string>

#include <QFile>
#include <QTemporaryDir>

#include "Language.h"

namespace {

struct PackFolder {
  QTemporaryDir dir;
  QString pack = dir.filePath(QStringLiteral("UILANG.lng"));
  v72::LanguageSources sources;

  PackFolder() {
    if (!QFile::copy(QStringLiteral(V72_LANG_SAMPLES_DIR "/Japanese-1041.lng"), pack)) std::abort();
    sources.OpenCommand = (QStringLiteral("\"") + dir.path() + QStringLiteral("/KeyCfgTool\" \"%1\"")).toStdU16String();
  }
};

PackFolder& Folder() {
  static PackFolder folder;
  return folder;
}

void BM_ReadPackBytes(benchmark::State& state) {
  const QString& path = Folder().pack;
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    QByteArray bytes = file.readAll();
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ReadPackBytes);

void BM_SetUpAndEveryFormLookup(benchmark::State& state) {
  const v72::LanguageSources& sources = Folder().sources;
  for (auto _ : state) {
    v72::LanguageState language;
    if (!v72::SetUpLanguage(language, sources)) std::abort();
    v72::FillMessageTexts(language);
    for (std::string_view form : v72::FormNames()) {
      v72::ForEachFormText(language, form, [](const v72::FormText&, const std::u16string& text) {
        benchmark::DoNotOptimize(text.data());
      });
    }
    benchmark::DoNotOptimize(language.MessageTexts.data());
  }
}
BENCHMARK(BM_SetUpAndEveryFormLookup);

// Prints the ratio of the two mean times after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto read = times_.find("BM_ReadPackBytes");
    const auto setUp = times_.find("BM_SetUpAndEveryFormLookup");
    if (read != times_.end() && setUp != times_.end() && read->second > 0) {
      std::cout << "set-up and lookups / reading the bytes: " << setUp->second / read->second << "x\n";
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
