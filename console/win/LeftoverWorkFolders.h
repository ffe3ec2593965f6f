#pragma once
// Earlier versions of the console program deciphered the runtime into a folder of
// their own under the temporary folder ("zepplayc<process id>-<n>", holding Player.dat
// and Attach.zep) and a run that was killed left it there, with the runtime in the
// clear. Such folders are removed when found.
#include <string>

// Removes from tempFolder (ending with "\") every such folder whose process no longer
// runs, with the two files in it; a folder holding anything else is left alone.
void RemoveLeftoverWorkFolders(const std::string& tempFolder);
