#pragma once

// Replacing a file so that it is never lost or left half written: the new contents go to a
// temporary file beside the target ("<name>.tmp" in the same folder, so the rename cannot cross
// file systems), are flushed to the disk, and only then renamed over the target. When any step
// fails the temporary file is removed, the previous file stays as it was, and the result says
// what failed.
//
// A missing folder is created first. The new file keeps the permission bits of the file it
// replaces; a first file gets the usual 0666 less the process's umask.

#include <filesystem>
#include <string_view>

#include "files/FileResult.h"

namespace kb {

FileResult replaceFileAtomically(const std::filesystem::path& target, std::string_view contents);

} // namespace kb
