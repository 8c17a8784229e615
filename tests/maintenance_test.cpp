// Whole-database work: what fields name, whole records read and stored again, the reference
// check with its suggestions, and search kept in step with adds and deletes.
#include <map>

#include "generate.hpp"
#include "support.hpp"

namespace orvane_test {
namespace {

using namespace OrvaneLib;

// Every field of a record as text, blocks' fields as "Block.Field".
std::map<std::string, std::string> Texts(const KindInfo& kind, const Object& record) {
    std::map<std::string, std::string> texts;
    for (const auto& f : kind.Fields()) {
        if (f.Type != FieldKind::Block) {
            texts[f.Name] = kind.FieldText(record, f.Name);
            continue;
        }
        for (const auto& inner : kind.BlockFields(f.Name))
            texts[f.Name + "." + inner.Name] = kind.FieldText(record, f.Name + "." + inner.Name);
    }
    return texts;
}

std::vector<std::map<std::string, std::string>> AllRecords(clsDatabase& db, const KindInfo& kind) {
    std::vector<std::map<std::string, std::string>> all;
    const Status st = ForEachRecord(db, kind, [&](const Object& record) {
        all.push_back(Texts(kind, record));
        return Status();
    });
    EXPECT_TRUE(st.Ok() || st.Code() == StatusCode::NoTable) << kind.Name() << ": " << st.Message();
    return all;
}

class MaintenanceTest : public OrvaneTest {};

TEST_F(MaintenanceTest, NamedPartsFitTheirListsAndSayWhatTheyName) {
    // A field names at most as many parts as its entries have names.
    const std::map<std::string, std::size_t> parts = {
        {"clsListSimple", 1},  {"clsListLevel", 1},       {"clsListBonus", 1},
        {"clsListSynergy", 1}, {"clsListSubSynergy", 2},  {"clsListOrSimple", 1},
        {"clsListOrLevel", 1}, {"clsListTripleSimple", 3}};
    int named = 0;
    for (const auto& kind : RecordKinds()) {
        const auto record = kind.NewRecord();
        for (const auto& f : kind.Fields()) {
            std::vector<std::pair<std::string, FieldInfo>> all = {{f.Name, f}};
            if (f.Type == FieldKind::Block)
                for (const auto& inner : kind.BlockFields(f.Name))
                    all.emplace_back(f.Name + "." + inner.Name, inner);
            for (const auto& [name, field] : all) {
                if (field.Names.empty()) continue;
                ++named;
                if (field.Type == FieldKind::Text) {
                    EXPECT_EQ(field.Names.size(), 1u) << kind.Name() << " " << name;
                    continue;
                }
                ASSERT_EQ(field.Type, FieldKind::List) << kind.Name() << " " << name;
                const Object* list = kind.FieldObject(*record, name);
                ASSERT_NE(list, nullptr);
                EXPECT_LE(field.Names.size(), parts.at(list->ClassName()))
                    << kind.Name() << " " << name;
                for (const auto& target : field.Names)
                    EXPECT_TRUE(target.empty() || target == "sub-skill" || target == "abilities" ||
                                target == "languages" || target == "regions" || FindKind(target))
                        << kind.Name() << " " << name << ": " << target;
            }
        }
    }
    EXPECT_GT(named, 90);
    auto names = [](const std::string& kind, const std::string& field) {
        const auto k = *FindKind(kind);
        for (const auto& f : k.Fields())
            if (f.Name == field) return f.Names;
        const auto dot = field.find('.');
        for (const auto& f : k.BlockFields(field.substr(0, dot)))
            if (f.Name == field.substr(dot + 1)) return f.Names;
        return std::vector<std::string>{"missing"};
    };
    EXPECT_EQ(names("species", "ReplaceClsFeats"),
              (std::vector<std::string>{"class", "feat", "feat"}));
    EXPECT_EQ(names("skill", "SubSynergy"), (std::vector<std::string>{"sub-skill", "skill"}));
    EXPECT_EQ(names("class-level", "GivenBonus"), std::vector<std::string>{"bonus-feat-selection"});
    EXPECT_EQ(names("prestige-class", "Requirements.OrSkills"), std::vector<std::string>{"skill"});
    EXPECT_EQ(names("feat", "Requirements.MinRequire"), std::vector<std::string>{});
    EXPECT_EQ(names("homeworld", "Region"), std::vector<std::string>{"regions"});
}

TEST_F(MaintenanceTest, ListTextsReadBackAsThemselvesOnlyWhenNothingButBlanksDiffer) {
    EXPECT_TRUE(ListReadsBack("Climb:4, Jump:2", "Climb:4, Jump:2"));
    EXPECT_TRUE(ListReadsBack(" Climb : 4 ,Jump:2 ", "Climb:4, Jump:2"));
    EXPECT_TRUE(ListReadsBack("   ", ""));
    EXPECT_FALSE(ListReadsBack("Knowledge:1, 0:Diplomacy:1", "0::0, 0:Diplomacy:1"));
    EXPECT_FALSE(ListReadsBack("Alertness", "Alertness:0"));
    EXPECT_FALSE(ListReadsBack("Climb:4,", ""));
    EXPECT_FALSE(ListReadsBack("Sense Motive:2", "SenseMotive:2"));  // inner blanks count
}

TEST_F(MaintenanceTest, WholeRecordsComeBackWithEveryColumnTheReadFills) {
    const std::string source = MakeDatabase("source.mdb", true);
    const std::string target = MakeDatabase("target.mdb");
    clsDatabase from, to;
    from.Name(source);
    to.Name(target);
    boxes_.clear();  // the library's own database is not there
    for (const auto& kind : RecordKinds()) {
        if (kind.Name() == "Skill by kind") continue;  // the skills' table again
        to.BeginTrans();
        ASSERT_TRUE(
            ForEachRecord(from, kind,
                          [&](const Object& record) { return StoreWholeRecord(to, kind, record); })
                .Ok())
            << kind.Name();
        to.CommitTrans();
        EXPECT_EQ(AllRecords(to, kind), AllRecords(from, kind)) << kind.Name();
    }
    // The skill whose class requirements the kind's own add would drop keeps them.
    const auto skill = *FindKind("skill");
    auto calm = skill.TryRead(to, {"Kindle Calm"});
    ASSERT_NE(calm.value, nullptr);
    EXPECT_EQ(skill.FieldText(*calm.value, "Requirements.Class"), "Vael Guardian:3");
    for (const auto& box : boxes_.boxes()) ADD_FAILURE() << box.title << ": " << box.prompt;

    // A row the read refuses stops the walk, naming the row and column.
    Exec(target, "UPDATE tblClasses SET Vitality = NULL WHERE Class = 'Scout'");
    const Status st = ForEachRecord(to, *FindKind("class"), [](const Object&) { return Status(); });
    EXPECT_EQ(st.Code(), StatusCode::BadValue);
    EXPECT_NE(st.Message().find("'Scout'"), std::string::npos) << st.Message();
    EXPECT_NE(st.Message().find("Vitality"), std::string::npos) << st.Message();
}

TEST_F(MaintenanceTest, PlainRowsComeInTableOrderWithNullsAndRefuseBadNumbers) {
    const std::string path =
        MakeDatabase("plain.mdb", true, "INSERT INTO tblAbility VALUES ('Aumen', NULL);");
    clsDatabase db;
    db.Name(path);
    const auto tables = PlainTables();
    const auto abilities = *std::find_if(tables.begin(), tables.end(), [](const PlainTableInfo& t) {
        return t.Name == "abilities";
    });
    std::vector<PlainRow> rows;
    ASSERT_TRUE(ReadPlainRows(db, abilities, rows).Ok());
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], (PlainRow{"Strength", "1"}));
    EXPECT_EQ(rows[6], (PlainRow{"Aumen", std::nullopt}));
    const Status bad = AddPlainRow(db, abilities, {"Luck", "seven"});
    EXPECT_EQ(bad.Code(), StatusCode::BadValue);
    EXPECT_NE(bad.Message().find("Order"), std::string::npos);
    ASSERT_TRUE(ReadPlainRows(db, abilities, rows).Ok());
    EXPECT_EQ(rows.size(), 7u);
}

