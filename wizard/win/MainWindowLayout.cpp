#include "wizard/win/MainWindowLayout.h"

#include "common/Texts.h"
#include "resources/ResourceIds.h"
#include "wizard/win/ControlIds.h"

namespace {
namespace C = ControlId;
namespace T = Texts::Window;
using K = TControlKind;
using F = TFontRole;

constexpr COLORREF Plain = CLR_INVALID;
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

const std::vector<TControlSpec> Layout = {
    // The frame around the pages.
    {C::lblTitle, 0, K::Label, 123, 11, 244, 16, Texts::TitleChooseSettingsFile, cfAutoSize, F::Title, Plain, 0},
    {C::Bevel2, 0, K::Bevel, 120, 34, 344, 10, "", 0, F::Normal, Plain, 0},
    {C::Panel1, 0, K::Frame, 8, 9, 102, 213, "", 0, F::Normal, Plain, 0},
    {C::Image1, C::Panel1, K::Picture, 1, 1, 100, 211, "", 0, F::Normal, Plain, IDB_SIDEPICTURE},
    {C::pnl0, 0, K::Page, 120, 44, 343, 179, "", 0, F::Normal, Plain, 0},
    {C::pnl1, 0, K::Page, 120, 44, 343, 177, "", cfHidden, F::Normal, Plain, 0},
    {C::pnl2, 0, K::Page, 120, 44, 343, 177, "", cfHidden, F::Normal, Plain, 0},
    {C::pnl3, 0, K::Page, 120, 44, 343, 177, "", cfHidden, F::Normal, Plain, 0},
    {C::Bevel1, 0, K::Bevel, 8, 232, 456, 10, "", 0, F::Normal, Plain, 0},
    {C::btnHelp, 0, K::PushButton, 12, 244, 83, 25, T::btnHelp, cfTabStop, F::Normal, Plain, 0},
    {C::btnBack, 0, K::PushButton, 200, 244, 83, 25, T::btnBack, cfTabStop | cfDisabled, F::Normal, Plain, 0},
    {C::btnNext, 0, K::PushButton, 283, 244, 83, 25, T::btnNext, cfTabStop | cfDisabled | cfDefault, F::Normal, Plain, 0},
    {C::btnClose, 0, K::PushButton, 377, 244, 83, 25, T::btnClose, cfTabStop, F::Normal, Plain, 0},
    {C::lstAll, 0, K::ListBox, 116, 260, 201, 17, "", cfHidden, F::Normal, Plain, 0},

    // Page 0: the settings file.
    {C::Label1, C::pnl0, K::WrappedLabel, 1, 2, 339, 100, T::Label1, 0, F::Normal, Plain, 0},
    {C::Label2, C::pnl0, K::Label, 13, 119, 222, 12, T::Label2, 0, F::Normal, Plain, 0},
    {C::txtZepName, C::pnl0, K::Edit, 14, 140, 293, 20, "", cfTabStop, F::Normal, Plain, 0},
    {C::btn1, C::pnl0, K::SpeedButton, 308, 139, 23, 22, T::btn1Hint, 0, F::Normal, Plain, IDB_FOLDERGLYPH},

    // Page 1: the options of the executable.
    {C::Label3, C::pnl1, K::Label, 4, 2, 159, 12, T::Label3, 0, F::Normal, Plain, 0},
    {C::rad1, C::pnl1, K::RadioButton, 16, 21, 113, 17, T::rad1, cfTabStop | cfGroup | cfChecked, F::Normal, Plain, 0},
    {C::rad2, C::pnl1, K::RadioButton, 16, 44, 163, 17, T::rad2, 0, F::Normal, Plain, 0},
    {C::chkDouji, C::pnl1, K::CheckBox, 36, 68, 129, 17, T::chkDouji, cfTabStop | cfGroup | cfChecked | cfDisabled, F::Normal, Plain, 0},
    {C::chkEndClose, C::pnl1, K::CheckBox, 36, 94, 161, 17, T::chkEndClose, cfTabStop | cfChecked | cfDisabled, F::Normal, Plain, 0},
    {C::chkHotClose, C::pnl1, K::CheckBox, 36, 119, 185, 17, T::chkHotClose, cfTabStop | cfChecked | cfDisabled, F::Normal, Plain, 0},
    {C::Label5, C::pnl1, K::Label, 19, 148, 13, 12, T::Label5, 0, F::Bold, Red, 0},
    {C::Label4, C::pnl1, K::WrappedLabel, 34, 148, 297, 27, T::Label4, 0, F::Normal, Plain, 0},

    // Page 2: the name of the executable and the progress.
    {C::Label6, C::pnl2, K::WrappedLabel, 6, 8, 333, 54, T::Label6, 0, F::Normal, Plain, 0},
    {C::Label7, C::pnl2, K::Label, 16, 73, 59, 12, T::Label7, 0, F::Normal, Plain, 0},
    {C::txtExeName, C::pnl2, K::Edit, 79, 70, 254, 20, "", cfTabStop, F::Normal, Plain, 0},
    {C::Panel2, C::pnl2, K::Frame, 24, 140, 293, 25, "", 0, F::Normal, Plain, 0},
    {C::g1, C::Panel2, K::Gauge, 1, 1, 291, 23, "", 0, F::Normal, Plain, 0},

    // Page 3: done.
    {C::Image2, C::pnl3, K::Icon, 7, 6, 32, 32, "", 0, F::Normal, Plain, IDI_MAINICON},
    {C::lblExeName, C::pnl3, K::Label, 48, 17, 60, 12, T::lblExeName, cfAutoSize, F::Normal, Plain, 0},
    {C::Label8, C::pnl3, K::Label, 7, 54, 229, 36, T::Label8, cfAutoSize, F::Normal, Plain, 0},
    {C::btnOpenFolder, C::pnl3, K::PushButton, 8, 110, 166, 25, T::btnOpenFolder, cfTabStop, F::Normal, Plain, 0},
    {C::Label9, C::pnl3, K::LinkLabel, 252, 152, 57, 12, T::Label9, 0, F::Link, Blue, 0},
};
}  // namespace

const std::vector<TControlSpec>& MainWindowLayout() { return Layout; }

const TControlSpec* FindControlSpec(int id) {
  for (const TControlSpec& spec : Layout)
    if (spec.Id == id) return &spec;
  return nullptr;
}
