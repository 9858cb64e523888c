#include "tools/xpdb/xpdb_args.h"

#include <cerrno>
#include <cstdlib>

namespace vd::xpdb {

bool ParseArgs(const std::vector<std::string>& argv, TArgs& args, std::string& error) {
    bool optionsEnded = false;
    for (size_t i = 1; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (!optionsEnded && (a == "--help" || a == "-h")) {
            args.Help = true;
            continue;
        }
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && a.size() > 2 && a.compare(0, 2, "--") == 0) {
            std::string name = a.substr(2), value;
            bool inlineValue = false;
            size_t eq = name.find('=');
            if (eq != std::string::npos) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
                inlineValue = true;
            }
            std::optional<std::string>* slot = nullptr;
            if (name == "mark") slot = &args.Mark;
            else if (name == "kind") slot = &args.Kind;
            else if (name == "tag") slot = &args.Tag;
            else if (name == "text") slot = &args.Text;
            else if (name == "created") slot = &args.Created;
            if (!slot) {
                error = "unknown option " + a;
                return false;
            }
            if (!inlineValue) {
                if (i + 1 >= argv.size()) {
                    error = "option --" + name + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
            *slot = value;
            continue;
        }
        if (args.Command.empty() && !optionsEnded) args.Command = a;
        else if (args.Command.empty()) args.Command = a;
        else args.Positional.push_back(a);
    }
    return true;
}

bool ParseInteger(const std::string& text, long long min, long long max, long long& value) {
    if (text.empty()) return false;
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size()) return false;
    for (size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < min || v > max) return false;
    value = v;
    return true;
}

const char* UsageText() {
    return
        "usage: xpdb COMMAND ARGS...\n"
        "\n"
        "Packs, inspects and edits package container files (a 44-byte head and\n"
        "named entries, each deflated with zlib at level 9).\n"
        "\n"
        "  xpdb pack OUT --mark MARK PATH...\n"
        "      Creates OUT (replacing it) and adds each PATH in the order given; a\n"
        "      folder adds its regular files sorted by name. Entries get kind 2, tag\n"
        "      value 0, an empty text and automatic IDs. Progress goes to a terminal.\n"
        "  xpdb list FILE\n"
        "      One line per live entry in chain order:\n"
        "      ID<TAB>name<TAB>stored size<TAB>uncompressed size<TAB>record offset\n"
        "  xpdb info FILE\n"
        "      The mark, version, creation time and the seven index-head fields.\n"
        "  xpdb cat FILE NAME\n"
        "      Writes the entry's data to standard output.\n"
        "  xpdb extract FILE DIR\n"
        "      Writes every live entry to DIR/NAME. Names holding a path separator,\n"
        "      a drive or \"..\" are refused; of equal names the first one wins.\n"
        "  xpdb put FILE NAME SRC [--kind K] [--tag N] [--text S] [--mark MARK]\n"
        "      Stores the bytes of SRC under NAME, adding it or replacing its data (a\n"
        "      replaced entry keeps its kind, tag value and text). A missing FILE is\n"
        "      created with MARK (default \"xpselfdb\"). Defaults: kind 2, tag 0.\n"
        "  xpdb rm FILE NAME\n"
        "      Deletes the entry.\n"
        "  xpdb check FILE\n"
        "      Verifies offsets, both chains, the counts and that every payload\n"
        "      inflates to its declared size; prints one line per problem and exits\n"
        "      with 1 when there is any.\n"
        "\n"
        "Options:\n"
        "  --mark MARK      for pack and new files of put: the mark to write (at most\n"
        "                   10 bytes); for every other command: refuse a file whose\n"
        "                   mark differs. Without it any mark is accepted.\n"
        "  --created STAMP  creation stamp of a new file, as local time\n"
        "                   \"YYYY-MM-DD[ HH:MM:SS[.mmm]]\" or as a number of days since\n"
        "                   1899-12-30. Without it SOURCE_DATE_EPOCH (seconds since\n"
        "                   1970-01-01 00:00 UTC, written as that wall-clock time) is\n"
        "                   used when set, else the current local time. Equal inputs\n"
        "                   and stamp give byte-identical files.\n"
        "\n"
        "Reading commands (list, info, cat, extract, check) open FILE read-only and\n"
        "never create or change it. Exit status: 0 success, 1 failure, 2 usage error.\n";
}

}  // namespace vd::xpdb
