#pragma once

#include <cstdio>

#include "LoaderOptions.h"

namespace v72 {

// --print: reads the profile (macros kept) and prints it; a refused file prints the
// reader's message on `err`.
int RunPrintCommand(const LoaderOptions& options, std::FILE* out, std::FILE* err);

}  // namespace v72
