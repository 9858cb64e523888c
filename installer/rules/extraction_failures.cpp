#include "installer/rules/extraction_failures.h"

#include <algorithm>

#include "installer/rules/player_files.h"

namespace vd {

void NoteEntryResult(TFailedEntries& failed, int index, bool written) {
    auto at = std::lower_bound(failed.begin(), failed.end(), index);
    const bool listed = at != failed.end() && *at == index;
    if (written && listed) failed.erase(at);
    if (!written && !listed) failed.insert(at, index);
}

bool HasFailed(const TFailedEntries& failed, std::string_view name) {
    for (int i : failed)
        if (i >= 0 && i < kPlayerFileCount && name == kPlayerFiles[i].name) return true;
    return false;
}

std::string FailedEntriesMessage(const TFailedEntries& failed, std::string_view installDir) {
    std::string text = "有 " + std::to_string(failed.size()) + " 个文件未能安装：";
    int shown = 0;
    for (int i : failed) {
        if (i < 0 || i >= kPlayerFileCount) continue;
        if (shown == kFailedNamesShown) {
            text += "\n  …";
            break;
        }
        text += "\n  " + std::string(kPlayerFiles[i].name);
        ++shown;
    }
    text += "\n安装文件夹：“" + std::string(installDir) + "”";
    text += "\n\n请释放磁盘空间或关闭正在使用这些文件的程序，然后点击“重试”；点击“取消”则不安装这些文件，继续安装。";
    return text;
}

std::string FinishedTitle(const TFailedEntries& failed) { return failed.empty() ? "安装完成" : "安装未完成"; }

}  // namespace vd
