#include "tests/support/ProcessDriver.h"

#include <stdexcept>

#include "platform/SystemHandles.h"

namespace {
constexpr char kOptionsKey[] = "Software\\Fernwick\\Zepplay";
constexpr char kFormKey[] = "Software\\Fernwick\\Zepplay\\Form";

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

struct WindowSearch {
  DWORD ProcessId;
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (ProcessOf(window) == search->ProcessId && IsWindowVisible(window)) search->Found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM data) {
  if (ClassNameOf(child) == "Static")
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(TextOf(child));
  return TRUE;
}

struct ControlSearch {
  int Id;
  HWND Found;
};

BOOL CALLBACK FindControl(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ControlSearch*>(data);
  if (GetDlgCtrlID(child) != search->Id) return TRUE;
  search->Found = child;
  return FALSE;
}

// The first visible top-level window of the process that matches.
template <class Match>
HWND FindTopLevel(DWORD processId, Match match) {
  for (HWND window : WindowsOf(processId))
    if (match(window)) return window;
  return nullptr;
}

}  // namespace

std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return FolderOf(path);
}

std::string SystemTempFolder() {
  char path[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, path);
  return path;
}

ZepplayRun::ZepplayRun(const std::string& arguments, const std::string& program, HANDLE output, HANDLE error,
                       DWORD creationFlags)
    : ZepplayRun(Widen(arguments), program, output, error, creationFlags) {}

ZepplayRun::ZepplayRun(const std::wstring& arguments, const std::string& program, HANDLE output, HANDLE error,
                       DWORD creationFlags) {
  std::wstring commandLine =
      L"\"" + Widen(program.empty() ? ProgramFolder() + "zepplay.exe" : program) + L"\" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  const BOOL redirected = output != nullptr;
  if (redirected) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = error;
  }
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, redirected, creationFlags, nullptr, nullptr,
                      &startup, &info_))
    throw std::runtime_error("cannot start " + program);
}

ZepplayRun::~ZepplayRun() {
  Kill();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

int ZepplayRun::WaitForExit() {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(kWaitDeadline.count())) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<int>(code);
}

void ZepplayRun::Kill() {
  if (HasEnded()) return;
  TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, static_cast<DWORD>(kWaitDeadline.count()));
}

bool ZepplayRun::HasEnded() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }

namespace {
HANDLE CreateInheritedFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ProgramOrZepplayc(const std::string& program) {
  return program.empty() ? ProgramFolder() + "zepplayc.exe" : program;
}
}  // namespace

ConsoleRun::ConsoleRun(const std::string& arguments, const std::string& program, DWORD creationFlags)
    : ConsoleRun(Widen(arguments), program, creationFlags) {}

ConsoleRun::ConsoleRun(const std::wstring& arguments, const std::string& program, DWORD creationFlags)
    : output_(CreateInheritedFile(streams_ / "output")),
      error_(CreateInheritedFile(streams_ / "error")),
      process_(arguments, ProgramOrZepplayc(program), output_, error_, creationFlags) {}

ConsoleRun::~ConsoleRun() {
  CloseHandle(output_);
  CloseHandle(error_);
}

ConsoleOutcome ConsoleRun::Finish() {
  const int exitCode = process_.WaitForExit();
  return {exitCode, ReadBytes(streams_ / "output"), ReadBytes(streams_ / "error")};
}

TestConsole::TestConsole(UINT codePage) {
  FreeConsole();
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  ready_ = AllocConsole() && SetConsoleOutputCP(codePage);
  screen_ = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        &inherited, OPEN_EXISTING, 0, nullptr);
  ready_ = ready_ && screen_ != INVALID_HANDLE_VALUE;
}

TestConsole::~TestConsole() {
  CloseHandle(screen_);
  FreeConsole();
}

std::wstring TestConsole::Line(int row) const {
  CONSOLE_SCREEN_BUFFER_INFO info = {};
  GetConsoleScreenBufferInfo(screen_, &info);
  std::wstring line(static_cast<size_t>(info.dwSize.X), L' ');
  DWORD read = 0;
  ReadConsoleOutputCharacterW(screen_, &line[0], static_cast<DWORD>(line.size()),
                              {0, static_cast<SHORT>(row)}, &read);
  line.resize(read);
  return line.substr(0, line.find_last_not_of(L' ') + 1);
}

std::vector<HWND> WindowsOf(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND MainWindowOf(DWORD processId) {
  return FindTopLevel(processId, [](HWND window) { return ClassNameOf(window) == "TfrmZepplay"; });
}

HWND WaitForMainWindow(DWORD processId) {
  return WaitFor([&] { return MainWindowOf(processId); });
}

HWND BoxOf(DWORD processId, const std::string& caption) {
  return FindTopLevel(
      processId, [&](HWND window) { return ClassNameOf(window) == "#32770" && TextOf(window) == caption; });
}

HWND WaitForBox(DWORD processId, const std::string& caption) {
  return WaitFor([&] { return BoxOf(processId, caption); });
}

std::vector<std::string> TextsOf(HWND box) {
  std::vector<std::string> texts;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

void ClickOk(HWND box) { Click(GetDlgItem(box, IDOK)); }

HWND ControlOf(HWND mainWindow, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(mainWindow, FindControl, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

namespace {
BOOL CALLBACK NoteLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) {
  *reinterpret_cast<WORD*>(found) = language;
  return FALSE;
}
}  // namespace

bool SpoilBitmapResource(const std::string& program, int id) {
  WORD language = 0;
  HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return false;
  EnumResourceLanguagesA(module, reinterpret_cast<LPCSTR>(RT_BITMAP), MAKEINTRESOURCEA(id), NoteLanguage,
                         reinterpret_cast<LONG_PTR>(&language));
  FreeLibrary(module);
  char noPicture[4] = {'n', 'o', 'n', 'e'};
  HANDLE update = BeginUpdateResourceA(program.c_str(), FALSE);
  return update &&
         UpdateResourceA(update, reinterpret_cast<LPCSTR>(RT_BITMAP), MAKEINTRESOURCEA(id), language,
                         noPicture, sizeof noPicture) &&
         EndUpdateResourceA(update, FALSE);
}

void DeleteOptionsKey() {
  RegDeleteKeyA(HKEY_CURRENT_USER, kFormKey);
  RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
}

bool OptionsKeyExists() {
  RegistryKey key;
  return RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

void PlantValue(const std::string& name, DWORD type, const std::string& bytes) {
  RegistryKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kFormKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Receive(),
                      nullptr) != ERROR_SUCCESS ||
      RegSetValueExA(key.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                     static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
    throw std::runtime_error("cannot plant " + name);
}

void PlantText(const std::string& name, const std::string& text) {
  PlantValue(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

std::vector<RegistryValue> FormValues() {
  std::vector<RegistryValue> values;
  RegistryKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kFormKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameSize = sizeof name;
    char data[256];
    DWORD dataSize = sizeof data;
    DWORD type = REG_NONE;
    if (RegEnumValueA(key.Get(), index, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                      &dataSize) != ERROR_SUCCESS)
      return values;
    values.push_back({std::string(name, nameSize), type, std::string(data, dataSize)});
  }
}
