#pragma once
// The console program's run in a conversion scratch folder, over the fake options
// store, with what it writes to its two streams recorded.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/Texts.h"
#include "console/ConsoleRun.h"
#include "tests/support/ConversionScratch.h"
#include "tests/support/TestFiles.h"

class RecordedStreams : public IConsoleStreams {
 public:
  void Write(ConsoleStream stream, const std::string& text) override {
    (stream == ConsoleStream::Output ? Output : Error) += text;
  }
  std::string Output, Error;
};

class ConsoleProgram : public ConversionScratch {
 protected:
  void SetUp() override {
    WriteSettings(kSettingsPath);
    InstallRuntime();
  }
  int Run(std::vector<std::string> arguments, std::function<bool()> interrupted = {}) {
    Streams = RecordedStreams();
    const ConsoleRunFacts facts{"prog\\zepplayc.exe", std::move(arguments), std::move(interrupted)};
    return RunConsoleProgram(facts, Store, Streams);
  }
  static std::string ErrorLine(const std::string& text) {
    return Texts::Console::kLinePrefix + text + "\r\n";
  }
  std::string ExecutableColumns() const {
    return OptionColumns(ReadBytes(kExecutablePath).substr(RuntimeImage().size()));
  }

  RecordedStreams Streams;
};
