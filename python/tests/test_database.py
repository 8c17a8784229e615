"""clsDatabase from Python: adds and deletes, transactions and the context manager, lookup
lists, list results as sequences, and failures reported to the message handler while the
operations return None or the empty form without raising."""
import logging

import pytest

import orvane


def new_homeworld(name):
    world = orvane.clsHomeworld()
    world.Name, world.Sector, world.Region = name, "Rim", "Outer"
    return world


def test_add_read_and_delete(db, boxes):
    db.AddHomeworld(new_homeworld("Kessel Reach"))
    assert db.HomeworldInfo("kessel reach").Sector == "Rim"  # keys ignore letter case
    db.DelHomeworld("Kessel Reach")
    assert db.HomeworldInfo("Kessel Reach") is None
    assert len(boxes) == 1 and "Unable to locate a Homeworld" in boxes[0][0]
    boxes.clear()
    db.AddHomeworld(None)  # nothing to add: nothing happens, as with nullptr
    level = db.GetClassLevelInfo("Soldier", 2)
    level.Level = 21
    db.AddClassLevel(level)
    assert db.GetClassLevelInfo("Soldier", 21).Attack == level.Attack
    db.DelClassLevel("Soldier", 21)
    assert "Soldier:21" not in db.GetClassLevelList()


def test_station_rows_and_keyword_arguments(db):
    ordinary = db.StarshipCrewList()
    stations = db.StarshipCrewList(bStation=True)
    assert list(ordinary) and list(stations) and list(ordinary) != list(stations)
    crew = db.StarshipCrewInfo(int(stations[stations.LBound()]), bStation=True)
    assert crew.Station is True
    assert db.GetSpeciesInfo(strKey="Orvani", bDescript=True).Description


def test_list_results_behave_as_sequences_of_their_entries(db):
    species = db.SpeciesList()
    values = list(species)
    assert len(species) == len(values) == species.size() and values == species.Values()
    assert species[species.LBound()] == values[0] and species[species.UBound()] == values[-1]
    assert values[0] in species and "Nobody" not in species
    with pytest.raises(IndexError):
        species[species.LBound() - 1]
    with pytest.raises(IndexError):
        species[species.UBound() + 1]
    skills = db.GetAllSkillList()  # a list that counts from 0
    assert skills.LBound() == 0 and skills[0] == list(skills)[0]
    empty = orvane.ListResult()
    assert empty.IsEmptyForm() and list(empty) == [] and len(empty) == 0 and not empty
    assert empty[0] == "" and empty.LBound() == empty.UBound() == 0
    assert orvane.ListResult(1, ["a", "b"]) == orvane.ListResult(1, ["a", "b"])


def test_lookup_lists(db):
    db.AddLanguage("High Cant")
    assert "High Cant" in db.LanguageList()
    db.DelLanguage("High Cant")
    assert "High Cant" not in db.LanguageList()
    db.AddAbility("Luck", 7)
    assert db.GetAbility("Luck") == 7
    db.AddKeyword("Fire", 3)
    assert db.GetKeyword("Fire") != ""
    db.AddRegion("Deep Rim")
    db.AddColor("Ochre")
    assert "Deep Rim" in db.RegionList() and "Ochre" in db.GetColorList()


def test_transactions_commit_and_roll_back(db):
    db.BeginTrans()
    db.AddHomeworld(new_homeworld("Kept"))
    db.CommitTrans()
    db.BeginTrans()
    db.AddHomeworld(new_homeworld("Dropped"))
    db.Rollback()
    names = list(db.HomeworldList())
    assert "Kept" in names and "Dropped" not in names


