#pragma once
// A folder of one run's own under the temporary folder, for the intermediate files
// (Player.dat, Attach.zep), so that console runs beside each other and beside the
// window never share them. It is removed when the run ends, by which time the engine
// has deleted the files in it.
#include <string>

class PrivateWorkFolder {
 public:
  // Path() is empty when tempFolder is, or when no folder could be made there.
  explicit PrivateWorkFolder(const std::string& tempFolder);
  ~PrivateWorkFolder();
  PrivateWorkFolder(const PrivateWorkFolder&) = delete;
  PrivateWorkFolder& operator=(const PrivateWorkFolder&) = delete;

  // The folder, ending with "\".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
