#include "wizard/PropertiesForm.h"

#include <optional>

namespace {
// A text of the form, the request's part for it and the version information's field.
struct TextProperty {
  std::string PropertiesForm::*Field;
  std::optional<std::string> PropertiesRequest::*Requested;
  std::string VersionInfo::*Version;
};

const TextProperty kTextProperties[] = {
    {&PropertiesForm::ProductVersion, &PropertiesRequest::ProductVersion, &VersionInfo::ProductVersion},
    {&PropertiesForm::Description, &PropertiesRequest::Description, &VersionInfo::FileDescription},
    {&PropertiesForm::Product, &PropertiesRequest::Product, &VersionInfo::ProductName},
    {&PropertiesForm::Company, &PropertiesRequest::Company, &VersionInfo::CompanyName},
    {&PropertiesForm::Copyright, &PropertiesRequest::Copyright, &VersionInfo::LegalCopyright},
};
}  // namespace

PropertiesForm FormOf(const VersionInfo& base, const PropertiesRequest& request) {
  PropertiesForm form;
  form.FileVersion = FileVersionText(request.FileVersion.value_or(base.FileVersion));
  for (const TextProperty& text : kTextProperties)
    form.*text.Field = (request.*text.Requested).value_or(base.*text.Version);
  return form;
}

PropertiesRequest RequestOf(const PropertiesForm& form, const VersionInfo& base) {
  PropertiesRequest request;
  if (!form.IconPath.empty()) request.Icon = ReadIcon(form.IconPath);
  const FileVersionNumbers fileVersion = ReadFileVersion(form.FileVersion);
  if (fileVersion != base.FileVersion) request.FileVersion = fileVersion;
  for (const TextProperty& text : kTextProperties)
    if (form.*text.Field != base.*text.Version) request.*text.Requested = form.*text.Field;
  return request;
}
