// The simulated keypad (a 768-byte memory file) and the report log.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Transport.h"

namespace v72::transfer {

namespace {

std::string Why(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// mkdir -p for the folder of `path`.
void MakeParents(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    ::mkdir(path.substr(0, slash).c_str(), 0700);
}

class FdTransport : public Transport {
 public:
  explicit FdTransport(int fd) : fd_(fd) {}
  ~FdTransport() override { ::close(fd_); }

 protected:
  int fd_;
};

class SimulatedKeypad : public FdTransport {
 public:
  SimulatedKeypad(int fd, std::string path) : FdTransport(fd), path_(std::move(path)) {}
  bool Send(const std::uint8_t* report) override {
    const std::size_t address = report[1] | (report[2] << 8);
    if (report[0] != 3 || address + 4 > KeypadMemorySize) return false;
    ssize_t n;
    do n = ::pwrite(fd_, report + 3, 4, static_cast<off_t>(address));
    while (n < 0 && errno == EINTR);
    return n == 4;
  }
  std::string Target() const override { return "simulated keypad " + path_; }

 private:
  std::string path_;
};

class ReportLog : public FdTransport {
 public:
  ReportLog(int fd, std::string path) : FdTransport(fd), path_(std::move(path)) {}
  bool Send(const std::uint8_t* report) override {
    // Unbuffered, one write per report, so a reader of a FIFO sees each as it is sent.
    ssize_t n;
    do n = ::write(fd_, report, ReportSize);
    while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(ReportSize);
  }
  std::string Target() const override { return "report log " + path_; }

 private:
  std::string path_;
};

}  // namespace

std::string DefaultSimulatedKeypadPath() {
  std::string state;
  if (const char* s = std::getenv("XDG_STATE_HOME"); s && *s == '/') {
    state = s;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    state = std::string(home) + "/.local/state";
  } else {
    state = "/tmp";
  }
  return state + "/veltrain712/keypad.bin";
}

Opened OpenSimulatedKeypad(const std::string& path) {
  if (path.empty()) return {nullptr, "sim: needs a path, as in sim:/tmp/keypad.bin"};
  MakeParents(path);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return {nullptr, Why("Cannot open the simulated keypad", path)};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return {nullptr, "The simulated keypad " + path + " is not a regular file"};
  }
  // A new memory starts zeroed; an existing one keeps what earlier downloads wrote. Any
  // other file (a profile named by mistake, say) is left alone.
  if (st.st_size != 0 && st.st_size != static_cast<off_t>(KeypadMemorySize)) {
    ::close(fd);
    return {nullptr, "The simulated keypad " + path + " is not a keypad memory file (768 bytes)"};
  }
  if (st.st_size == 0 && ::ftruncate(fd, KeypadMemorySize) != 0) {
    Opened failed{nullptr, Why("Cannot size the simulated keypad", path)};
    ::close(fd);
    return failed;
  }
  return {std::make_unique<SimulatedKeypad>(fd, path), {}};
}

Opened OpenReportLog(const std::string& path) {
  if (path.empty()) return {nullptr, "log: needs a path, as in log:/tmp/reports.bin"};
  // Without O_NONBLOCK a FIFO nobody reads would hang the open for ever.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0 && errno == ENXIO) return {nullptr, "Nothing reads the report log FIFO " + path};
  if (fd < 0) return {nullptr, Why("Cannot open the report log", path)};
  // Reports are then written blocking, one at a time, as on any file.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return {std::make_unique<ReportLog>(fd, path), {}};
}

}  // namespace v72::transfer