def test_the_context_manager_ends_a_transaction_begun_inside_it(sample, boxes):
    with orvane.clsDatabase() as db:
        db.Name = sample
        db.BeginTrans()
        db.AddHomeworld(new_homeworld("Committed"))
    with pytest.raises(RuntimeError, match="stop"):
        with orvane.clsDatabase() as db:
            db.Name = sample
            db.BeginTrans()
            db.AddHomeworld(new_homeworld("Rolled Back"))
            raise RuntimeError("stop")
    check = orvane.clsDatabase()
    check.Name = sample
    names = list(check.HomeworldList())
    assert "Committed" in names and "Rolled Back" not in names
    # A transaction open before the block is left to its owner.
    check.BeginTrans()
    with check:
        check.AddHomeworld(new_homeworld("Outer"))
    check.Rollback()
    assert "Outer" not in check.HomeworldList()
    assert boxes == []


def test_failures_go_to_the_handler_and_return_none_or_the_empty_form(sample, tmp_path, boxes):
    db = orvane.clsDatabase()
    db.Name = sample
    assert db.GetSpeciesInfo("Nobody") is None
    assert len(boxes) == 1 and "Species" in boxes[0][0]
    assert boxes[0][1] == orvane.MsgIcon.Exclamation
    boxes.clear()
    empty = str(tmp_path / "empty.mdb")
    orvane.CreateRulesDatabase(empty, False)
    db.Name = empty
    listed = db.SpeciesList()
    assert listed.IsEmptyForm() and list(listed) == [] and boxes
    boxes.clear()
    db.Name = str(tmp_path / "missing.mdb")  # reported; nothing stays open to write to
    assert boxes and "Unable to Open/Locate" in boxes[0][0]
    result = orvane.FindKind("species").TryRead(db, ["Orvani"])
    assert result.value is None and result.status.Code() == orvane.StatusCode.NoDatabase


def test_a_failing_handler_never_reaches_the_operation(sample, monkeypatch):
    reported = []
    monkeypatch.setattr("sys.unraisablehook", lambda info: reported.append(info.exc_value))

    def broken(prompt, icon, title):
        raise ValueError("handler broke")

    previous = orvane.set_message_handler(broken)
    try:
        db = orvane.clsDatabase()
        db.Name = sample
        assert db.GetSpeciesInfo("Nobody") is None
    finally:
        assert orvane.set_message_handler(previous) is broken
    assert reported and isinstance(reported[0], ValueError)


def test_messages_go_to_logging(sample, caplog):
    previous = orvane.set_message_handler(logging)
    try:
        db = orvane.clsDatabase()
        db.Name = sample
        with caplog.at_level(logging.WARNING, logger="orvane"):
            db.GetSpeciesInfo("Nobody")
        assert orvane.set_message_handler("logging") is logging.getLogger("orvane")
    finally:
        orvane.set_message_handler(previous)
    assert caplog.records and caplog.records[0].name == "orvane"
    assert caplog.records[0].levelno in (logging.WARNING, logging.ERROR)
    with pytest.raises(ValueError):
        orvane.set_message_handler("stderr")
    with pytest.raises(TypeError):
        orvane.set_message_handler(42)


def test_a_handler_may_use_the_database_that_shows_the_message(sample):
    db = orvane.clsDatabase()
    db.Name = sample
    seen = []
    previous = orvane.set_message_handler(lambda *box: seen.append(list(db.AgeList())))
    try:
        db.GetSpeciesInfo("Nobody")
    finally:
        orvane.set_message_handler(previous)
    assert seen and "Old" in seen[0]


def test_kinds_operate_by_kind_with_statuses(db):
    kind = orvane.FindKind("starship crew")
    assert kind == orvane.FindKind("Starship-Crew") and orvane.FindKind("nothing") is None
    record = kind.Read(db, [int(db.StarshipCrewList()[1])])
    record.Points = 999
    assert kind.TryAdd(db, record).Ok()
    assert kind.Read(db, ["999"]).MaxCrew == record.MaxCrew
    missing = kind.TryRead(db, ["12345"])
    assert missing.value is None and missing.status.Code() == orvane.StatusCode.NotFound
    status, value = kind.TryList(db)
    assert status.Ok() and "999" in value
    assert kind.TryDelete(db, [999]).Ok()
    with pytest.raises(ValueError):
        kind.Read(db, ["not a number"])
    with pytest.raises(ValueError):
        kind.FieldText(orvane.clsAge(), "Points")  # not a record of the kind
