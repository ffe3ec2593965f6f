#pragma once
// The help page in the user's browser, at a section. The shell's "open" on a file URL
// loses the "#section", so the browser the shell has registered is started with the
// URL itself.
#include <string>

// The file URL of a cp932 path with "#fragment": the path read in the ANSI code page
// and percent-encoded as UTF-8.
std::string FileUrlOf(const std::string& path, const std::string& fragment);

// Starts the program the shell has for http URLs (failing that, for .html files) with
// url. False when there is none or it does not start.
bool OpenInBrowser(const std::string& url);
