// The library as a caller sees it: only the installed headers and the shared library, with
// its internal symbols hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "orvane/orvane.hpp"

namespace {

namespace fs = std::filesystem;
using namespace OrvaneLib;

// A private registry and a copy of the sample database; message boxes collected.
class PublicApi : public ::testing::Test {
  protected:
    PublicApi() {
        dir_ = fs::temp_directory_path() /
               ("orvane-public-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "registry");
        ::setenv("ORVANE_REGISTRY_DIR", (dir_ / "registry").c_str(), 1);
        previous_ =
            SetMessageBoxHandler([this](const std::string& prompt, MsgIcon, const std::string&) {
                prompts_.push_back(prompt);
            });
        const char* sample = std::getenv("ORVANE_TEST_SAMPLE_DB");
        if (sample) fs::copy_file(sample, dir_ / "rules.mdb");
    }
    ~PublicApi() override {
        SetMessageBoxHandler(previous_);
        fs::remove_all(dir_);
    }
    std::unique_ptr<clsDatabase> Open() {
        auto db = std::make_unique<clsDatabase>();
        db->Name((dir_ / "rules.mdb").string());
        prompts_.clear();
        return db;
    }
    std::string File(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
    std::vector<std::string> prompts_;
    MessageBoxHandler previous_;
};

TEST_F(PublicApi, LibraryIdentity) {
    EXPECT_FALSE(LibraryFolder().empty());
    EXPECT_NE(LibraryFolder().back(), '/');
    EXPECT_NE(LibraryFileName().find("liborvane"), std::string::npos);
    std::string version = LibraryVersion();
    EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 2);
}

// The library serves exactly these kinds, each creatable by its class name.
TEST_F(PublicApi, EveryKindIsServedOnceAndCreatable) {
    const auto kinds = RecordKinds();
    EXPECT_EQ(kinds.size(), 43u);
    std::set<std::string> names;
    for (const auto& kind : kinds) {
        EXPECT_TRUE(names.insert(kind.Name()).second) << kind.Name();
        auto object = CreateObject("OrvaneLib." + kind.RecordClass());
        ASSERT_NE(object, nullptr) << kind.RecordClass();
        EXPECT_EQ(object->ClassName(), kind.RecordClass());
        EXPECT_EQ(kind.NewRecord()->ClassName(), kind.RecordClass());
        EXPECT_FALSE(kind.Keys().empty()) << kind.Name();
    }
}

// A caller's class that adds a base of its own before a record class: the record's part is
// saved, loaded, added and read, and the caller's part is left alone.
struct Tag {
    virtual ~Tag() = default;
    std::string tag = "caller's";
};
struct Mine : Tag, clsHomeworld {};

TEST_F(PublicApi, DerivedRecordClassesSaveLoadAndAdd) {
    Mine mine;
    mine.Name = "Varos";
    mine.Sector = "Outer Reach";
    mine.Region = "Rim";
    mine.Save(File("mine.txt"));
    std::ifstream in(File("mine.txt"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Varos\r\nOuter Reach\r\nRim\r\n");

    Mine back;
    back.Load(File("mine.txt"));
    EXPECT_EQ(back.Name, "Varos");
    EXPECT_EQ(back.Region, "Rim");
    EXPECT_EQ(back.tag, "caller's");
    back.Clear();
    EXPECT_EQ(back.Sector, "");
    EXPECT_EQ(back.tag, "caller's");

    auto db = Open();
    db->AddHomeworld(&mine);
    auto stored = db->HomeworldInfo("Varos");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Sector, "Outer Reach");
    const auto kind = FindKind("homeworld");
    ASSERT_TRUE(kind);
    EXPECT_TRUE(kind->TryAdd(*db, mine).Ok());
    EXPECT_EQ(kind->FieldText(mine, "Region"), "Rim");
    EXPECT_TRUE(prompts_.empty());
    // An object of another class is refused before anything is touched.
    clsAge age;
    EXPECT_THROW(kind->Add(*db, age), std::invalid_argument);
}

// Programs tell "no such record" from "the database failed" by the status, with the label
// and message the report would have shown, and nothing shown.
TEST_F(PublicApi, TryCallsReturnWhatHappened) {
    auto db = Open();
    const auto species = FindKind("species");
    ASSERT_TRUE(species);
    auto found = species->TryRead(*db, {"Orvani"});
    EXPECT_TRUE(found.status.Ok());
    ASSERT_NE(found.value, nullptr);

    auto missing = species->TryRead(*db, {"Nobody"});
    EXPECT_EQ(missing.status.Code(), StatusCode::NotFound);
    EXPECT_EQ(missing.status.Label(), "Property Get: GetSpeciesInfo(Nobody, False)");
    EXPECT_EQ(missing.status.Message(), "Unable to locate a Species matching your criteria.");
    EXPECT_EQ(missing.value, nullptr);
    EXPECT_EQ(species->TryRead(*db, {""}).status.Code(), StatusCode::BadKey);
    EXPECT_EQ(species->TryDelete(*db, {"Nobody"}).Code(), StatusCode::NotFound);
    EXPECT_TRUE(prompts_.empty());

    // The named members show the same failure.
    EXPECT_EQ(db->GetSpeciesInfo("Nobody"), nullptr);
    ASSERT_EQ(prompts_.size(), 1u);
    EXPECT_EQ(prompts_[0], missing.status.Label() + "\r\n" + missing.status.Message());

    std::ofstream(File("garbage.mdb")) << "this is not a database";
    db->Name(File("garbage.mdb"));
    prompts_.clear();
    auto broken = species->TryList(*db);
    EXPECT_EQ(broken.status.Code(), StatusCode::NoDatabase);
    EXPECT_TRUE(broken.value.IsEmptyForm());
    EXPECT_TRUE(prompts_.empty());
}

// An emptied table: the status says so, and the named member shows the kind's own message.
TEST_F(PublicApi, EmptiedTablesReportTheirKindsMessage) {
    auto db = Open();
    db->Clear();
    const auto bonus = FindKind("droid bonus");
    ASSERT_TRUE(bonus);
    auto listed = bonus->TryList(*db);
    EXPECT_EQ(listed.status.Code(), StatusCode::Empty);
    EXPECT_FALSE(listed.status.Quiet());
    EXPECT_TRUE(prompts_.empty());
    EXPECT_TRUE(db->DroidBonusList().IsEmptyForm());
    ASSERT_EQ(prompts_.size(), 1u);
    EXPECT_EQ(prompts_[0],
              "Property Get: DroidBonusList\r\nThere are no Droid Bonus Records in the Database!");
}

// Any list field decodes through the common list interface.
TEST_F(PublicApi, ListFieldsDecodeThroughOneInterface) {
    auto db = Open();
    const auto kind = FindKind("class level");
    ASSERT_TRUE(kind);
    const auto levels = kind->List(*db);
    ASSERT_FALSE(levels.IsEmptyForm());
    const std::string first = levels[levels.LBound()];
    const auto colon = first.find(':');
    auto record = kind->Read(*db, {first.substr(0, colon), first.substr(colon + 1)});
    ASSERT_NE(record, nullptr);
    int lists = 0;
    for (const auto& field : kind->Fields()) {
        if (field.Type != FieldKind::List) continue;
        const EncodedList* list = kind->FieldList(*record, field.Name);
        ASSERT_NE(list, nullptr) << field.Name;
        EXPECT_EQ(list->GetList(), kind->FieldText(*record, field.Name));
        EXPECT_EQ(list->HasList(), list->GetSize() > 0 || list->HasList());
        ++lists;
    }
    EXPECT_GT(lists, 3);
}

}  // namespace
