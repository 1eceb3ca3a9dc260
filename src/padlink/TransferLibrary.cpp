#include "TransferLibrary.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "Transport.h"

namespace {

// The library serves one program's user-interface thread: one transport per process.
struct Library {
  std::unique_ptr<v72::transfer::Transport> transport;
  std::string target;
  std::string error;
};

Library& State() {
  static Library library;
  return library;
}

}  // namespace

extern "C" int RegisterTransferWindow(void*, unsigned int, unsigned int) {
  Library& lib = State();
  v72::transfer::Opened opened = v72::transfer::OpenTransport(std::getenv("V72_KEYPAD"));
  lib.transport = std::move(opened.transport);
  lib.error = std::move(opened.error);
  lib.target = lib.transport ? lib.transport->Target() : std::string();
  return lib.transport ? 1 : 0;
}

extern "C" int SendTransferReport(unsigned int, unsigned int, const unsigned char* report) {
  Library& lib = State();
  return lib.transport && report && lib.transport->Send(report) ? 1 : 0;
}

extern "C" const char* TransferTarget(void) { return State().target.c_str(); }
extern "C" const char* TransferError(void) { return State().error.c_str(); }
