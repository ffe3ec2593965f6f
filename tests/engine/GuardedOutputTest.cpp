// The one guarded output every file of the program goes through: names Windows would
// change or refuse, the files the program keeps however a path spells them, and a
// target that holds the bytes already. Whatever is refused, nothing is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/Format.h"
#include "common/Texts.h"
#include "engine/GuardedOutput.h"
#include "tests/support/ExpectError.h"
#include "tests/support/TestFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr uint64_t kLargest = 1 << 20;

class Output : public ::testing::Test {
 protected:
  // Writes bytes to path through a guarded output that keeps kept.
  OutputOutcome Write(const std::string& path, const std::string& bytes,
                      const std::vector<KeptFile>& kept = {},
                      ExistingTarget existing = ExistingTarget::Replace) {
    GuardedOutput output(path, kept, kLargest);
    output.Append(bytes.data(), bytes.size());
    return output.Finish(existing);
  }
  // Expects path refused with the create error naming it, for reason.
  void ExpectRefused(const std::string& path, const std::vector<KeptFile>& kept = {},
                     ErrorReason reason = ErrorReason::Unspecified) {
    SCOPED_TRACE(path);
    const std::vector<std::string> before = EntriesOf(Folder.Path());
    try {
      Write(path, "new bytes", kept);
      ADD_FAILURE() << "not refused";
    } catch (const EFCreateError& error) {
      EXPECT_EQ(Hex(FormatText(Texts::kFileCreateError, path)), Hex(error.Message()));
      EXPECT_EQ(reason, error.Reason());
      EXPECT_EQ(path, error.Path());
    }
    EXPECT_EQ(before, EntriesOf(Folder.Path()));
  }

  TempFolder Folder;
  CurrentFolder InFolder{Folder.Path()};
};
}  // namespace

// ":" in a name makes a stream of another file, Windows drops a trailing dot or blank,
// device names are no files, and some characters no name may hold; 表 (95 5C) and
// ポ (83 7C) end in the bytes of "\" and "|" and are names like any other.
TEST_F(Output, NamesWindowsWouldChangeOrRefuseAreRefused) {
  for (const char* name : {"a:b.exe",  "x.",       "y.exe ", "y.exe. ", "CON.exe", "nul.exe", "lpt1.exe",
                           "Com9",     "aux .txt", "a?.exe", "a*.exe",  "a|b.exe", "a<b.exe", "a>b.exe",
                           "a\"b.exe", "a\tb.exe", "",       "sub/",    "sub\\",   "C:x.exe"})
    ExpectRefused(name);
  for (const char* name : {"表.exe", "ポ.exe", "con1.exe", "console.exe", "a.b.exe", ".zep"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(OutputOutcome::Written, Write(name, "bytes"));
    EXPECT_EQ("bytes", ReadBytes(name));
  }
}

// A kept file is refused with its own reason by every spelling that reaches it: "/" and
// "\" alike, "." and "..", letter case and the short name where the file system ignores
// them, and a hard link.
TEST_F(Output, KeptFilesAreRefusedHoweverThePathSpellsThem) {
  ASSERT_TRUE(MakeFolder("sub"));
  WriteBytes("Kept File.dat", "kept");
  const std::vector<KeptFile> kept = {{"Kept File.dat", ErrorReason::OutputIsRuntimeFile}};
  std::vector<std::string> spellings = {"Kept File.dat", "./Kept File.dat", "sub/../Kept File.dat"};
#ifdef _WIN32
  ASSERT_TRUE(CreateHardLinkA("Linked.dat", "Kept File.dat", nullptr));
  char shortPath[MAX_PATH] = {};
  ASSERT_NE(0u, GetShortPathNameA("Kept File.dat", shortPath, MAX_PATH));
  ASSERT_NE(std::string(shortPath), "Kept File.dat");
  spellings.insert(spellings.end(),
                   {".\\Kept File.dat", "sub\\..\\Kept File.dat", "KEPT FILE.DAT", "Linked.dat", shortPath});
#else
  ASSERT_EQ(0, ::link("Kept File.dat", "Linked.dat"));
  spellings.push_back("Linked.dat");
#endif
  for (const std::string& path : spellings) ExpectRefused(path, kept, ErrorReason::OutputIsRuntimeFile);
  EXPECT_EQ("kept", ReadBytes("Kept File.dat"));
}

// The same bytes leave the target untouched, read-only or not; other bytes replace it
// unless it is read-only, or, when asked, leave it as it is.
TEST_F(Output, ATargetWithTheSameBytesIsLeftAlone) {
  WriteBytes("target.zep", "same");
  const auto time = std::filesystem::last_write_time("target.zep");
  SetReadOnly("target.zep", true);
  EXPECT_EQ(OutputOutcome::Unchanged, Write("target.zep", "same"));
  // The user protected it: other bytes do not replace it.
  ExpectError<EFCreateError>([&] { Write("target.zep", "other"); },
                             FormatText(Texts::kOutputReadOnly, "target.zep"));
  SetReadOnly("target.zep", false);
  EXPECT_EQ(time, std::filesystem::last_write_time("target.zep"));
  EXPECT_EQ(OutputOutcome::Kept, Write("target.zep", "other", {}, ExistingTarget::Keep));
  EXPECT_EQ(OutputOutcome::Written, Write("target.zep", "sam"));  // a prefix is other bytes
  EXPECT_EQ("sam", ReadBytes("target.zep"));
  EXPECT_EQ(std::vector<std::string>{"target.zep"}, EntriesOf(Folder.Path()));
}

TEST_F(Output, AFolderAndTooManyBytesAreRefused) {
  ASSERT_TRUE(MakeFolder("folder.exe"));
  ExpectRefused("folder.exe");
  try {
    GuardedOutput output("big.exe", {}, 10);
    output.Append("01234567890", 11);
    FAIL() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(Hex(FormatText(Texts::kExecutableTooLarge, "big.exe")), Hex(error.Message()));
  }
  EXPECT_EQ(std::vector<std::string>{"folder.exe"}, EntriesOf(Folder.Path()));
}
