// The registry store on the real (Wine) registry, in a throw-away key of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include "conversion/win/RegistryOptionsStore.h"

namespace {
constexpr char kKey[] = "Software\\Fernwick\\ZepplayStoreTest";
constexpr char kSection[] = "Software\\Fernwick\\ZepplayStoreTest\\Form";

class RegistryStore : public ::testing::Test {
 protected:
  void SetUp() override { DeleteKeys(); }
  void TearDown() override {
    Store.Close();
    DeleteKeys();
  }
  static void DeleteKeys() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSection);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  // Plants a value of any type and bytes in the section.
  static void Plant(const char* name, DWORD type, const std::string& bytes) {
    RegistryKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kSection, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, key.Receive(), nullptr));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key.Get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())));
  }
  // The type and raw bytes of a value in the section.
  static std::pair<DWORD, std::string> Stored(const char* name) {
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSection, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
      return {REG_NONE, "(no section)"};
    DWORD type = REG_NONE;
    char data[256];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
        ERROR_SUCCESS)
      return {REG_NONE, "(no value)"};
    return {type, std::string(data, size)};
  }

  ::RegistryOptionsStore Store{HKEY_CURRENT_USER, kKey};
};

TEST_F(RegistryStore, OpeningCreatesTheKeyButNoSection) {
  ASSERT_TRUE(Store.Open());
  RegistryKey key;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, key.Receive()));
  EXPECT_EQ(StoredKind::Missing, Store.Read("Form", "Left").Kind);
  EXPECT_EQ("(no section)", Stored("Left").second);
}

TEST_F(RegistryStore, WritesTextWithItsNul) {
  ASSERT_TRUE(Store.Open());
  ASSERT_EQ(WriteResult::Written, Store.Write("Form", "Left", "-4"));
  ASSERT_EQ(WriteResult::Written, Store.Write("Form", "Name", "\x95\x5C"));
  EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string("-4\0", 3)), Stored("Left"));
  EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string("\x95\x5C\0", 3)), Stored("Name"));
  EXPECT_EQ("\x95\x5C", Store.Read("Form", "Name").Text);
}

TEST_F(RegistryStore, ReadsTextOfEitherStringTypeAndRefusesOthers) {
  Plant("Sz", REG_SZ, std::string("12\0", 3));
  Plant("NoNul", REG_SZ, "34");
  Plant("Cut", REG_SZ,
        std::string("5\0"
                    "6",
                    3));
  Plant("Expand", REG_EXPAND_SZ, std::string("%TEMP%\0", 7));
  Plant("Empty", REG_SZ, "");
  Plant("Dword", REG_DWORD, std::string("\x07\0\0\0", 4));
  Plant("Binary", REG_BINARY, "1");
  ASSERT_TRUE(Store.Open());
  const std::pair<const char*, std::string> texts[] = {
      {"Sz", "12"}, {"NoNul", "34"}, {"Cut", "5"}, {"Expand", "%TEMP%"}};
  for (const auto& [name, text] : texts) {
    StoredValue value = Store.Read("Form", name);
    EXPECT_EQ(StoredKind::Text, value.Kind) << name;
    EXPECT_EQ(text, value.Text) << name;
  }
  EXPECT_EQ(StoredKind::Missing, Store.Read("Form", "Empty").Kind);
  EXPECT_EQ(StoredKind::Missing, Store.Read("Form", "Absent").Kind);
  EXPECT_EQ(StoredKind::WrongType, Store.Read("Form", "Dword").Kind);
  EXPECT_EQ(StoredKind::WrongType, Store.Read("Form", "Binary").Kind);
}

// The console program's store: a missing key stays missing, an existing one is read,
// and a write changes nothing.
TEST_F(RegistryStore, AReadOnlyStoreNeverCreatesOrWrites) {
  ::RegistryOptionsStore readOnly{HKEY_CURRENT_USER, kKey, RegistryAccess::ReadOnly};
  EXPECT_FALSE(readOnly.Open());
  RegistryKey key;
  EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, key.Receive()));

  Plant("rad2", REG_SZ, std::string("1\0", 2));
  ASSERT_TRUE(readOnly.Open());
  EXPECT_EQ("1", readOnly.Read("Form", "rad2").Text);
  EXPECT_NE(WriteResult::Written, readOnly.Write("Form", "rad2", "0"));
  readOnly.Close();
  EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string("1\0", 2)), Stored("rad2"));
}

}  // namespace
