#pragma once
// The control ids of the main window, named after the controls. The window, its
// layout table and the tests share them. Ids stay clear of IDOK and IDCANCEL so that
// no key of the dialog manager can reach a control by accident.

namespace ControlId {
// On the window itself.
inline constexpr int lblTitle = 100;
inline constexpr int Bevel2 = 101;
inline constexpr int Panel1 = 102;
inline constexpr int Image1 = 103;
inline constexpr int pnl0 = 110;
inline constexpr int pnl1 = 111;
inline constexpr int pnl2 = 112;
inline constexpr int pnl3 = 113;
inline constexpr int Bevel1 = 120;
inline constexpr int btnHelp = 121;
inline constexpr int btnBack = 122;
inline constexpr int btnNext = 123;
inline constexpr int btnClose = 124;
inline constexpr int lstAll = 125;
// Page 0.
inline constexpr int Label1 = 200;
inline constexpr int Label2 = 201;
inline constexpr int txtZepName = 202;
inline constexpr int btn1 = 203;
// Page 1.
inline constexpr int Label3 = 300;
inline constexpr int rad1 = 301;
inline constexpr int rad2 = 302;
inline constexpr int chkDouji = 303;
inline constexpr int chkEndClose = 304;
inline constexpr int chkHotClose = 305;
inline constexpr int Label5 = 306;
inline constexpr int Label4 = 307;
// Page 2.
inline constexpr int Label6 = 400;
inline constexpr int Label7 = 401;
inline constexpr int txtExeName = 402;
inline constexpr int Panel2 = 403;
inline constexpr int g1 = 404;
// Page 3.
inline constexpr int Image2 = 500;
inline constexpr int lblExeName = 501;
inline constexpr int Label8 = 502;
inline constexpr int btnOpenFolder = 503;
inline constexpr int Label9 = 504;
}  // namespace ControlId