TEST_F(MaintenanceTest, TheSampleAndAGeneratedDatabaseCheckClean) {
    clsDatabase sample;
    sample.Name(MakeDatabase("sample.mdb", true));
    const auto clean = CheckReferences(sample);
    ASSERT_TRUE(clean.status.Ok()) << clean.status.Message();
    for (const auto& f : clean.value)
        ADD_FAILURE() << f.Kind << " " << f.Keys[0] << " " << f.Field << " '" << f.Name << f.Text
                      << "'";

    const std::string generated = MakeDatabase("generated.mdb");
    GenerateRules(generated, 12);
    clsDatabase db;
    db.Name(generated);
    const auto result = CheckReferences(db);
    ASSERT_TRUE(result.status.Ok()) << result.status.Message();
    for (const auto& f : result.value)
        ADD_FAILURE() << f.Kind << " " << f.Keys[0] << " " << f.Field << " '" << f.Name << f.Text
                      << "'";
    EXPECT_EQ(FindKind("skill")->TryList(db).value.Values().size(), 12u);
}

TEST_F(MaintenanceTest, PlantedDanglingNamesAndMangledListsAreReportedExactlyWithSuggestions) {
    const std::string path = MakeDatabase(
        "planted.mdb", true,
        "UPDATE tblSpecies SET ClassSkills = 'Swim, Survivl' WHERE Species = 'Thessin';"
        "UPDATE tblAges SET Synergy = 'Knowledge:1, 0:Diplomacy:1' WHERE Age = 'Old';"
        "UPDATE tblClassesLevels SET CrossClass = 'Soldir Cross:1|2' WHERE Class = 'Soldier' "
        "AND Level = 2;"
        "UPDATE tblClassPrestige SET OrSkillRequirements = 'Balance:6|Tumble' WHERE Class = "
        "'Vael Sentinel';"
        "UPDATE tblWeapons SET Size = 'tiny' WHERE Name = 'Vibro Knife';"
        "UPDATE tblStarshipCrew SET Sizes = 'Outpost, Citadell' WHERE Points = 30;"
        "UPDATE tblSpecies SET ReplaceClsFeats = 'Scout:Track:Endurance, Soldier:Quick "
        "Drew:Sharp Eye' WHERE Species = 'Thessin';");
    clsDatabase db;
    db.Name(path);
    boxes_.clear();  // the library's own database is not there
    const auto result = CheckReferences(db);
    ASSERT_TRUE(result.status.Ok()) << result.status.Message();
    // The alternative set without a rank is a finding, not a box.
    for (const auto& box : boxes_.boxes()) ADD_FAILURE() << box.title << ": " << box.prompt;
    using P = ReferenceFinding::Problem;
    struct Want {
        P type;
        std::string kind, key, field, name, target, suggestion;
    };
    const std::vector<Want> want = {
        {P::Mangled, "Age", "Old", "Synergy", "", "", ""},
        {P::Dangling, "Class level", "Soldier", "CrossClass", "Soldir Cross", "cross-class-skills",
         "Soldier Cross"},
        {P::Mangled, "Prestige class", "Vael Sentinel", "Requirements.OrSkills", "", "", ""},
        {P::Dangling, "Species", "Thessin", "ClassSkills", "Survivl", "skill", "Survival"},
        {P::Dangling, "Species", "Thessin", "ReplaceClsFeats", "Quick Drew", "feat", "Quick Draw"},
        {P::Dangling, "Starship crew", "30", "Sizes", "Citadell", "starship-size", "Citadel"},
        {P::Dangling, "Weapon", "Vibro Knife", "Size", "tiny", "size", "Tiny"},
    };
    ASSERT_EQ(result.value.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const auto& f = result.value[i];
        const auto& w = want[i];
        SCOPED_TRACE(w.kind + " " + w.field);
        EXPECT_EQ(f.Type, w.type);
        EXPECT_EQ(f.Kind, w.kind);
        EXPECT_EQ(f.Keys[0], w.key);
        EXPECT_EQ(f.Field, w.field);
        if (w.type == P::Mangled) continue;
        EXPECT_EQ(f.Name, w.name);
        EXPECT_EQ(f.Target, w.target);
        ASSERT_FALSE(f.Suggestions.empty());
        EXPECT_EQ(f.Suggestions[0], w.suggestion);
    }
    EXPECT_EQ(result.value[0].Text, "Knowledge:1, 0:Diplomacy:1");
    EXPECT_EQ(result.value[0].Canonical, "0::0, 0:Diplomacy:1");
    EXPECT_EQ(result.value[2].Canonical, "");  // the failing set is lost, and so the list
    EXPECT_TRUE(result.value[5].Station);

    // One record not stored, against the database: only its own dangling names.
    const auto feat = *FindKind("feat");
    const auto record = feat.NewRecord();
    feat.SetFieldText(*record, "Name", "Sure Footing");
    feat.SetFieldText(*record, "Requirements.Skill", "Balance:4, Clim:2");
    const auto named = CheckRecordNames(db, feat, *record);
    ASSERT_EQ(named.value.size(), 1u);
    EXPECT_EQ(named.value[0].Field, "Requirements.Skill");
    EXPECT_EQ(named.value[0].Suggestions[0], "Climb");
}

