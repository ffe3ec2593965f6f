#pragma once
// The conversion engine: the settings file and its line list, the header line
// rewrite, the runtime image and the assembly of the generated executable. It reads
// no control: the wizard hands it plain values.
#include <functional>
#include <string>

#include "cipher/Blowfish.h"
#include "engine/HeaderOptions.h"
#include "engine/LineList.h"
#include "engine/WarningSink.h"

// Receives the progress percentages of a conversion (33, 66, 100).
using ProgressCallback = std::function<void(int percent)>;

// What a conversion without intermediate files did.
enum class DirectConversion {
  RuntimeMissing,  // no runtime file: nothing was written
  Made,            // the executable was written and is in its place
  Unchanged,       // an executable with the same bytes was there already and was not touched
};

class ConversionEngine {
 public:
  explicit ConversionEngine(IWarningSink& warnings);

  // The program folder holds the runtime file; folder + fileName is the program itself.
  // Folders are empty or end with a backslash; file names are appended directly.
  void SetProgram(const std::string& folder, const std::string& fileName);
  void SetWorkFolder(const std::string& folder) { workFolder_ = folder; }
  const std::string& ProgramFolder() const { return programFolder_; }
  const std::string& WorkFolder() const { return workFolder_; }
  const std::string& SourceFolder() const { return sourceFolder_; }
  const LineList& Lines() const { return lines_; }

  // Reads the settings file into the line list and sets the source folder. False when
  // no file exists there: the missing-file warning has been shown. Raises
  // EFOpenError when the file exists but cannot be read.
  bool LoadSettingsFile(const std::string& settingsPath);
  // Takes the settings file's bytes from elsewhere (an executable being rebuilt), as if
  // loaded from a file in folder, and validates them as ValidateSettingsFile does.
  bool LoadSettingsBytes(const std::string& bytes, const std::string& folder);
  // True when the loaded lines are a settings file and the file is still there. Only
  // lines accepted here are ever converted.
  bool ValidateSettingsFile(const std::string& settingsPath);
  // True from a successful validation until the next load.
  bool LinesAccepted() const { return linesAccepted_; }
  // The number (from 1) of the settings file's line in which a NUL byte ended what was
  // read of it, or 0 when the whole file was read.
  int LineCutAtNul() const { return lineCutAtNul_; }
  // Writes the options into the header line and saves the line list as
  // work folder + "Attach.zep".
  void RewriteHeaderLine(const HeaderOptions& options);

  // Deciphers program folder + "Zepcom.dat" into work folder + "Player.dat". False
  // when the runtime file is missing (nothing written).
  bool PrepareRuntimeImage();
  // Writes outputPath (the wizard's is source folder + the executable's name): the
  // runtime image followed by the attachment file, reporting 66 and 100. False when the
  // runtime or attachment file is missing. An output that is the settings file, the
  // runtime file, the program itself or the other program beside it (kProgramFileNames),
  // however spelt, is refused with EProtectedOutput, and a runtime image that is no
  // program with ERuntimeDamaged, before anything is written.
  bool AssembleExecutable(const std::string& outputPath, const ProgressCallback& progress);
  // The whole conversion: RewriteHeaderLine, progress 33, AssembleExecutable.
  bool Convert(const HeaderOptions& options, const std::string& outputPath, const ProgressCallback& progress);
  // The whole conversion without the work folder: the runtime file is deciphered
  // straight into the executable's temporary file beside outputPath and the lines, with
  // options written into the header line, follow it; reports 33, 66 and 100. An end of
  // the process at any moment leaves no file behind. keepSame: when outputPath already
  // holds the same bytes, it is left as it is. Raises what AssembleExecutable raises.
  DirectConversion ConvertDirectly(const HeaderOptions& options, const std::string& outputPath,
                                   const ProgressCallback& progress, bool keepSame);
  // Deletes the runtime image and the attachment file from the work folder, whatever
  // the outcome of the conversion: the runtime must not stay behind in the clear.
  void DeleteIntermediateFiles() const;

 private:
  void RefuseProtectedOutput(const std::string& outputPath) const;
  // Enough lines, the first of them a header line.
  bool LinesAreSettings() const;
  void WriteOptionsIntoHeader(const HeaderOptions& options);
  [[noreturn]] void ThrowRuntimeDamaged() const;

  IWarningSink& warnings_;
  LineList lines_;
  bool linesAccepted_ = false;
  int lineCutAtNul_ = 0;
  std::string settingsPath_;  // the file the lines were loaded from
  std::string programPath_;
  std::string programFolder_;
  std::string workFolder_;
  std::string sourceFolder_;

 protected:
  // The cipher that deciphers the runtime file (ECB, TextForm: a new Blowfish's state);
  // it holds no key outside a conversion. Tests reach it through a subclass.
  Blowfish runtimeCipher_;
};
