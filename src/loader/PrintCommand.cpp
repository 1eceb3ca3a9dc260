#include "PrintCommand.h"

#include "ProfileFile.h"
#include "KeypadPrint.h"
#include "ProfilePrint.h"
#include "Transport.h"

namespace v72 {

void StreamReporter::ReportProfileFailure(ProfileFailure, const QString& text) {
  std::fprintf(stream_, "%s\n", text.toLocal8Bit().constData());
}

int RunPrintCommand(const LoaderOptions& options, std::FILE* out, std::FILE* err) {
  if (options.files.isEmpty()) {
    std::fprintf(err, "No profile file given.\n");
    return ExitNoArgument;
  }
  KeyProfile profile;
  MacroLibrary library;
  StreamReporter reporter(err);
  if (!ReadProfileFile(options.ProfilePath(), profile, &library, ProfileProgram::Loader, reporter))
    return ExitRefusedFile;
  const QByteArray text = options.json ? ProfileJson(profile, library) : ProfileText(profile, library);
  std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out);
  return std::fflush(out) == 0 ? ExitOk : ExitUsage;
}

int RunPrintKeypadCommand(const LoaderOptions& options, std::FILE* out, std::FILE* err) {
  const QString path = options.files.isEmpty()
                           ? QString::fromStdString(transfer::DefaultSimulatedKeypadPath())
                           : options.files.last();
  KeypadMemory memory{};
  if (!ReadKeypadMemory(path, memory)) {
    std::fprintf(err, "Cannot read the simulated keypad %s\n", path.toLocal8Bit().constData());
    return ExitRefusedFile;
  }
  const QByteArray text = options.json ? KeypadJson(memory) : KeypadText(memory);
  std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out);
  return std::fflush(out) == 0 ? ExitOk : ExitUsage;
}

}  // namespace v72