TEST_F(MaintenanceTest, SearchFindsNamesAndDescriptionsAndFollowsAddsAndDeletes) {
    const std::string path = MakeDatabase("search.mdb", true);
    clsDatabase db;
    db.Name(path);
    auto keys = [&](const std::string& text, std::optional<KindInfo> kind = std::nullopt) {
        const auto found = SearchRecords(db, text, kind);
        EXPECT_TRUE(found.status.Ok()) << found.status.Message();
        std::vector<std::string> out;
        for (const auto& hit : found.value) out.push_back(hit.Kind + ":" + hit.Keys[0]);
        std::sort(out.begin(), out.end());  // the rank's order is the engine's business
        return out;
    };
    // Names and descriptions, letter case ignored, words as prefixes too, all words needed.
    EXPECT_EQ(keys("ANGER"), std::vector<std::string>{"Feat:Dread Focus"});
    EXPECT_EQ(keys("glowbl"), (std::vector<std::string>{"Feat:Blade Warding", "Feat:Deflect Bolts",
                                                        "Feat:Glowblade Focus"}));
    EXPECT_EQ(keys("aumen knight"),
              (std::vector<std::string>{"Class:Vael Guardian", "Class:Vael Sentinel"}));
    EXPECT_EQ(keys("aumen", FindKind("feat")), std::vector<std::string>{"Feat:Aumen Sensitive"});

    // Adds and deletes through the library (its own connection) are followed.
    const auto feat = *FindKind("feat");
    auto record = feat.NewRecord();
    feat.SetFieldText(*record, "Name", "Stormcaller");
    feat.SetFieldText(*record, "Description", "Calls down the stormwinds.");
    ASSERT_TRUE(feat.TryAdd(db, *record).Ok());
    EXPECT_EQ(keys("stormwinds"), std::vector<std::string>{"Feat:Stormcaller"});
    ASSERT_TRUE(feat.TryDelete(db, {"Dread Focus"}).Ok());
    EXPECT_TRUE(keys("anger").empty());
    // Station rows say so.
    const auto found = SearchRecords(db, "anchor");
    ASSERT_EQ(found.value.size(), 1u);
    EXPECT_TRUE(found.value[0].Station);
    EXPECT_EQ(SearchRecords(db, "  ").status.Code(), StatusCode::BadKey);

    // A table made again (its triggers gone) is indexed again on the next search.
    Exec(path,
         "DROP TABLE tblEquipment; CREATE TABLE tblEquipment (\"Name\" TEXT, \"Cost\" "
         "INTEGER, \"Mass\" INTEGER, \"Synergy\" TEXT, \"Source\" TEXT, \"Notes\" TEXT, "
         "\"Description\" TEXT); INSERT INTO tblEquipment VALUES ('Rope', 1, 1, NULL, "
         "NULL, NULL, 'Fifty feet of braided line.');");
    EXPECT_EQ(keys("braided"), std::vector<std::string>{"Equipment:Rope"});
    EXPECT_TRUE(keys("chemical").empty());  // the glow rod went with the old table
}

}  // namespace
}  // namespace orvane_test
