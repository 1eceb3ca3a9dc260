#pragma once

#include <cstdio>

#include "LoaderOptions.h"
#include "ProfileFile.h"

namespace v72 {

// The reader's messages as lines on a terminal stream.
class StreamReporter : public ProfileReporter {
 public:
  explicit StreamReporter(std::FILE* stream) : stream_(stream) {}
  void ReportProfileFailure(ProfileFailure, const QString& text) override;

 private:
  std::FILE* stream_;
};

// --print: reads the profile (macros kept) and prints it; a refused file prints the
// reader's message on `err`.
int RunPrintCommand(const LoaderOptions& options, std::FILE* out, std::FILE* err);

// --print-keypad [PATH]: the key actions a simulated keypad's memory holds (default: the
// simulated keypad the automatic transport uses).
int RunPrintKeypadCommand(const LoaderOptions& options, std::FILE* out, std::FILE* err);

}  // namespace v72
