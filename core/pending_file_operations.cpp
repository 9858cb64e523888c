#include "core/pending_file_operations.h"

#include "core/text.h"

namespace vd {

std::string PendingOperationPath(std::string_view ntPath) {
    if (!ntPath.empty() && ntPath.front() == '!') ntPath.remove_prefix(1);
    if (ntPath.substr(0, 4) == "\\??\\") ntPath.remove_prefix(4);
    return std::string(ntPath);
}

std::vector<TPendingFileOperation> WithoutOperationsOn(const std::vector<TPendingFileOperation>& operations,
                                                       std::string_view path) {
    std::vector<TPendingFileOperation> kept;
    for (const TPendingFileOperation& op : operations) {
        const bool names = SameTextAscii(PendingOperationPath(op.source), path) ||
                           (!op.target.empty() && SameTextAscii(PendingOperationPath(op.target), path));
        if (!names) kept.push_back(op);
    }
    return kept;
}

}  // namespace vd
