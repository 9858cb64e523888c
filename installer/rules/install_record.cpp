#include "installer/rules/install_record.h"

#include "core/text.h"
#include "installer/rules/extraction_failures.h"

namespace vd {

bool TInstallRecord::Holds(bool folder, std::string_view path) const {
    // Windows names compare without case; the run builds every name the same
    // way, so ASCII case is all that can differ.
    for (const TChange& c : FChanges)
        if (c.folder == folder && SameTextAscii(ExcludeTrailingBackslash(c.path), ExcludeTrailingBackslash(path)))
            return true;
    return false;
}

void TInstallRecord::NoteFolderMade(std::string_view folder) {
    if (!Holds(true, folder)) FChanges.push_back({true, ExcludeTrailingBackslash(folder), {}});
}

void TInstallRecord::NoteFileWritten(std::string_view path, std::string_view kept) {
    if (!Holds(false, path)) FChanges.push_back({false, std::string(path), std::string(kept)});
}

bool TInstallRecord::Wrote(std::string_view path) const { return Holds(false, path); }

std::vector<TUndoStep> TInstallRecord::RollbackSteps() const {
    std::vector<TUndoStep> steps;
    for (auto c = FChanges.rbegin(); c != FChanges.rend(); ++c) {
        const TUndoAction action = c->folder        ? TUndoAction::uaRemoveFolder
                                   : c->kept.empty() ? TUndoAction::uaRemoveFile
                                                     : TUndoAction::uaRestore;
        steps.push_back({action, c->path, c->kept});
    }
    return steps;
}

std::vector<std::string> TInstallRecord::KeptFiles() const {
    std::vector<std::string> kept;
    for (const TChange& c : FChanges)
        if (!c.folder && !c.kept.empty()) kept.push_back(c.kept);
    return kept;
}

std::string RollbackLeftMessage(const std::vector<TUndoStep>& left) {
    std::string text = "安装已中止，本次安装所做的其他更改都已撤销，但有 " + std::to_string(left.size()) +
                       " 个文件正被其他程序使用，未能删除或还原：";
    int shown = 0;
    bool kept = false;
    for (const TUndoStep& step : left) {
        kept = kept || step.action == TUndoAction::uaRestore;
        if (shown == kFailedNamesShown) {
            text += "\n  …";
            break;
        }
        text += "\n  " + step.path;
        if (step.action == TUndoAction::uaRestore)
            text += "（原来的文件暂存为“" + ExtractFileName(step.kept) + "”）";
        ++shown;
    }
    text += "\n\n请关闭使用这些文件的程序，然后删除这些文件";
    if (kept) text += "，或用暂存的原来的文件替换它们";
    text += "。";
    return text;
}

}  // namespace vd
