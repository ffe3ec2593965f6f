#pragma once
// The fields of the properties dialog, and how they stand to the properties of the
// executable: the dialog starts with the properties the executable would have, and OK
// turns what the user changed of them into a request. Texts are cp932 byte strings.
#include <string>

#include "conversion/ExecutableProperties.h"

struct PropertiesForm {
  std::string IconPath;  // an icon file; empty: the icon stays as it is
  std::string FileVersion;
  std::string ProductVersion, Description, Product, Company, Copyright;
};

// The texts of base with what request gives in their place; the icon field empty.
PropertiesForm FormOf(const VersionInfo& base, const PropertiesRequest& request);

// What form changes of base: each text that differs, the file version when its numbers
// do, and the icon of the file that the icon field names. Raises the Exception of
// ReadIcon or ReadFileVersion, which names the file or the version that is wrong.
PropertiesRequest RequestOf(const PropertiesForm& form, const VersionInfo& base);
