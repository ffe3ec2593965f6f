#include "wizard/win/MainWindowLayout.h"

#include "common/Texts.h"
#include "resources/ResourceIds.h"
#include "wizard/win/ControlIds.h"

// clang-format off
namespace {
namespace C = ControlId;
namespace T = Texts::Window;
using K = ControlKind;
using F = FontRole;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

const ControlLayout kLayout = {{
    // The frame around the pages.
    {.Id = C::kPageTitle, .Kind = K::Label, .Place = {123, 11, 244, 16}, .Text = Texts::kTitleChooseSettingsFile, .Font = F::Title, .AutoSize = true},
    {.Id = C::kTitleRule, .Kind = K::Bevel, .Place = {120, 34, 344, 10}},
    {.Id = C::kSidePictureFrame, .Kind = K::Frame, .Place = {8, 9, 102, 213}},
    {.Id = C::kSidePicture, .Parent = C::kSidePictureFrame, .Kind = K::Picture, .Place = {1, 1, 100, 211}, .Resource = IDB_SIDEPICTURE},
    {.Id = C::kChooseFilePage, .Kind = K::Page, .Place = {120, 44, 343, 179}},
    {.Id = C::kOptionsPage, .Kind = K::Page, .Place = {120, 44, 343, 177}, .Hidden = true},
    {.Id = C::kNamePage, .Kind = K::Page, .Place = {120, 44, 343, 177}, .Hidden = true},
    {.Id = C::kDonePage, .Kind = K::Page, .Place = {120, 44, 343, 177}, .Hidden = true},
    {.Id = C::kButtonRule, .Kind = K::Bevel, .Place = {8, 232, 456, 10}},
    {.Id = C::kHelpButton, .Kind = K::PushButton, .Place = {12, 244, 83, 25}, .Text = T::kHelpButton, .TabStop = true},
    {.Id = C::kBackButton, .Kind = K::PushButton, .Place = {200, 244, 83, 25}, .Text = T::kBackButton, .Disabled = true, .TabStop = true},
    {.Id = C::kNextButton, .Kind = K::PushButton, .Place = {283, 244, 83, 25}, .Text = T::kNextButton, .Disabled = true, .TabStop = true, .Default = true},
    {.Id = C::kCloseButton, .Kind = K::PushButton, .Place = {377, 244, 83, 25}, .Text = T::kCloseButton, .TabStop = true},
    {.Id = C::kLineListBox, .Kind = K::ListBox, .Place = {116, 260, 201, 17}, .Hidden = true},

    // Page 0: the settings file.
    {.Id = C::kWelcomeText, .Parent = C::kChooseFilePage, .Kind = K::WrappedLabel, .Place = {1, 2, 339, 100}, .Text = T::kWelcomeText},
    {.Id = C::kSettingsPathLabel, .Parent = C::kChooseFilePage, .Kind = K::Label, .Place = {13, 119, 222, 12}, .Text = T::kSettingsPathLabel},
    {.Id = C::kSettingsPathEdit, .Parent = C::kChooseFilePage, .Kind = K::Edit, .Place = {14, 140, 293, 20}, .TabStop = true},
    {.Id = C::kBrowseButton, .Parent = C::kChooseFilePage, .Kind = K::SpeedButton, .Place = {308, 139, 23, 22}, .Text = T::kBrowseHint, .Resource = IDB_FOLDERGLYPH, .TabStop = true},

    // Page 1: the options of the executable.
    {.Id = C::kVisibilityLabel, .Parent = C::kOptionsPage, .Kind = K::Label, .Place = {4, 2, 159, 12}, .Text = T::kVisibilityLabel},
    {.Id = C::kShowNothingRadio, .Parent = C::kOptionsPage, .Kind = K::RadioButton, .Place = {16, 21, 113, 17}, .Text = T::kShowNothingRadio, .Checked = true, .TabStop = true, .Group = true},
    {.Id = C::kTrayIconRadio, .Parent = C::kOptionsPage, .Kind = K::RadioButton, .Place = {16, 44, 163, 17}, .Text = T::kTrayIconRadio},
    {.Id = C::kPlayOnStartCheck, .Parent = C::kOptionsPage, .Kind = K::CheckBox, .Place = {36, 68, 129, 17}, .Text = T::kPlayOnStartCheck, .Disabled = true, .Checked = true, .TabStop = true, .Group = true},
    {.Id = C::kExitAtEndCheck, .Parent = C::kOptionsPage, .Kind = K::CheckBox, .Place = {36, 94, 161, 17}, .Text = T::kExitAtEndCheck, .Disabled = true, .Checked = true, .TabStop = true},
    {.Id = C::kExitOnKeyCheck, .Parent = C::kOptionsPage, .Kind = K::CheckBox, .Place = {36, 119, 185, 17}, .Text = T::kExitOnKeyCheck, .Disabled = true, .Checked = true, .TabStop = true},
    {.Id = C::kNoteMark, .Parent = C::kOptionsPage, .Kind = K::Label, .Place = {19, 148, 13, 12}, .Text = T::kNoteMark, .Font = F::Bold, .Color = kRed},
    {.Id = C::kNoteText, .Parent = C::kOptionsPage, .Kind = K::WrappedLabel, .Place = {34, 148, 297, 27}, .Text = T::kNoteText},

    // Page 2: the name of the executable and the progress.
    {.Id = C::kNameIntroText, .Parent = C::kNamePage, .Kind = K::WrappedLabel, .Place = {6, 8, 333, 54}, .Text = T::kNameIntroText},
    {.Id = C::kExeNameLabel, .Parent = C::kNamePage, .Kind = K::Label, .Place = {16, 73, 59, 12}, .Text = T::kExeNameLabel},
    {.Id = C::kExeNameEdit, .Parent = C::kNamePage, .Kind = K::Edit, .Place = {79, 70, 254, 20}, .TabStop = true},
    {.Id = C::kPropertiesButton, .Parent = C::kNamePage, .Kind = K::PushButton, .Place = {223, 98, 110, 25}, .Text = T::kPropertiesButton, .TabStop = true},
    {.Id = C::kGaugeFrame, .Parent = C::kNamePage, .Kind = K::Frame, .Place = {24, 140, 293, 25}},
    {.Id = C::kProgressGauge, .Parent = C::kGaugeFrame, .Kind = K::Gauge, .Place = {1, 1, 291, 23}},

    // Page 3: done.
    {.Id = C::kDoneIcon, .Parent = C::kDonePage, .Kind = K::Icon, .Place = {7, 6, 32, 32}, .Resource = IDI_MAINICON},
    {.Id = C::kResultPath, .Parent = C::kDonePage, .Kind = K::PathLabel, .Place = {48, 17, 288, 12}, .Text = T::kResultPath, .AutoSize = true},
    {.Id = C::kDoneText, .Parent = C::kDonePage, .Kind = K::Label, .Place = {7, 54, 229, 36}, .Text = T::kDoneText, .AutoSize = true},
    {.Id = C::kOpenFolderButton, .Parent = C::kDonePage, .Kind = K::PushButton, .Place = {8, 110, 166, 25}, .Text = T::kOpenFolderButton, .TabStop = true},
    {.Id = C::kStartOverLink, .Parent = C::kDonePage, .Kind = K::LinkLabel, .Place = {252, 152, 57, 12}, .Text = T::kStartOverLink, .Font = F::Link, .Color = kBlue, .TabStop = true},
}, kLayoutClientWidth, kLayoutClientHeight};
// clang-format on
}  // namespace

const ControlLayout& MainWindowLayout() { return kLayout; }
