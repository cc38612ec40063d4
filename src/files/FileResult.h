#pragma once

// The outcome of reading or writing one of the program's files. A failure never throws: the
// caller gets the kind of failure and a readable detail (path and reason) to log.

#include <string>

namespace kb {

enum class FileStatus {
    Ok,
    Missing,     // no such file
    Unreadable,  // it exists but could not be read
    Malformed,   // read, but not a well-formed XML document
    WriteFailed, // a save did not complete; the previous file is untouched
};

struct FileResult {
    FileStatus status = FileStatus::Ok;
    std::string detail; // empty when ok

    bool ok() const { return status == FileStatus::Ok; }
};

} // namespace kb
