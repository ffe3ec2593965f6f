#pragma once
// The properties dialog's controls as data (ControlLayout), and their ids. OK and Cancel
// have the ids that the dialog manager gives Enter and Esc.
#include "wizard/win/ControlLayout.h"

namespace PropertiesControlId {
inline constexpr int kIconLabel = 600;
inline constexpr int kIconPathEdit = 601;
inline constexpr int kIconBrowseButton = 602;
inline constexpr int kLargeIcon = 603;  // the icon at 32 pixels
inline constexpr int kSmallIcon = 604;  // and at 16
inline constexpr int kIconNote = 605;
inline constexpr int kIconRule = 606;
inline constexpr int kFileVersionLabel = 610;
inline constexpr int kFileVersionEdit = 611;
inline constexpr int kProductVersionLabel = 612;
inline constexpr int kProductVersionEdit = 613;
inline constexpr int kDescriptionLabel = 614;
inline constexpr int kDescriptionEdit = 615;
inline constexpr int kProductLabel = 616;
inline constexpr int kProductEdit = 617;
inline constexpr int kCompanyLabel = 618;
inline constexpr int kCompanyEdit = 619;
inline constexpr int kCopyrightLabel = 620;
inline constexpr int kCopyrightEdit = 621;
inline constexpr int kButtonRule = 630;
inline constexpr int kHelpButton = 631;
inline constexpr int kOkButton = IDOK;
inline constexpr int kCancelButton = IDCANCEL;
}  // namespace PropertiesControlId

const ControlLayout& PropertiesDialogLayout();
