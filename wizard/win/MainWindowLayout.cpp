#include "wizard/win/MainWindowLayout.h"

#include "common/Texts.h"
#include "resources/ResourceIds.h"
#include "wizard/win/ControlIds.h"

namespace {
namespace C = ControlId;
namespace T = Texts::Window;
using K = ControlKind;
using F = FontRole;

constexpr COLORREF kPlain = CLR_INVALID;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

const std::vector<ControlSpec> kLayout = {
    // The frame around the pages.
    {C::kPageTitle, 0, K::Label, 123, 11, 244, 16, Texts::kTitleChooseSettingsFile, cfAutoSize, F::Title, kPlain, 0},
    {C::kTitleRule, 0, K::Bevel, 120, 34, 344, 10, "", 0, F::Normal, kPlain, 0},
    {C::kSidePictureFrame, 0, K::Frame, 8, 9, 102, 213, "", 0, F::Normal, kPlain, 0},
    {C::kSidePicture, C::kSidePictureFrame, K::Picture, 1, 1, 100, 211, "", 0, F::Normal, kPlain, IDB_SIDEPICTURE},
    {C::kChooseFilePage, 0, K::Page, 120, 44, 343, 179, "", 0, F::Normal, kPlain, 0},
    {C::kOptionsPage, 0, K::Page, 120, 44, 343, 177, "", cfHidden, F::Normal, kPlain, 0},
    {C::kNamePage, 0, K::Page, 120, 44, 343, 177, "", cfHidden, F::Normal, kPlain, 0},
    {C::kDonePage, 0, K::Page, 120, 44, 343, 177, "", cfHidden, F::Normal, kPlain, 0},
    {C::kButtonRule, 0, K::Bevel, 8, 232, 456, 10, "", 0, F::Normal, kPlain, 0},
    {C::kHelpButton, 0, K::PushButton, 12, 244, 83, 25, T::kHelpButton, cfTabStop, F::Normal, kPlain, 0},
    {C::kBackButton, 0, K::PushButton, 200, 244, 83, 25, T::kBackButton, cfTabStop | cfDisabled, F::Normal, kPlain, 0},
    {C::kNextButton, 0, K::PushButton, 283, 244, 83, 25, T::kNextButton, cfTabStop | cfDisabled | cfDefault, F::Normal, kPlain, 0},
    {C::kCloseButton, 0, K::PushButton, 377, 244, 83, 25, T::kCloseButton, cfTabStop, F::Normal, kPlain, 0},
    {C::kLineListBox, 0, K::ListBox, 116, 260, 201, 17, "", cfHidden, F::Normal, kPlain, 0},

    // Page 0: the settings file.
    {C::kWelcomeText, C::kChooseFilePage, K::WrappedLabel, 1, 2, 339, 100, T::kWelcomeText, 0, F::Normal, kPlain, 0},
    {C::kSettingsPathLabel, C::kChooseFilePage, K::Label, 13, 119, 222, 12, T::kSettingsPathLabel, 0, F::Normal, kPlain, 0},
    {C::kSettingsPathEdit, C::kChooseFilePage, K::Edit, 14, 140, 293, 20, "", cfTabStop, F::Normal, kPlain, 0},
    {C::kBrowseButton, C::kChooseFilePage, K::SpeedButton, 308, 139, 23, 22, T::kBrowseHint, 0, F::Normal, kPlain, IDB_FOLDERGLYPH},

    // Page 1: the options of the executable.
    {C::kVisibilityLabel, C::kOptionsPage, K::Label, 4, 2, 159, 12, T::kVisibilityLabel, 0, F::Normal, kPlain, 0},
    {C::kShowNothingRadio, C::kOptionsPage, K::RadioButton, 16, 21, 113, 17, T::kShowNothingRadio, cfTabStop | cfGroup | cfChecked, F::Normal, kPlain, 0},
    {C::kTrayIconRadio, C::kOptionsPage, K::RadioButton, 16, 44, 163, 17, T::kTrayIconRadio, 0, F::Normal, kPlain, 0},
    {C::kPlayOnStartCheck, C::kOptionsPage, K::CheckBox, 36, 68, 129, 17, T::kPlayOnStartCheck, cfTabStop | cfGroup | cfChecked | cfDisabled, F::Normal, kPlain, 0},
    {C::kExitAtEndCheck, C::kOptionsPage, K::CheckBox, 36, 94, 161, 17, T::kExitAtEndCheck, cfTabStop | cfChecked | cfDisabled, F::Normal, kPlain, 0},
    {C::kExitOnKeyCheck, C::kOptionsPage, K::CheckBox, 36, 119, 185, 17, T::kExitOnKeyCheck, cfTabStop | cfChecked | cfDisabled, F::Normal, kPlain, 0},
    {C::kNoteMark, C::kOptionsPage, K::Label, 19, 148, 13, 12, T::kNoteMark, 0, F::Bold, kRed, 0},
    {C::kNoteText, C::kOptionsPage, K::WrappedLabel, 34, 148, 297, 27, T::kNoteText, 0, F::Normal, kPlain, 0},

    // Page 2: the name of the executable and the progress.
    {C::kNameIntroText, C::kNamePage, K::WrappedLabel, 6, 8, 333, 54, T::kNameIntroText, 0, F::Normal, kPlain, 0},
    {C::kExeNameLabel, C::kNamePage, K::Label, 16, 73, 59, 12, T::kExeNameLabel, 0, F::Normal, kPlain, 0},
    {C::kExeNameEdit, C::kNamePage, K::Edit, 79, 70, 254, 20, "", cfTabStop, F::Normal, kPlain, 0},
    {C::kGaugeFrame, C::kNamePage, K::Frame, 24, 140, 293, 25, "", 0, F::Normal, kPlain, 0},
    {C::kProgressGauge, C::kGaugeFrame, K::Gauge, 1, 1, 291, 23, "", 0, F::Normal, kPlain, 0},

    // Page 3: done.
    {C::kDoneIcon, C::kDonePage, K::Icon, 7, 6, 32, 32, "", 0, F::Normal, kPlain, IDI_MAINICON},
    {C::kResultPath, C::kDonePage, K::Label, 48, 17, 60, 12, T::kResultPath, cfAutoSize, F::Normal, kPlain, 0},
    {C::kDoneText, C::kDonePage, K::Label, 7, 54, 229, 36, T::kDoneText, cfAutoSize, F::Normal, kPlain, 0},
    {C::kOpenFolderButton, C::kDonePage, K::PushButton, 8, 110, 166, 25, T::kOpenFolderButton, cfTabStop, F::Normal, kPlain, 0},
    {C::kStartOverLink, C::kDonePage, K::LinkLabel, 252, 152, 57, 12, T::kStartOverLink, 0, F::Link, kBlue, 0},
};
}  // namespace

const std::vector<ControlSpec>& MainWindowLayout() { return kLayout; }

const ControlSpec* FindControlSpec(int id) {
  for (const ControlSpec& spec : kLayout)
    if (spec.Id == id) return &spec;
  return nullptr;
}
