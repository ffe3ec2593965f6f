#pragma once
// Every text the program shows or writes, in one place. The sources are UTF-8 and the
// compiler turns each literal into cp932 bytes (-fexec-charset=CP932); tests compare
// the bytes.

namespace Texts {

// Files and streams.
inline constexpr char FileOpenError[] = "ファイル %s は開けません";
inline constexpr char FileCreateError[] = "ファイル %s を作成できません";
inline constexpr char StreamReadError[] = "ストリームからの読み込みエラー";
inline constexpr char StreamWriteError[] = "ストリームへの書き込みエラー";

// The line list.
inline constexpr char ListInsertError[] = "行を挿入できません";
inline constexpr char ListIndexError[] = "リストのインデックスが範囲を超えています (%d)";

// Wizard warnings.
inline constexpr char WarningCaption[] = "警告";
inline constexpr char SettingsFileMissing[] =
    "指定されたファイルが存在しません。もう一度\r\nファイルの指定をやり直して下さい。";
inline constexpr char SettingsFileWrongFormat[] =
    "指定されたファイルは、形式が違います。もう一度\r\nファイルの指定をやり直して下さい。";
inline constexpr char ExecutableNotMade[] = "\r\n実行ファイルの作成に失敗しました。";

// The Blowfish cipher component (cipher/). Its own messages are English.
inline constexpr char BlowfishKeyLength[] = "Blowfish: Key must be between 1 and 56 bytes";
inline constexpr char BlowfishKeyNotSet[] = "Blowfish: Key not set";
inline constexpr char BlowfishIVNotSet[] = "Blowfish: IV not set";
inline constexpr char BlowfishInputFileNotFound[] = "Blowfish: Input file not found";
inline constexpr char BlowfishOutputNotOpened[] = "Blowfish: Could not open output file";
inline constexpr char BlowfishOutputNotWritten[] = "Blowfish: Error writing output file";
inline constexpr char BlowfishInputFileNotWholeBlocks[] =
    "Blowfish: Input file not valid - length is not a positive multiple of 8";
inline constexpr char BlowfishPaddingTooLong[] =
    "Blowfish: Input file not valid - padding longer than the last chunk";
inline constexpr char BlowfishInputTooShort[] = "Blowfish: Input not valid - too short";
inline constexpr char BlowfishInputNotWholeBlocks[] =
    "Blowfish: Input not valid - length is not a multiple of 8";
inline constexpr char BlowfishInvalidBase64[] =
    "Blowfish: Error converting from Base64 - invalid character";

// I/O errors by system error code (EInOutError); any other code uses IOErrorOther.
inline constexpr char IOErrorFileNotFound[] = "ファイルが見つかりません";
inline constexpr char IOErrorInvalidFileName[] = "不正なファイル名です";
inline constexpr char IOErrorTooManyOpenFiles[] = "オープンしたファイルが多すぎます";
inline constexpr char IOErrorAccessDenied[] = "ファイルへのアクセスが拒否されました";
inline constexpr char IOErrorReadBeyondEnd[] = "ファイルの末尾以降を読み込みました";
inline constexpr char IOErrorDiskFull[] = "ディスクがいっぱいです";
inline constexpr char IOErrorNotNumeric[] = "入力値が数値ではありません";
inline constexpr char IOErrorOther[] = "I/O エラー (%d)";

// ---- Wizard controller, silent run and remembered options ----
inline constexpr char ApplicationTitle[] = "Zephyr Player";
inline constexpr char HelpFileName[] = "Zepplay.hlp";
// Page titles, page 0 to 3.
inline constexpr char TitleChooseSettingsFile[] = "ZephyrClick設定ファイルの選択";
inline constexpr char TitleExecutableOptions[] = "作成する実行ファイルの設定";
inline constexpr char TitleExecutableName[] = "作成する実行ファイルの名前";
inline constexpr char TitleDone[] = "作成完了！";
// Application title and caption during the silent run.
inline constexpr char SilentRunCaption[] = "EXE生成中…";
// A conversion without a usable temporary folder.
inline constexpr char NoWorkFolder[] =
    "一時フォルダを取得できないため、実行ファイルを作成できません";
// A start that cannot go on: a window that cannot be made (%s: its class, %lu: the
// system error code), a picture that cannot be loaded (%d: its resource number), or
// an error without a message of its own.
inline constexpr char WindowNotCreated[] = "ウィンドウ %s を作成できません (エラー %lu)";
inline constexpr char ResourceNotLoaded[] = "リソース %d を読み込めません (エラー %lu)";
inline constexpr char UnexpectedError[] = "予期しないエラーが発生しました";
// Registry errors of the remembered options (%s: value or key name).
inline constexpr char RegistryWrongType[] = "'%s' のデータ型が不正です";
inline constexpr char RegistryFetchFailed[] = "'%s' の取得に失敗しました";
inline constexpr char RegistryKeyCreateFailed[] = "キー %s の作成に失敗しました";
inline constexpr char RegistrySetFailed[] = "'%s' の設定に失敗しました";

}  // namespace Texts

