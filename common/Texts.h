#pragma once
// Every text the program shows or writes, in one place. The sources are UTF-8 and the
// compiler turns each literal into cp932 bytes (-fexec-charset=CP932); tests compare
// the bytes.
#include "common/Version.h"

namespace Texts {

// Files and streams.
inline constexpr char kFileOpenError[] = "ファイル %s は開けません";
inline constexpr char kFileCreateError[] = "ファイル %s を作成できません";
inline constexpr char kStreamReadError[] = "ストリームからの読み込みエラー";
inline constexpr char kStreamWriteError[] = "ストリームへの書き込みエラー";
// Windows does not start a program file of 4 GB or more.
inline constexpr char kSettingsFileTooLarge[] = "ファイル %s は大きすぎるため変換できません";
inline constexpr char kExecutableTooLarge[] = "実行ファイル %s は 4 GB 以上になるため作成できません";
// An output whose full path is longer than Windows takes (%d: the most characters).
inline constexpr char kOutputPathTooLong[] =
    "実行ファイル %s はパスが長すぎるため作成できません (%d 文字まで)";
// An older executable that the user protected with the read-only attribute.
inline constexpr char kOutputReadOnly[] = "ファイル %s には読み取り専用属性が付いているため、置き換えません";
// Zepcom.dat (%s: its path) that deciphers into no Windows program.
inline constexpr char kRuntimeDamaged[] = "%s が壊れているため、実行ファイルを作成できません";

// The executable's own icon and version information: an icon file or a file version that
// cannot be used (%s: the file or the text, %s: what is wrong), and a runtime that cannot
// be given them (%s: Zepcom.dat).
inline constexpr char kIconNotUsable[] = "アイコン %s は使えません (%s)";
inline constexpr char kIconTooShort[] = "ファイルが短すぎます";
inline constexpr char kIconRenamedPng[] = "PNG 画像で、アイコンファイルではありません";
inline constexpr char kIconRenamedBitmap[] = "BMP 画像で、アイコンファイルではありません";
inline constexpr char kIconNotAnIcon[] = "アイコンファイルではありません";
inline constexpr char kIconNoImages[] = "画像が 1 つもありません";
inline constexpr char kIconImageOutsideFile[] = "画像の位置か大きさがファイルの外を指しています";
inline constexpr char kIconImageUnreadable[] = "読めない画像があります";
inline constexpr char kFileVersionNotUsable[] = "ファイルバージョン %s は使えません (%s)";
inline constexpr char kFileVersionMalformed[] = "1.2.3.4 のように、数字を . で区切って 4 つまで書いて下さい";
inline constexpr char kFileVersionTooManyParts[] = "数字は 4 つまでです";
inline constexpr char kFileVersionPartTooLarge[] = "数字は 65535 までです";
inline constexpr char kRuntimeHasSymbols[] =
    "%s にはシンボル表があるため、アイコンとバージョン情報を付けられません";
inline constexpr char kRuntimeHeadersFull[] =
    "%s のヘッダーに空きがないため、アイコンとバージョン情報を付けられません";
inline constexpr char kRuntimeResourcesDamaged[] =
    "%s のリソースが壊れているため、アイコンとバージョン情報を付けられません";
inline constexpr char kRuntimeIconNumbersUsed[] =
    "%s のアイコンの番号が足りないため、アイコンを付けられません";
// A signed runtime loses its signature in an executable given properties (%s: Zepcom.dat).
inline constexpr char kRuntimeSignatureDropped[] =
    "%s の署名は、アイコンとバージョン情報を付けたため実行ファイルには残りません";

// The line list.
inline constexpr char kListInsertError[] = "行を挿入できません";
inline constexpr char kListIndexError[] = "リストのインデックスが範囲を超えています (%d)";

// Wizard warnings.
inline constexpr char kWarningCaption[] = "警告";
inline constexpr char kSettingsFileMissing[] =
    "指定されたファイルが存在しません。もう一度\r\nファイルの指定をやり直して下さい。";
inline constexpr char kSettingsFileWrongFormat[] =
    "指定されたファイルは、形式が違います。もう一度\r\nファイルの指定をやり直して下さい。";
inline constexpr char kExecutableNotMade[] = "\r\n実行ファイルの作成に失敗しました。";

// The Blowfish cipher component (cipher/). Its own messages are English.
inline constexpr char kBlowfishKeyLength[] = "Blowfish: Key must be between 1 and 56 bytes";
inline constexpr char kBlowfishKeyNotSet[] = "Blowfish: Key not set";
inline constexpr char kBlowfishIVNotSet[] = "Blowfish: IV not set";
inline constexpr char kBlowfishInputFileNotFound[] = "Blowfish: Input file not found";
inline constexpr char kBlowfishOutputNotOpened[] = "Blowfish: Could not open output file";
inline constexpr char kBlowfishOutputNotWritten[] = "Blowfish: Error writing output file";
inline constexpr char kBlowfishInputFileNotWholeBlocks[] =
    "Blowfish: Input file not valid - length is not a positive multiple of 8";
inline constexpr char kBlowfishPaddingTooLong[] =
    "Blowfish: Input file not valid - padding longer than the last chunk";
inline constexpr char kBlowfishInputTooShort[] = "Blowfish: Input not valid - too short";
inline constexpr char kBlowfishInputNotWholeBlocks[] =
    "Blowfish: Input not valid - length is not a multiple of 8";
inline constexpr char kBlowfishInvalidBase64[] = "Blowfish: Error converting from Base64 - invalid character";

// I/O errors by system error code (EInOutError); any other code uses IOErrorOther.
inline constexpr char kIOErrorFileNotFound[] = "ファイルが見つかりません";
inline constexpr char kIOErrorInvalidFileName[] = "不正なファイル名です";
inline constexpr char kIOErrorTooManyOpenFiles[] = "オープンしたファイルが多すぎます";
inline constexpr char kIOErrorAccessDenied[] = "ファイルへのアクセスが拒否されました";
inline constexpr char kIOErrorReadBeyondEnd[] = "ファイルの末尾以降を読み込みました";
inline constexpr char kIOErrorDiskFull[] = "ディスクがいっぱいです";
inline constexpr char kIOErrorNotNumeric[] = "入力値が数値ではありません";
inline constexpr char kIOErrorOther[] = "I/O エラー (%d)";

// ---- Wizard controller, silent run and remembered options ----
inline constexpr char kApplicationTitle[] = "Zephyr Player";
inline constexpr char kHelpFileName[] = "Zepplay.hlp";
// The help page beside the program, opened in the browser when there is no help file.
inline constexpr char kHelpPageName[] = "help\\zepplay.html";
// Page titles, page 0 to 3.
inline constexpr char kTitleChooseSettingsFile[] = "ZephyrClick設定ファイルの選択";
inline constexpr char kTitleExecutableOptions[] = "作成する実行ファイルの設定";
inline constexpr char kTitleExecutableName[] = "作成する実行ファイルの名前";
inline constexpr char kTitleDone[] = "作成完了！";
// Application title and caption during the silent run.
inline constexpr char kSilentRunCaption[] = "EXE生成中…";
// The shell could not open the folder of the executable made (%s: the folder).
inline constexpr char kFolderNotOpened[] = "フォルダ %s を開けません";
// A silent run that waited 2 minutes in vain for the silent run before it (%s: its
// settings file).
inline constexpr char kSilentRunNotTurn[] =
    "ほかの変換が 2 分たっても終わらないため、次のファイルは変換しませんでした。\r\n%s";
// A start that cannot go on: a window that cannot be made (%s: its class, %lu: the
// system error code), a picture that cannot be loaded (%d: its resource number), or
// an error without a message of its own.
inline constexpr char kWindowNotCreated[] = "ウィンドウ %s を作成できません (エラー %lu)";
inline constexpr char kResourceNotLoaded[] = "リソース %d を読み込めません (エラー %lu)";
inline constexpr char kUnexpectedError[] = "予期しないエラーが発生しました";
// Registry errors of the remembered options (%s: value or key name).
inline constexpr char kRegistryWrongType[] = "'%s' のデータ型が不正です";
inline constexpr char kRegistryFetchFailed[] = "'%s' の取得に失敗しました";
inline constexpr char kRegistryKeyCreateFailed[] = "キー %s の作成に失敗しました";
inline constexpr char kRegistrySetFailed[] = "'%s' の設定に失敗しました";

// A start of the wizard that waited 2 minutes in vain for the silent runs to end.
inline constexpr char kWizardNotTurn[] =
    "ほかの変換が 2 分たっても終わらないため、ウィザードを開きませんでした。\r\n"
    "変換が終わってから、もう一度起動して下さい。";

}  // namespace Texts

