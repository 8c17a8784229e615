// The convert command: a Jet database (the .mdb files of Access 95 to 2003) into a new
// rules database, with a progress bar on a terminal and a summary of what was made.
#include <unistd.h>

#include <iostream>

#include "session.hpp"
#if ORVANE_HAVE_JET
#include <orvane/jet.hpp>
#endif

namespace orvane_cli {

namespace {

#if ORVANE_HAVE_JET

using namespace OrvaneLib;

// Shows the rows copied: a bar on standard error when it is a terminal, else (for text
// output) one line per table once it is done.
class Progress {
  public:
    Progress(bool lines) : bar_(::isatty(STDERR_FILENO) == 1), lines_(lines) {}

    void Update(std::string_view table, std::uint64_t done, std::uint64_t total) {
        if (table != table_) {
            Finish();
            table_ = table;
        }
        done_ = done;
        if (!bar_) return;
        const int width = 30;
        const int filled =
            total == 0 ? width
                       : static_cast<int>(std::min<std::uint64_t>(width, done * width / total));
        if (filled == shown_ && done != total && done != 0) return;  // redraw on change only
        shown_ = filled;
        std::string name(table.substr(0, 28));
        std::cerr << "\r\033[K" << name << std::string(30 - name.size(), ' ') << '['
                  << std::string(static_cast<std::size_t>(filled), '#')
                  << std::string(static_cast<std::size_t>(width - filled), '.') << "] " << done
                  << " of " << total << std::flush;
    }

    // Ends the current table's bar or line.
    void Finish() {
        if (table_.empty()) return;
        if (bar_) std::cerr << "\r\033[K" << std::flush;
        if (lines_) std::cout << table_ << ": " << done_ << (done_ == 1 ? " row\n" : " rows\n");
        table_.clear();
        shown_ = -1;
    }

  private:
    bool bar_;
    bool lines_;
    std::string table_;
    std::uint64_t done_ = 0;
    int shown_ = -1;
};

void Convert(const std::string& from, const std::string& to, bool json) {
    Progress progress(!json);
    JetConvertOptions options;
    options.progress = [&](std::string_view table, std::uint64_t done, std::uint64_t total) {
        progress.Update(table, done, total);
    };
    const JetConvertReport report = ConvertJetDatabase(from, to, options);
    progress.Finish();
    if (!report.ok) Fail(report.error);

    if (json) {
        Json out{{"source", report.source},
                 {"target", report.target},
                 {"jetVersion", report.jetVersion},
                 {"rows", report.rows}};
        out["tables"] = Json::array();
        for (const auto& t : report.tables)
            out["tables"].push_back({{"name", t.name},
                                     {"rows", t.rows},
                                     {"columns", t.columns},
                                     {"indexes", t.indexes}});
        out["queriesMade"] = Json::array();
        for (const auto& q : report.queriesMade)
            out["queriesMade"].push_back({{"name", q.name},
                                          {"select", q.select},
                                          {"fromLibrarySchema", q.fromLibrarySchema}});
        out["queriesSkipped"] = Json::array();
        for (const auto& q : report.queriesSkipped)
            out["queriesSkipped"].push_back({{"name", q.name}, {"reason", q.reason}});
        out["notes"] = report.notes;
        PrintJson(out);
        return;
    }
    std::cout << "Converted " << from << " (Jet " << report.jetVersion << ") into " << to << ": "
              << report.tables.size() << (report.tables.size() == 1 ? " table, " : " tables, ")
              << report.rows << (report.rows == 1 ? " row\n" : " rows\n");
    std::cout << "Queries made: " << report.queriesMade.size() << "\n";
    for (const auto& q : report.queriesMade)
        std::cout << "  " << q.name
                  << (q.fromLibrarySchema ? " (the library's own definition)" : "") << "\n";
    std::cout << "Queries skipped: " << report.queriesSkipped.size() << "\n";
    for (const auto& q : report.queriesSkipped)
        std::cout << "  " << q.name << ": " << q.reason << "\n";
    if (!report.notes.empty()) {
        std::cout << "Notes:\n";
        for (const auto& note : report.notes) std::cout << "  " << note << "\n";
    }
}

#else

void Convert(const std::string&, const std::string&, bool) {
    Fail("this build of orvane has no Jet converter (libmdb was missing when it was built)");
}

#endif

}  // namespace

void AddConvertCommand(CLI::App& app) {
    auto from = std::make_shared<std::string>();
    auto to = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    auto* convert = app.add_subcommand(
        "convert", "Turn a Jet database (.mdb of Access 95 to 2003) into a new rules database");
    convert->add_option("OLD", *from, "The Jet file to read")->required();
    convert
        ->add_option("NEW", *to,
                     "The rules database to create; an existing file is never "
                     "overwritten")
        ->required();
    AddJsonFlag(*convert, *json);
    convert->callback([from, to, json] { Convert(*from, *to, *json); });
}

}  // namespace orvane_cli