// ---- Main window: caption, font, control texts, boxes and the file-open dialog ----
// (lblTitle starts with TitleChooseSettingsFile above.)
namespace Texts::Window {
inline constexpr char Caption[] = "Zephyr Player　v6.10";
inline constexpr char FontFace[] = "ＭＳ Ｐゴシック";
inline constexpr char btnHelp[] = "ヘルプ(&H)";
inline constexpr char btnBack[] = "< 戻る(&B)";
inline constexpr char btnNext[] = "次へ(&N) >";
inline constexpr char btnClose[] = "閉じる(&C)";
// Page 0.
inline constexpr char Label1[] =
    "Zephyr Player へようこそ！\r\n\r\n"
    "このツールはZephyrClickで作成された設定ファイル(*.zep)をZephyrClickがインストールされて"
    "いない環境でも実行できるよう、実行ファイル(*.exe)に変換するアプリケーションです。\r\n\r\n"
    "このツールを使って変換された実行ファイルは、ご自由に配布していただくことが可能です。";
inline constexpr char Label2[] = "変換するZephyrClick設定ファイルの選択：";
inline constexpr char btn1Hint[] = "開く";
// Page 1.
inline constexpr char Label3[] = "作成する実行ファイルの可視性";
inline constexpr char rad1[] = "何も表示しない(&F)";
inline constexpr char rad2[] = "トレイアイコンで表示する(&T)";
inline constexpr char chkDouji[] = "起動と同時に再生(&R)";
inline constexpr char chkEndClose[] = "最後まで再生したら終了(&D)";
inline constexpr char chkHotClose[] = "再生・停止の制御キーで終了(&K)";
inline constexpr char Label5[] = "※";
inline constexpr char Label4[] =
    "安全に処理を途中停止できるよう、できる限り再生・停止の制御キーはZephyrClickで設定して"
    "おいて下さい。";
// Page 2.
inline constexpr char Label6[] =
    "作成する実行ファイルの名前を決めて下さい。\r\n\r\n"
    "特に問題がなければ[次へ]を押すと、元の設定ファイルと同じ場所に実行ファイルが作成されます。";
inline constexpr char Label7[] = "ファイル名：";
// Page 3.
inline constexpr char lblExeName[] = "lblExeName";
inline constexpr char Label8[] =
    "実行ファイルの作成が完了しました。\r\n\r\n作成した実行ファイルをどうぞご活用下さい！";
inline constexpr char btnOpenFolder[] = "作成先のフォルダを開く(&F)";
inline constexpr char Label9[] = "最初に戻る";
// The warning box's button and the file-open dialog's filter (display text, pattern).
inline constexpr char WarningOk[] = "OK";
inline constexpr char OpenDialogFilter[] = "ZephyrClick設定ファイル (*.zep)\0*.zep\0";
}  // namespace Texts::Window
