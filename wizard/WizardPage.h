#pragma once
// The wizard's four pages, in the order in which they follow each other.

enum class WizardPage {
  ChooseFile,  // the settings file
  Options,     // the options of the executable
  Name,        // the executable's name, and the conversion with its gauge
  Done,        // the result
};

inline constexpr WizardPage kWizardPages[] = {WizardPage::ChooseFile, WizardPage::Options, WizardPage::Name,
                                              WizardPage::Done};
inline constexpr int kPageCount = 4;

// The page's place in the order, 0 to 3, for tables with a row per page.
constexpr int PageNumber(WizardPage page) { return static_cast<int>(page); }
constexpr WizardPage NextPage(WizardPage page) {
  return page == WizardPage::Done ? page : static_cast<WizardPage>(PageNumber(page) + 1);
}
constexpr WizardPage PreviousPage(WizardPage page) {
  return page == WizardPage::ChooseFile ? page : static_cast<WizardPage>(PageNumber(page) - 1);
}
