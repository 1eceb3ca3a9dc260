#pragma once
// The loader without a window: the same sequence, progress and messages on standard error.

#include <cstdio>

#include "LoaderOptions.h"
#include "LoaderSession.h"

namespace v72 {

// Runs the download in the current event loop (a QCoreApplication must exist); returns the
// exit status. The instance lock is the caller's.
int RunTerminalLoader(const LoaderOptions& options, LoaderSession& session, std::FILE* err);

}  // namespace v72
