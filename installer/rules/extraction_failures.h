// The entries an extraction could not write, and the warning that tells the
// user about them before the association page.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// How many file names the warning lists before it says "…".
inline constexpr int kFailedNamesShown = 5;

// Indexes into kPlayerFiles, ascending, each once.
using TFailedEntries = std::vector<int>;

// Records the outcome of one entry: a failed one joins the list, one that
// was written (a retry that worked) leaves it.
void NoteEntryResult(TFailedEntries& failed, int index, bool written);

// Whether the entry of that file name is in the list.
bool HasFailed(const TFailedEntries& failed, std::string_view name);

// The warning: how many files could not be installed, the first
// kFailedNamesShown names, the install folder, and what Retry and Cancel do.
std::string FailedEntriesMessage(const TFailedEntries& failed, std::string_view installDir);

// The title of the last page: "安装完成", or "安装未完成" while files are missing.
std::string FinishedTitle(const TFailedEntries& failed);

}  // namespace vd
