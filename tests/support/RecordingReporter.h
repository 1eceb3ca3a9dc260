#pragma once

#include <vector>

#include <QString>

#include "ProfileFile.h"

// Keeps every failure the core reports, for the test to inspect.
class RecordingReporter : public v72::ProfileReporter {
 public:
  void ReportProfileFailure(v72::ProfileFailure failure, const QString& text) override {
    failures.push_back(failure);
    texts.push_back(text);
  }
  std::vector<v72::ProfileFailure> failures;
  std::vector<QString> texts;
};
