#include "tests/support/TestFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#define getcwd _getcwd
#define chdir _chdir
const char kPathSeparator[] = "\\";
#else
#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
const char kPathSeparator[] = "/";
#endif

namespace {
#ifdef _WIN32
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}
#else
int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }
void RemoveTree(const std::string& folder) { ::nftw(folder.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }
#endif
}  // namespace

TempFolder::TempFolder() {
#ifdef _WIN32
  char base[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof base, base);
  static unsigned counter = 0;
  for (;;) {
    path_ = std::string(base, length) + "zeptest" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp folder");
  }
#else
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zeptestXXXXXX";
  if (!::mkdtemp(&pattern[0])) throw std::runtime_error("no temp folder");
  path_ = pattern;
#endif
  path_ += kPathSeparator;
}

TempFolder::~TempFolder() { RemoveTree(path_); }

CurrentFolder::CurrentFolder(const std::string& folder) {
  char previous[4096];
  if (!getcwd(previous, sizeof previous) || chdir(folder.c_str()) != 0)
    throw std::runtime_error("cannot enter " + folder);
  previous_ = previous;
}

CurrentFolder::~CurrentFolder() {
  if (chdir(previous_.c_str()) != 0) std::abort();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteSparseFile(const std::string& path, uint64_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.seekp(static_cast<std::streamoff>(size - 1));
  out.put('!');
  if (!out) throw std::runtime_error("cannot write " + path);
}

bool MakeFolder(const std::string& path) {
#ifdef _WIN32
  return CreateDirectoryA(path.c_str(), nullptr);
#else
  return ::mkdir(path.c_str(), 0777) == 0;
#endif
}

void SetReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
  SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
  ::chmod(path.c_str(), readOnly ? 0444 : 0644);
#endif
}

std::vector<std::string> EntriesOf(const std::string& folder) {
  std::vector<std::string> names;
#ifdef _WIN32
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do names.push_back(entry.cFileName);
    while (FindNextFileA(find, &entry));
    FindClose(find);
  }
#else
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) names.push_back(entry->d_name);
    ::closedir(dir);
  }
#endif
  names.erase(std::remove_if(names.begin(), names.end(),
                             [](const std::string& name) { return name == "." || name == ".."; }),
              names.end());
  std::sort(names.begin(), names.end());
  return names;
}

bool PathExists(const std::string& path) {
#ifdef _WIN32
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
#endif
}

std::string RandomBytes(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char cell[4];
  for (unsigned char byte : bytes) {
    std::snprintf(cell, sizeof cell, out.empty() ? "%02X" : " %02X", byte);
    out += cell;
  }
  return out;
}
