#pragma once
// Earlier versions deciphered the runtime into the temporary folder before they made an
// executable: the window as "Player.dat" beside "Attach.zep", the console program into
// folders of its own holding the same two files. Nothing writes them any more; where
// they are found they go, so that no runtime stays there in the clear.
#include <string>

// Deletes folder + "Player.dat" and folder + "Attach.zep" where they are files (folder
// empty or ending with a separator). True when no file of either name is left.
bool RemoveLeftoverWorkFiles(const std::string& folder);
