#include "installer/rules/folder_rules.h"

#include "core/folder_layout.h"
#include "core/text.h"

namespace vd {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsForbidden(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' ||
           c == '<' || c == '>' || c == '|';
}

// A device name, alone or before an extension: CON, PRN, AUX, NUL, COM1..9, LPT1..9.
bool IsDeviceName(std::string_view name) {
    const std::string base = AsciiUpper(name.substr(0, name.find('.')));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

bool IsReservedName(std::string_view name) {
    if (name.empty()) return false;
    if (name == "." || name == "..") return true;
    if (name.back() == '.' || name.back() == ' ') return true;
    return IsDeviceName(name);
}

// The part of the folder after its drive (the names below the root).
std::string_view BelowDrive(std::string_view folder) {
    const size_t drive = DriveOfPath(folder).size();
    return folder.substr(drive < folder.size() ? drive + 1 : folder.size());
}

int Units(std::string_view s) { return static_cast<int>(Utf8ToUtf16(s).size()); }

uint64_t WholeClusters(int64_t bytes) {
    if (bytes <= 0) return 0;
    const uint64_t b = static_cast<uint64_t>(bytes);
    return (b + kClusterBytes - 1) / kClusterBytes * kClusterBytes;
}

std::string Mebibytes(uint64_t bytes, bool roundUp) {
    const uint64_t mib = 1024 * 1024;
    return std::to_string(roundUp ? (bytes + mib - 1) / mib : bytes / mib);
}

std::string Quoted(std::string_view folder) { return "“" + std::string(folder) + "”"; }

}  // namespace

bool IsAbsoluteFolder(std::string_view folder) {
    if (folder.size() >= 3 && IsLetter(folder[0]) && folder[1] == ':' && folder[2] == '\\') return true;
    const std::string drive = DriveOfPath(folder);
    return drive.size() > 2 && drive[0] == '\\' && folder.size() > drive.size() && folder[drive.size()] == '\\';
}

TFolderFault CheckFolderText(std::string_view installDir) {
    if (installDir.empty()) return ffEmpty;
    if (!IsAbsoluteFolder(installDir)) return ffNotAbsolute;
    // Past the drive's colon (or the two backslashes of a share) no colon is allowed.
    for (size_t i = 2; i < installDir.size(); ++i)
        if (IsForbidden(installDir[i])) return ffForbiddenCharacter;
    std::string_view rest = BelowDrive(installDir);
    while (!rest.empty()) {
        const size_t end = rest.find('\\');
        if (IsReservedName(rest.substr(0, end))) return ffReservedName;
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return ffNone;
}

bool EntryPathsFit(const TPlayerFolders& folders) {
    int lastFolder = -1;
    for (const TPlayerFile& file : kPlayerFiles) {
        const std::string folder = TargetFolderPath(file.folder, folders);
        if (file.folder != lastFolder) {
            lastFolder = file.folder;
            if (Units(ExcludeTrailingBackslash(folder)) > kMaxFolderPathUnits) return false;
        }
        if (Units(folder) + Units(file.name) > kMaxFilePathUnits) return false;
    }
    return true;
}

std::vector<TDriveNeed> SpaceNeededPerDrive(const TPlayerFolders& folders, const std::vector<int64_t>& entrySizes) {
    std::vector<TDriveNeed> needs;
    for (size_t i = 0; i < static_cast<size_t>(kPlayerFileCount); ++i) {
        const std::string drive = DriveOfPath(TargetFolderPath(kPlayerFiles[i].folder, folders));
        TDriveNeed* need = nullptr;
        for (TDriveNeed& n : needs)
            if (SameTextAscii(n.drive, drive)) need = &n;
        if (!need) {
            needs.push_back({drive, kSpaceMargin});
            need = &needs.back();
        }
        if (i < entrySizes.size()) need->bytes += WholeClusters(entrySizes[i]);
    }
    return needs;
}

uint32_t EstimatedSizeKiB(const std::vector<int64_t>& entrySizes) {
    uint64_t total = 0;
    for (int64_t size : entrySizes)
        if (size > 0) total += static_cast<uint64_t>(size);
    return static_cast<uint32_t>((total + 1023) / 1024);
}

std::string FolderFaultMessage(TFolderFault fault, std::string_view folderText, const TFolderFaultFacts& facts) {
    const std::string folder = Quoted(folderText);
    switch (fault) {
        case ffNone:
            return std::string();
        case ffEmpty:
            return "请输入安装文件夹。";
        case ffNotAbsolute:
            return "安装文件夹" + folder + "不是完整的路径，请输入以盘符（如 C:\\）或网络共享（如 \\\\服务器\\共享\\）开头的文件夹。";
        case ffForbiddenCharacter:
            return "安装文件夹" + folder + "含有文件夹名称中不能使用的字符（/ : * ? \" < > |）。";
        case ffReservedName:
            return "安装文件夹" + folder + "含有 Windows 不允许的文件夹名称。";
        case ffTooLong:
            return "安装文件夹" + folder + "的路径太长，请选择较短的文件夹。";
        case ffNoDrive:
            return "驱动器 " + facts.drive + " 不存在，无法安装到" + folder + "。";
        case ffNoSpace:
            return "驱动器 " + facts.drive + " 的可用空间不足：需要 " + Mebibytes(facts.needBytes, true) + " MB，只有 " +
                   Mebibytes(facts.freeBytes, false) + " MB。安装文件夹：" + folder;
        case ffCannotCreate:
            return "无法创建安装文件夹" + folder + "，请选择其他文件夹。";
        case ffNotWritable:
            return "无法写入安装文件夹" + folder + "，请选择其他文件夹。";
    }
    return std::string();
}

}  // namespace vd
