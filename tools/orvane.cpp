// orvane: every part of the rules library from a shell: record kinds listed, shown, exported,
// imported and deleted; the lookup lists; attack sequences; new databases and their counts.
#include <iostream>

#include "session.hpp"

int main(int argc, char** argv) {
    using namespace orvane_cli;
    Session session;
    CLI::App app{"Reads and maintains an Orvane rules database.", "orvane"};
    app.set_version_flag("--version", "orvane " + OrvaneLib::LibraryVersion(),
                         "Show the library's version");
    app.add_option("--db", session.dbPath,
                   "The rules database file (default: Orvane.mdb beside the library)");
    app.require_subcommand(1);
    app.fallthrough();  // --db may also follow the command
    app.footer(
        "Exit status: 0 done; 1 an operation failed (each message of the library is one line "
        "on standard error); 2 a command line naming something that does not exist.");

    AddRecordCommands(app, session);
    AddLookupCommand(app, session);
    AddAttacksCommand(app);
    AddDatabaseCommands(app, session);
    AddConvertCommand(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
        std::cerr << "orvane: " << e.what() << " (see --help)\n";
        return kExitUsage;
    } catch (const Failure& f) {
        if (*f.what()) std::cerr << "orvane: " << f.what() << "\n";
        return f.Code();
    } catch (const std::exception& e) {
        std::cerr << "orvane: " << e.what() << "\n";
        return kExitFailed;
    }
    return session.BoxesShown() ? kExitFailed : 0;
}
