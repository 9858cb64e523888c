// What one run of the copy changed on disk, so that a copy that does not end
// can be undone: the folders it made, the files it made, and the files it
// replaced, each old one kept under a temporary name in its folder until the
// copy has ended.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vd {

enum class TUndoAction {
    uaRestore,       // put the kept old file back in place of this run's
    uaRemoveFile,    // remove a file this run made
    uaRemoveFolder,  // remove a folder this run made, when it is empty
};

struct TUndoStep {
    TUndoAction action;
    std::string path;  // the file or folder
    std::string kept;  // uaRestore: where the old file is kept
    bool operator==(const TUndoStep& o) const { return action == o.action && path == o.path && kept == o.kept; }
};

class TInstallRecord {
public:
    // A folder this run made; parents are noted before their children.
    void NoteFolderMade(std::string_view folder);
    // A file this run wrote; `kept` names the old file it replaced, empty when
    // there was none. A file this run already wrote keeps its first note: the
    // old file, if any, is still the one that was there before the run.
    void NoteFileWritten(std::string_view path, std::string_view kept);
    // Whether this run already wrote the file (writing it again replaces
    // this run's own file: there is nothing to keep).
    bool Wrote(std::string_view path) const;
    bool Empty() const { return FChanges.empty(); }
    // The undo, newest change first: a replaced file gets its old one back, a
    // made file goes, a made folder goes (only when empty). Files therefore go
    // before the folders that hold them.
    std::vector<TUndoStep> RollbackSteps() const;
    // Once the copy has ended: the kept old files, to delete.
    std::vector<std::string> KeptFiles() const;
    void Clear() { FChanges.clear(); }

private:
    bool Holds(bool folder, std::string_view path) const;
    struct TChange {
        bool folder;
        std::string path;
        std::string kept;
    };
    std::vector<TChange> FChanges;
};

// The warning after an undo that left files (held by another program): how
// many, the first few with the temporary name of an old file that could not
// be put back, and what the user can do.
std::string RollbackLeftMessage(const std::vector<TUndoStep>& left);

}  // namespace vd