// ---- Main window: caption, font, control texts, boxes and the file-open dialog ----
// (PageTitle starts with TitleChooseSettingsFile above.)
namespace Texts::Window {
inline constexpr char kCaption[] = "Zephyr Player　v" ZEP_VERSION_TEXT;
inline constexpr char kFontFace[] = "ＭＳ Ｐゴシック";
inline constexpr char kHelpButton[] = "ヘルプ(&H)";
inline constexpr char kBackButton[] = "< 戻る(&B)";
inline constexpr char kNextButton[] = "次へ(&N) >";
inline constexpr char kCloseButton[] = "閉じる(&C)";
// Page 0.
inline constexpr char kWelcomeText[] =
    "Zephyr Player へようこそ！\r\n\r\n"
    "このツールはZephyrClickで作成された設定ファイル(*.zep)をZephyrClickがインストールされて"
    "いない環境でも実行できるよう、実行ファイル(*.exe)に変換するアプリケーションです。\r\n\r\n"
    "このツールを使って変換された実行ファイルは、ご自由に配布していただくことが可能です。";
inline constexpr char kSettingsPathLabel[] = "変換するZephyrClick設定ファイルの選択：";
inline constexpr char kBrowseHint[] = "開く";
// Page 1.
inline constexpr char kVisibilityLabel[] = "作成する実行ファイルの可視性";
inline constexpr char kShowNothingRadio[] = "何も表示しない(&F)";
inline constexpr char kTrayIconRadio[] = "トレイアイコンで表示する(&T)";
inline constexpr char kPlayOnStartCheck[] = "起動と同時に再生(&R)";
inline constexpr char kExitAtEndCheck[] = "最後まで再生したら終了(&D)";
inline constexpr char kExitOnKeyCheck[] = "再生・停止の制御キーで終了(&K)";
inline constexpr char kNoteMark[] = "※";
inline constexpr char kNoteText[] =
    "安全に処理を途中停止できるよう、できる限り再生・停止の制御キーはZephyrClickで設定して"
    "おいて下さい。";
// Page 2.
inline constexpr char kNameIntroText[] =
    "作成する実行ファイルの名前を決めて下さい。\r\n\r\n"
    "特に問題がなければ[次へ]を押すと、元の設定ファイルと同じ場所に実行ファイルが作成されます。";
inline constexpr char kExeNameLabel[] = "ファイル名：";
inline constexpr char kPropertiesButton[] = "プロパティ(&P)...";
// Page 3.
inline constexpr char kResultPath[] = "lblExeName";
inline constexpr char kDoneText[] =
    "実行ファイルの作成が完了しました。\r\n\r\n作成した実行ファイルをどうぞご活用下さい！";
inline constexpr char kOpenFolderButton[] = "作成先のフォルダを開く(&F)";
inline constexpr char kStartOverLink[] = "最初に戻る";
// The button of the warning box and the properties dialog, and the file-open dialog's
// filter (display text, pattern).
inline constexpr char kOkButton[] = "OK";
inline constexpr char kOpenDialogFilter[] = "ZephyrClick設定ファイル (*.zep)\0*.zep\0";
// The properties dialog: caption, the labels of its fields (each with the access key that
// leads into its field), the note beside the icon, its buttons (OK and Help are those
// above) and the filter of its file-open dialog.
inline constexpr char kPropertiesCaption[] = "実行ファイルのプロパティ";
inline constexpr char kIconLabel[] = "アイコン(&I)：";
inline constexpr char kIconBrowseButton[] = "参照(&B)...";
inline constexpr char kIconNote[] = "ファイルを指定しないときは、今のアイコンのままです。";
inline constexpr char kFileVersionLabel[] = "ファイルバージョン(&F)：";
inline constexpr char kProductVersionLabel[] = "製品バージョン(&V)：";
inline constexpr char kDescriptionLabel[] = "ファイルの説明(&D)：";
inline constexpr char kProductLabel[] = "製品名(&N)：";
inline constexpr char kCompanyLabel[] = "会社名(&C)：";
inline constexpr char kCopyrightLabel[] = "著作権(&R)：";
inline constexpr char kCancelButton[] = "キャンセル";
inline constexpr char kIconDialogFilter[] = "アイコン (*.ico)\0*.ico\0";
}  // namespace Texts::Window

