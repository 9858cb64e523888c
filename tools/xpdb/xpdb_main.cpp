// xpdb: the packer and inspector of package container files.
#include <cstdio>
#include <exception>
#include <new>

#include "package/xp_file_db.h"
#include "tools/xpdb/xpdb_args.h"
#include "tools/xpdb/xpdb_commands.h"
#include "tools/xpdb/xpdb_console.h"

using namespace vd::xpdb;

int main(int argc, char** argv) {
    TArgs args;
    std::string error;
    const auto arguments = Utf8Arguments(argc, argv);
    if (!ParseArgs(arguments, args, error)) {
        Complain(error + " (see xpdb --help)");
        return 2;
    }
    if (args.Help || args.Command == "help") {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    struct Entry {
        const char* name;
        int (*run)(const TArgs&);
    } const commands[] = {
        {"pack", CmdPack}, {"list", CmdList}, {"info", CmdInfo},  {"cat", CmdCat},
        {"extract", CmdExtract}, {"check", CmdCheck}, {"put", CmdPut}, {"rm", CmdRm},
    };
    try {
        for (const Entry& c : commands)
            if (args.Command == c.name) {
                int rc = c.run(args);
                if (std::fflush(stdout) != 0) {
                    Complain("cannot write to standard output");
                    return 1;
                }
                return rc;
            }
        Complain(args.Command.empty() ? "no command given (see xpdb --help)"
                                      : "unknown command \"" + args.Command + "\" (see xpdb --help)");
        return 2;
    } catch (const UsageError& e) {
        Complain(std::string(e.what()) + " (see xpdb --help)");
        return 2;
    } catch (const std::bad_alloc&) {
        Complain("out of memory");
        return 1;
    } catch (const std::exception& e) {
        Complain(e.what());
        return 1;
    }
}
