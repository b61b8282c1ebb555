// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One file named on the command line: the option that names it and its path.
struct NamedFile {
    std::string strOption;  // "--log", or "the audio file"
    std::string strPath;
};

// Refuses, before anything is opened, an output that is the input or two
// outputs that are one file: a run would destroy the input or mix two
// outputs in one file. Files that exist are compared by device and inode (so
// hard links, symbolic links and "./" spellings are caught); names of files
// still to be made by their resolved folder and name. The input may be empty
// (--log-to-midi has none). False with one line in strError.
bool CheckOutputIdentities(const NamedFile& input, const std::vector<NamedFile>& outputs,
                           std::string& strError);

// Where a file written under strPath ends up: through symbolic links, also
// one whose target does not exist yet, to the file they name; strPath itself
// when it is no link.
std::string LinkTarget(const std::string& strPath);