// ---- The console program zepplayc.exe: its help, its version and its own errors ----
// Every warning and error is one line of standard error after kLinePrefix.
namespace Texts::Console {
inline constexpr char kLinePrefix[] = "zepplayc: ";
// Every line ends with a full stop.
inline constexpr char kFullStop[] = "。";
inline constexpr char kVersion[] = "zepplayc (Zephyr Player) " ZEP_VERSION_TEXT;
inline constexpr char kHelp[] =
    "使い方: zepplayc [オプション] 設定ファイル.zep ...\r\n"
    "        zepplayc --inspect [--json] 実行ファイル.exe ...\r\n"
    "        zepplayc --extract [--force] [-o 設定ファイル.zep] 実行ファイル.exe ...\r\n"
    "        zepplayc --update [オプション] 実行ファイル.exe ...\r\n"
    "\r\n"
    "ZephyrClick の設定ファイルを実行ファイルに変換します。実行ファイルは設定ファイルと\r\n"
    "同じフォルダに拡張子を .exe に変えた名前で作成され、そのパスが標準出力に書かれます。\r\n"
    "警告とエラーは 1 行ずつ標準エラー出力に書かれます。\r\n"
    "実行ファイルの元になるのは zepplayc.exe と同じフォルダの Zepcom.dat です\r\n"
    "(付属のものはデモ用で、マクロを再生しません)。\r\n"
    "ファイルはいくつでも指定でき、* と ? を使ったパターンも指定できます。1 つが失敗しても\r\n"
    "残りを続けます。\r\n"
    "\r\n"
    "Zephyr Player で作った実行ファイルについて:\r\n"
    "  --inspect     中身 (設定ファイルとプレーヤーの大きさ、プレーヤーの SHA-256、\r\n"
    "                それが今の Zepcom.dat と同じか、署名の有無、4 つのオプション、\r\n"
    "                アイコンとバージョン情報) を 1 行に 1 つずつ表示する\r\n"
    "  --json        --inspect の結果を JSON で表示する\r\n"
    "  --extract     中の設定ファイルを取り出す (既定では 実行ファイル名.zep として同じフォルダへ)。\r\n"
    "                独自のアイコンがあれば、同じ名前の .ico として隣に取り出す\r\n"
    "  --force       --extract で、内容の違う同じ名前のファイルを置き換える\r\n"
    "  --update      今の Zepcom.dat で作り直す。オプション、アイコンとバージョン情報は実行ファイルの\r\n"
    "                ものを引き継ぎ、指定したものだけ変える。同じ内容になるときはファイルに触れない\r\n"
    "署名された実行ファイルでは、--inspect と --extract は署名を除いた設定ファイルを扱います。\r\n"
    "--update は、変更がなければ署名ごとそのまま残し、作り直したときは署名のない実行ファイルに\r\n"
    "なります (配布する前にもう一度署名して下さい)。\r\n"
    "\r\n"
    "オプション (変換では、指定しない項目は Zephyr Player が記憶している設定に従います):\r\n"
    "  -o パス                     作成するファイルのパス (ファイルが 1 つのときだけ)\r\n"
    "  --tray / --no-tray          トレイアイコンで表示する / 何も表示しない\r\n"
    "  --autoplay / --no-autoplay  起動と同時に再生する / しない\r\n"
    "  --exit-at-end / --no-exit-at-end\r\n"
    "                              最後まで再生したら終了する / しない\r\n"
    "  --exit-on-key / --no-exit-on-key\r\n"
    "                              再生・停止の制御キーで終了する / しない\r\n"
    "アイコンとバージョン情報 (指定しない項目は、置き換える実行ファイルのものか Zepcom.dat のもの):\r\n"
    "  --icon ファイル.ico         実行ファイルのアイコン\r\n"
    "  --file-version 1.2.3.4      ファイルバージョン (1、1.2、1.2.3 も可)\r\n"
    "  --product-version 文字列    製品バージョン\r\n"
    "  --description 文字列        説明\r\n"
    "  --product 文字列            製品名\r\n"
    "  --company 文字列            会社名\r\n"
    "  --copyright 文字列          著作権\r\n"
    "  --no-properties             Zepcom.dat のアイコンとバージョン情報に戻す\r\n"
    "  --help, -h, /?              この説明を表示する\r\n"
    "  --version                   バージョンを表示する\r\n"
    "何も表示しない実行ファイルは、起動と同時に再生し、最後まで再生したら終了し、\r\n"
    "制御キーで終了します。同じオプションを繰り返したときは後の指定に従います。\r\n"
    "\r\n"
    "例:\r\n"
    "  zepplayc --tray macro.zep             macro.exe を作る\r\n"
    "  zepplayc *.zep                        フォルダの設定ファイルをすべて変換する\r\n"
    "  zepplayc --inspect macro.exe          macro.exe の中身を表示する\r\n"
    "  zepplayc --extract macro.exe          中の設定ファイルを macro.zep として取り出す\r\n"
    "  zepplayc --icon app.ico --file-version 1.2 macro.zep\r\n"
    "                                        アイコンとバージョン付きの macro.exe を作る\r\n"
    "  zepplayc --update --no-autoplay dist\\*.exe\r\n"
    "                                        dist の実行ファイルを今の Zepcom.dat で作り直す\r\n"
    "\r\n"
    "終了コード (ファイルが複数のときは、失敗のうち最も大きいもの):\r\n"
    "  0  すべて作成しました (--inspect は表示しました)\r\n"
    "  1  警告で中止しました (設定ファイルがない・形式が違う、Zepcom.dat がない、\r\n"
    "     Zephyr Player の実行ファイルではない、取り出し先に違うファイルがある、\r\n"
    "     パターンに合うファイルがない)\r\n"
    "  2  エラーで中止しました (ファイルを読み書きできない、記憶された設定を読めない、中断)\r\n"
    "  4  コマンドラインが正しくありません\r\n";
// Command-line errors (%s: the argument concerned).
inline constexpr char kNoSettingsFile[] =
    "変換する設定ファイルが指定されていません (使い方: zepplayc --help)";
inline constexpr char kUnknownOption[] = "%s というオプションはありません (使い方: zepplayc --help)";
inline constexpr char kNoOutputPath[] = "%s の後に、作成する実行ファイルのパスを指定して下さい。";
inline constexpr char kNoValue[] = "%s の後に、その値を指定して下さい";
inline constexpr char kOutputWithManyFiles[] =
    "-o はファイルを 1 つだけ指定したときに使えます (指定されたファイル: %d 個)";
inline constexpr char kNotTogether[] = "%s と %s は一緒に指定できません";
inline constexpr char kOptionNeedsCommand[] = "%s は %s と一緒に指定して下さい";
inline constexpr char kNoExecutableFile[] = "実行ファイルが指定されていません (使い方: zepplayc --help)";
inline constexpr char kFlagNeedsTray[] =
    "何も表示しない実行ファイルには %s を指定できません。--tray と一緒に指定して下さい。";
// A run stopped by Ctrl+C or Ctrl+Break, or by the console window closing.
inline constexpr char kInterrupted[] = "中断されたため、実行ファイルを作成しませんでした";
// Where the window's error says only "cannot create" or "write error", the console
// program says why (%s: the file concerned).
inline constexpr char kOutputIsSettingsFile[] =
    "%s は変換する設定ファイルそのものなので、実行ファイルで上書きできません";
inline constexpr char kOutputIsRuntimeFile[] =
    "%s は実行ファイルの元になるプレーヤー (Zepcom.dat) なので、上書きできません";
inline constexpr char kOutputIsProgram[] = "%s は Zephyr Player のプログラムなので、上書きできません";
inline constexpr char kOutputIsExecutableRead[] = "%s は読み込む実行ファイルそのものなので、上書きできません";
inline constexpr char kDiskFull[] = "ディスクがいっぱいのため、ファイル %s に書き込めません";
inline constexpr char kNotWritten[] = "ファイル %s に書き込めません";
inline constexpr char kFileMissing[] = "ファイル %s が見つかりません";
inline constexpr char kNotSettingsFile[] = "%s は ZephyrClick の設定ファイルではありません";
// An error about one file whose message does not name it (%s: the file, %s: the message).
inline constexpr char kAboutFile[] = "%s: %s";
// A path given on the command line that no file call takes (%s: the path, %d: the most
// characters), or that holds characters the program's code page lacks (shown as "?").
inline constexpr char kPathTooLong[] = "パス %s は長すぎるため使えません (%d 文字まで)";
inline constexpr char kForeignCharacters[] =
    "%s には、日本語の文字コード (シフト JIS) で表せない文字が含まれているため使えません";
// What the executable was made with, told after its path (%s: the settings file, %d: a
// line's length or number, from 1).
inline constexpr char kShortHeader[] =
    "設定ファイル %s の 1 行目が %d バイトしかないため、オプションの位置 (71 バイト目) まで空白で補いました";
inline constexpr char kTextAfterNul[] =
    "設定ファイル %s の %d 行目に NUL 文字があるため、そこから後の内容は実行ファイルに入っていません";
// Reading executables back (%s: the file concerned).
inline constexpr char kNotMadeByZepplay[] = "%s は Zephyr Player で作られた実行ファイルではありません";
inline constexpr char kNothingMatches[] = "%s に当てはまるファイルがありません";
inline constexpr char kSameFileThere[] = "%s には同じ内容のファイルがすでにあります";
inline constexpr char kOtherFileThere[] =
    "%s には内容の違うファイルがあるため、取り出しませんでした。置き換えるときは --force を指定して下さい";
inline constexpr char kSameExecutableThere[] =
    "%s には同じ内容の実行ファイルがすでにあるため、変更しませんでした";
inline constexpr char kAlreadyUpToDate[] =
    "%s は今の Zepcom.dat とオプションで作られているため、変更しませんでした";
inline constexpr char kNoSettingsInside[] = "%s の中の設定ファイルは形式が正しくないため、作り直せません";
inline constexpr char kUpdateWouldCut[] =
    "%s の中の設定ファイルは %d 行目に NUL "
    "文字があり、作り直すとそこから後の内容が失われるため、変更しませんでした";
inline constexpr char kSignatureGone[] =
    "%s は作り直したため署名がなくなりました。配布する前にもう一度署名して下さい";
}  // namespace Texts::Console
