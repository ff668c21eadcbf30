#pragma once

#include <string>

// The game reads only below data/, whatever a level file says. A level names
// its files by hand, and a level made by someone else may name /etc/passwd,
// ../../home/... or a symbolic link that leads out; none of them is opened.

// Resolves directory + "/" + name (directory lies below data/, for example
// "data/images") to the real path of the file, following symbolic links with
// lstat and readlink only: nothing is opened. Two spellings of one file
// ("./a.png", "x/../a.png", a link inside data/) resolve to the same string.
// Returns false with problem set when name is absolute, when ".." climbs out
// of data/, when a symbolic link leads out of data/, or when links loop. A
// file that is not there resolves to its own spelling, for the reader to
// report as missing.
bool resolveDataPath(const std::string& directory, const std::string& name, std::string& resolved,
                     std::string& problem);
