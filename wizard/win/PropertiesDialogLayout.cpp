#include "wizard/win/PropertiesDialogLayout.h"

#include "common/Texts.h"

// clang-format off
namespace {
namespace C = PropertiesControlId;
namespace T = Texts::Window;
using K = ControlKind;

const ControlLayout kLayout = {{
    // The icon: its file, the icon drawn at both sizes, and what the field left empty means.
    {.Id = C::kIconLabel, .Kind = K::FieldLabel, .Place = {12, 16, 132, 12}, .Text = T::kIconLabel},
    {.Id = C::kIconPathEdit, .Kind = K::Edit, .Place = {148, 12, 138, 20}, .TabStop = true},
    {.Id = C::kIconBrowseButton, .Kind = K::PushButton, .Place = {292, 10, 76, 24}, .Text = T::kIconBrowseButton, .TabStop = true},
    {.Id = C::kLargeIcon, .Kind = K::Icon, .Place = {148, 40, 32, 32}},
    {.Id = C::kSmallIcon, .Kind = K::Icon, .Place = {188, 56, 16, 16}},
    {.Id = C::kIconNote, .Kind = K::WrappedLabel, .Place = {212, 40, 156, 36}, .Text = T::kIconNote},
    {.Id = C::kIconRule, .Kind = K::Bevel, .Place = {12, 84, 356, 10}},

    // The version information.
    {.Id = C::kFileVersionLabel, .Kind = K::FieldLabel, .Place = {12, 98, 132, 12}, .Text = T::kFileVersionLabel},
    {.Id = C::kFileVersionEdit, .Kind = K::Edit, .Place = {148, 94, 220, 20}, .TabStop = true},
    {.Id = C::kProductVersionLabel, .Kind = K::FieldLabel, .Place = {12, 124, 132, 12}, .Text = T::kProductVersionLabel},
    {.Id = C::kProductVersionEdit, .Kind = K::Edit, .Place = {148, 120, 220, 20}, .TabStop = true},
    {.Id = C::kDescriptionLabel, .Kind = K::FieldLabel, .Place = {12, 150, 132, 12}, .Text = T::kDescriptionLabel},
    {.Id = C::kDescriptionEdit, .Kind = K::Edit, .Place = {148, 146, 220, 20}, .TabStop = true},
    {.Id = C::kProductLabel, .Kind = K::FieldLabel, .Place = {12, 176, 132, 12}, .Text = T::kProductLabel},
    {.Id = C::kProductEdit, .Kind = K::Edit, .Place = {148, 172, 220, 20}, .TabStop = true},
    {.Id = C::kCompanyLabel, .Kind = K::FieldLabel, .Place = {12, 202, 132, 12}, .Text = T::kCompanyLabel},
    {.Id = C::kCompanyEdit, .Kind = K::Edit, .Place = {148, 198, 220, 20}, .TabStop = true},
    {.Id = C::kCopyrightLabel, .Kind = K::FieldLabel, .Place = {12, 228, 132, 12}, .Text = T::kCopyrightLabel},
    {.Id = C::kCopyrightEdit, .Kind = K::Edit, .Place = {148, 224, 220, 20}, .TabStop = true},

    // The buttons.
    {.Id = C::kButtonRule, .Kind = K::Bevel, .Place = {12, 252, 356, 10}},
    {.Id = C::kHelpButton, .Kind = K::PushButton, .Place = {12, 262, 83, 25}, .Text = T::kHelpButton, .TabStop = true},
    {.Id = C::kOkButton, .Kind = K::PushButton, .Place = {192, 262, 83, 25}, .Text = T::kOkButton, .TabStop = true, .Default = true},
    {.Id = C::kCancelButton, .Kind = K::PushButton, .Place = {285, 262, 83, 25}, .Text = T::kCancelButton, .TabStop = true},
}, 380, 297};
}  // namespace
// clang-format on

const ControlLayout& PropertiesDialogLayout() { return kLayout; }
