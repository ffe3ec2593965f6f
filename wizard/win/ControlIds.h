#pragma once
// The control ids of the main window, named after the controls. The window, its
// layout table and the tests share them. Ids stay clear of IDOK and IDCANCEL so that
// no key of the dialog manager can reach a control by accident.

namespace ControlId {
// On the window itself.
inline constexpr int kPageTitle = 100;
inline constexpr int kTitleRule = 101;
inline constexpr int kSidePictureFrame = 102;
inline constexpr int kSidePicture = 103;
inline constexpr int kChooseFilePage = 110;
inline constexpr int kOptionsPage = 111;
inline constexpr int kNamePage = 112;
inline constexpr int kDonePage = 113;
inline constexpr int kButtonRule = 120;
inline constexpr int kHelpButton = 121;
inline constexpr int kBackButton = 122;
inline constexpr int kNextButton = 123;
inline constexpr int kCloseButton = 124;
inline constexpr int kLineListBox = 125;
// Page 0.
inline constexpr int kWelcomeText = 200;
inline constexpr int kSettingsPathLabel = 201;
inline constexpr int kSettingsPathEdit = 202;
inline constexpr int kBrowseButton = 203;
// Page 1.
inline constexpr int kVisibilityLabel = 300;
inline constexpr int kShowNothingRadio = 301;
inline constexpr int kTrayIconRadio = 302;
inline constexpr int kPlayOnStartCheck = 303;
inline constexpr int kExitAtEndCheck = 304;
inline constexpr int kExitOnKeyCheck = 305;
inline constexpr int kNoteMark = 306;
inline constexpr int kNoteText = 307;
// Page 2.
inline constexpr int kNameIntroText = 400;
inline constexpr int kExeNameLabel = 401;
inline constexpr int kExeNameEdit = 402;
inline constexpr int kGaugeFrame = 403;
inline constexpr int kProgressGauge = 404;
inline constexpr int kPropertiesButton = 405;
// Page 3.
inline constexpr int kDoneIcon = 500;
inline constexpr int kResultPath = 501;
inline constexpr int kDoneText = 502;
inline constexpr int kOpenFolderButton = 503;
inline constexpr int kStartOverLink = 504;
}  // namespace ControlId
