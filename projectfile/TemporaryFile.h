#pragma once

#include <string>

// A temporary file of this process, for a file written whole before it takes
// its final name. Its name says whose it is, «PREFIX<pid>-<n>SUFFIX», so that
// what a process killed outright leaves behind is recognised and removed the
// next time a file is written there: every temporary under the same prefix
// whose process is no longer alive goes first. While the file exists its
// name is kept in a small table that a handler of SIGTERM, SIGINT and SIGHUP
// (installed with the first temporary, unless the signal is ignored or
// handled already) removes before the process ends as the signal says.
class TemporaryFile {
public:
    // Creates a new file in `folder` for writing; raises a CalcError with the
    // file error (FileErrorMessage) when it cannot be created.
    TemporaryFile(const std::string& folder, const std::string& prefix, const std::string& suffix);
    // Removes the file unless it took its final name (Kept).
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }
    // The descriptor open for writing; -1 once closed.
    int Descriptor() const { return fd_; }
    // Closes the descriptor now; the error of close (a delayed write error) or 0.
    int Close();
    // The file was renamed to its final name: nothing is left to remove.
    void Kept();

private:
    std::string path_;
    int fd_ = -1;
    int slot_ = -1;
    bool kept_ = false;
};

// The temporaries of processes no longer alive among the files of `folder`
// named «PREFIX<pid>-…SUFFIX», removed. Never reports an error.
void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix, const std::string& suffix);

// How many temporaries of this process the signal handler would remove now.
int LiveTemporaryCount();
