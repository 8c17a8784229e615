// orvane: every part of the rules library from a shell: record kinds listed, shown, exported,
// imported and deleted; the lookup lists; attack sequences; new databases and their counts.
#include <iostream>

#include "session.hpp"

namespace {

using namespace orvane_cli;

std::vector<std::string> CommandNames(CLI::App& app) {
    std::vector<std::string> names;
    for (const auto* command : app.get_subcommands([](CLI::App*) { return true; }))
        names.push_back(command->get_name());
    return names;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

// Looks at the command before the parser does, so that a mistyped or missing command is
// named as such (the parser alone would only say that a command is required). Options of
// the tool itself and their values are skipped; any other option is left to the parser.
void CheckCommand(CLI::App& app, int argc, char** argv) {
    const auto names = CommandNames(app);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--db") {
            ++i;
            continue;
        }
        // The parser would take the next argument for the value of an empty "--db=".
        if (arg == "--db=") FailUsage("--db: needs a file name, not an empty text");
        if (arg.rfind("--db=", 0) == 0) continue;
        if (!arg.empty() && arg[0] == '-') return;
        if (std::find(names.begin(), names.end(), arg) != names.end()) return;
        FailUsage("unknown command '" + arg + "'" + Suggestion(arg, names) + "; the commands are " +
                  Joined(names));
    }
    FailUsage("no command given; the commands are " + Joined(names));
}

}  // namespace

int main(int argc, char** argv) {
    Session session;
    CLI::App app{"Reads and maintains an Orvane rules database.", "orvane"};
    app.set_version_flag("--version", "orvane " + OrvaneLib::LibraryVersion(),
                         "Show the library's version");
    app.add_option("--db", session.dbPath,
                   "The rules database file (default: Orvane.mdb beside the library)")
        ->check(NotEmpty("a file name"));
    app.require_subcommand(1);
    app.fallthrough();  // --db may also follow the command

    AddRecordCommands(app, session);
    AddLookupCommand(app, session);
    AddAttacksCommand(app);
    AddDatabaseCommands(app, session);
    AddConvertCommand(app);
    AddReplaceCommand(app, session);
    AddDumpCommands(app, session);
    AddCheckCommand(app, session);
    AddSearchCommand(app, session);
    // Set after the commands were added, which would otherwise repeat it in their help.
    app.footer(
        "Every command has its own help: orvane COMMAND --help.\n\n"
        "Exit status:\n"
        "  0  done.\n"
        "  1  an operation failed (each message of the library is one line on standard\n"
        "     error), a record or file was not found, a file exists, or a list had nothing\n"
        "     to list.\n"
        "  2  the command line names something that does not exist (a command, kind or\n"
        "     option) or gives a bad value (a number that is no whole number, --db \"\").");

    try {
        CheckCommand(app, argc, argv);
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
