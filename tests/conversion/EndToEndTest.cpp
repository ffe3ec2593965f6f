// The whole chain under Windows: the Zepcom.dat that the build made from the demo
// player, a settings file and several option sets go through the conversion, and each
// generated executable runs and reports what the conversion wrote into it.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <sstream>

#include "platform/File.h"
#include "platform/SystemHandles.h"
#include "tests/conversion/ConversionFixture.h"
#include "tests/support/WaitFor.h"

namespace {
// The folder of this test program, where the build puts Zepcom.dat beside the programs.
std::string OwnFolder() {
  char path[MAX_PATH + 1];
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct RunResult {
  DWORD ExitCode = 0;
  std::string Output;  // standard output, CR LF turned into LF
};

// Runs program and waits for it, with its standard output going to a file.
RunResult RunProgram(const std::string& program, const std::string& outputFile) {
  RunResult result;
  {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const platform::FileHandle output(
        CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(output);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output.Get();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
      ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
      result.ExitCode = ~0u;
      return result;
    }
    const KernelObject thread(process.hThread), started(process.hProcess);
    EXPECT_EQ(WaitForSingleObject(started.Get(), static_cast<DWORD>(kWaitDeadline.count())), WAIT_OBJECT_0);
    GetExitCodeProcess(started.Get(), &result.ExitCode);
  }
  for (char byte : ReadBytes(outputFile))
    if (byte != '\r') result.Output += byte;
  return result;
}

std::string ExpectedReport(const ExecutableOptions& options, int lineCount) {
  std::ostringstream report;
  report << "column1: " << (options.ExitOnControlKey ? '1' : 'Z') << "\n"
         << "column57: " << (options.ShowsNothing() ? ')' : '-') << "\n"
         << "column70: " << (options.PlayOnStart ? '1' : '0') << "\n"
         << "column71: " << (options.ExitAtEnd ? '1' : '0') << "\n"
         << "lines: " << lineCount << "\n";
  return report.str();
}

class EndToEnd : public ConversionFixture {
 protected:
  EndToEnd() : ConversionFixture(OwnFolder()) {}
};
}  // namespace

TEST_F(EndToEnd, GeneratedExecutableReportsTheChosenOptions) {
  ASSERT_TRUE(PathExists(RuntimeFile)) << "the build did not make " << RuntimeFile;
  using V = Visibility;
  const ExecutableOptions optionSets[] = {
      {V::ShowNothing, true, true, true},  // what showing nothing forces
      {V::TrayIcon, true, false, true},    // tray icon, play on start, stay, exit on the key
      {V::TrayIcon, false, true, false},   // tray icon, only exit at the end
      {V::Unchosen, false, false, false},
  };
  for (const ExecutableOptions& options : optionSets) {
    ASSERT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, SettingsPath));
    ASSERT_EQ(MakeOutcome::Made, MakeExecutable(Programs, Settings, options, OutputPath, nullptr));
    const RunResult run = RunProgram(OutputPath, Source / "report.txt");
    EXPECT_EQ(run.ExitCode, 0u);
    EXPECT_EQ(run.Output, ExpectedReport(options, 7));
  }
}

TEST_F(EndToEnd, DemoPlayerWithoutAttachmentFails) {
  const RunResult run = RunProgram(OwnFolder() + "demo_player.exe", Source / "report.txt");
  EXPECT_NE(run.ExitCode, 0u);
  EXPECT_EQ(run.Output, "");
}
