// Record files that fight back: writes that stop half way, binary bytes, lines of tens of
// megabytes, other line ends or none at the end. Each load either succeeds or reports once
// and leaves a clearing record cleared; no save ever leaves a half-written file behind.
#include <sys/resource.h>

#include <csignal>
#include <random>

#include "support.hpp"

namespace {

using namespace OrvaneLib;

class RecordFiles : public orvane_test::OrvaneTest {
  protected:
    std::string Saved(const KindInfo& kind, const Object& record) {
        const std::string path = dir_.file("saved.txt");
        kind.Save(record, path);
        return ReadFile(path);
    }
    // Loads `bytes` into a fresh record of `kind`; true when it loaded without a report.
    // A failed load must leave a clearing record exactly as a new one.
    bool Load(const KindInfo& kind, const std::string& bytes, std::shared_ptr<Object>& record) {
        const std::string path = dir_.file("input.txt");
        WriteFile(path, bytes);
        record = kind.NewRecord();
        boxes_.clear();
        kind.Load(*record, path);
        if (boxes_.size() == 0) return true;
        if (!HasBlock(kind)) {
            EXPECT_EQ(boxes_.size(), 1u) << kind.Name();
        }
        EXPECT_EQ(boxes_.last().prompt.rfind("Sub: Load.\r\n", 0), 0u) << kind.Name();
        return false;
    }
    // A requirements block reports its own failure and its owner reads on, so the owner may
    // report again or keep what it read.
    static bool HasBlock(const KindInfo& kind) {
        for (const auto& field : kind.Fields())
            if (field.Type == FieldKind::Block) return true;
        return false;
    }
    static bool Overlays(const KindInfo& kind) {
        for (const char* name : {"clsClass", "clsSizes", "clsWeapon", "clsCreatureClimate",
                                 "clsCreatureLevel", "clsCreatureTemplate"})
            if (kind.RecordClass() == name) return true;
        return false;
    }
};

// Limits the size of files this process writes, for as long as it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

  private:
    rlimit saved_{};
};

TEST_F(RecordFiles, ASaveThatStopsInsideTheRequirementsBlockKeepsThePreviousFile) {
    // The write fails inside the nested requirements block: the block reports it, and the
    // file saved before stays as it was rather than being replaced by one cut off inside
    // the block.
    const std::string path = dir_.file("prestige.txt");
    clsPrestige before;
    before.Name = "Star Warden";
    before.Save(path);
    const std::string previous = ReadFile(path);

    clsPrestige after;
    after.Name = "Void Warden";
    after.Requirements->SetFeats("Alertness, Endurance, Iron Will");
    after.Requirements->SetSkill("Pilot:8");
    boxes_.clear();
    {
        FileSizeLimit limit(20);  // the name and a few bytes of the block
        after.Save(path);
    }
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_.last().prompt.rfind("Sub: Save.\r\n", 0), 0u) << boxes_.last().prompt;
    EXPECT_EQ(ReadFile(path), previous);
    EXPECT_FALSE(orvane_test::fs::exists(path + ".saving"));
}

TEST_F(RecordFiles, BinaryBytesLoadOrReportForEveryKind) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const auto& kind : RecordKinds()) {
        for (int round = 0; round < 8; ++round) {
            std::string bytes(static_cast<std::size_t>(round * 97), '\0');
            for (char& c : bytes) c = static_cast<char>(byte(random));
            std::shared_ptr<Object> record;
            if (!Load(kind, bytes, record) && !Overlays(kind) && !HasBlock(kind)) {
                EXPECT_EQ(Saved(kind, *record), Saved(kind, *kind.NewRecord())) << kind.Name();
            }
        }
    }
}

TEST_F(RecordFiles, LineEndsOfAnyKindAndNoneAtTheEndLoadTheSame) {
    InstallSampleDatabase();
    clsDatabase db;
    for (const auto& kind : RecordKinds()) {
        auto list = kind.List(db);
        if (list.IsEmptyForm() || kind.Keys().size() != 1) continue;
        auto record = kind.Read(db, {list[list.LBound()]}, true);
        ASSERT_TRUE(record) << kind.Name();
        const std::string crlf = Saved(kind, *record);
        std::string lf, cr;
        for (std::size_t i = 0; i < crlf.size(); ++i) {
            if (crlf.compare(i, 2, "\r\n") == 0) {
                lf += '\n';
                cr += '\r';
                ++i;
            } else {
                lf += crlf[i];
                cr += crlf[i];
            }
        }
        std::vector<std::string> variants = {lf, cr};
        // Without the last line end (unless the last line is empty: it would vanish).
        if (crlf.size() < 4 || crlf.compare(crlf.size() - 4, 4, "\r\n\r\n") != 0)
            variants.push_back(crlf.substr(0, crlf.size() - 2));
        for (const std::string& bytes : variants) {
            std::shared_ptr<Object> loaded;
            ASSERT_TRUE(Load(kind, bytes, loaded)) << kind.Name() << ": " << boxes_.last().prompt;
            EXPECT_EQ(Saved(kind, *loaded), crlf) << kind.Name();
        }
    }
}

TEST_F(RecordFiles, LinesOfTensOfMegabytesLoadOrReportWhole) {
    const KindInfo species = *FindKind("Species");
    clsSpecies record;
    record.Name = "Orvani";
    record.SetSpeak("Orvanic");
    std::string text = Saved(species, record);
    const std::string huge(20u << 20, 'x');

    // A 20 MB name loads and saves back whole.
    std::string bytes = text;
    bytes.replace(0, 6, huge);
    std::shared_ptr<Object> loaded;
    ASSERT_TRUE(Load(species, bytes, loaded)) << boxes_.last().prompt;
    EXPECT_EQ(static_cast<clsSpecies&>(*loaded).Name.size(), huge.size());
    EXPECT_EQ(Saved(species, *loaded), bytes);

    // A 20 MB list line of entries, and 20 MB of digits where a number belongs.
    bytes = text;
    std::string entries;
    while (entries.size() < huge.size()) entries += "Lang" + std::to_string(entries.size()) + ", ";
    bytes.replace(bytes.find("Orvanic"), 7, entries);
    Load(species, bytes, loaded);
    bytes = text;
    bytes.replace(bytes.find("\r\n") + 2, 0, std::string(20u << 20, '7'));
    EXPECT_FALSE(Load(species, bytes, loaded));
    EXPECT_EQ(Saved(species, *loaded), Saved(species, clsSpecies()));
}

}  // namespace
