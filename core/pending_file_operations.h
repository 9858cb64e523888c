// The file operations Windows carries out at its next start (the registry's
// PendingFileRenameOperations): pairs of a source and a target, each an NT
// path ("\??\C:\dir\file"). An empty target deletes the source; a target
// that starts with '!' replaces whatever is there.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct TPendingFileOperation {
    std::string source, target;  // UTF-8, as stored
};

// The Win32 path an NT path names: without a leading '!' and "\??\".
std::string PendingOperationPath(std::string_view ntPath);

// The operations without those that name `path` (a Win32 path) as their
// source or target, compared without regard to ASCII case: a file written
// now is neither deleted, moved away nor replaced at the next start.
std::vector<TPendingFileOperation> WithoutOperationsOn(const std::vector<TPendingFileOperation>& operations,
                                                       std::string_view path);

}  // namespace vd
