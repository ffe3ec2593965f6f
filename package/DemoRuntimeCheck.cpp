// The installer's custom action. On uninstall it looks whether the Zepcom.dat in the
// install folder is still the demo runtime that the package installed (its MD5 digest
// equals the package's DEMORUNTIMEMD5). Only then it sets DEMORUNTIMEFOLDER to the
// install folder, and the RemoveFile row that names that property removes the file. A
// runtime the user put there in place of the demo is left where it is.
//
// Paths are wide here: the install folder lies in the user's profile, whose name need
// not fit the system's ANSI code page.
#include <windows.h>
#include <msi.h>
#include <msiquery.h>

#include <cwchar>
#include <string>

namespace {
std::wstring Property(MSIHANDLE install, const wchar_t* name) {
  wchar_t probe[1] = L"";
  DWORD length = 0;
  if (MsiGetPropertyW(install, name, probe, &length) != ERROR_MORE_DATA) return {};
  std::wstring value(length + 1, L'\0');
  length = static_cast<DWORD>(value.size());
  if (MsiGetPropertyW(install, name, &value[0], &length) != ERROR_SUCCESS) return {};
  value.resize(length);
  return value;
}

// The file's MD5 digest in lower-case hex digits; empty when it cannot be read. The
// installer hands the digest out as four little-endian words.
std::wstring Md5Digest(const std::wstring& path) {
  MSIFILEHASHINFO hash = {};
  hash.dwFileHashInfoSize = sizeof hash;
  if (MsiGetFileHashW(path.c_str(), 0, &hash) != ERROR_SUCCESS) return {};
  std::wstring digest;
  for (ULONG word : hash.dwData) {
    for (int byte = 0; byte < 4; ++byte) {
      wchar_t digits[3];
      std::swprintf(digits, 3, L"%02x", static_cast<unsigned>((word >> (8 * byte)) & 0xFF));
      digest += digits;
    }
  }
  return digest;
}
}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall FindDemoRuntime(MSIHANDLE install) {
  const std::wstring folder = Property(install, L"INSTALLDIR");
  const std::wstring demo = Property(install, L"DEMORUNTIMEMD5");
  if (!folder.empty() && !demo.empty() && Md5Digest(folder + L"Zepcom.dat") == demo)
    MsiSetPropertyW(install, L"DEMORUNTIMEFOLDER", folder.c_str());
  // Whatever the outcome, the uninstall goes on; at worst the demo stays behind.
  return ERROR_SUCCESS;
}
