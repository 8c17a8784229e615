"""Records from Python: every kind read from the sample agrees field by field with
`orvane show --json`; repr, equality, to_dict/from_dict, copies and pickling; typed fields
refuse what does not fit them."""
import copy
import math
import pickle

import pytest

import orvane
from conftest import keys_of, tool_id

KINDS = orvane.RecordKinds()


def records(db, kind):
    """(keys, station) of the first records of a kind, station rows too."""
    out = []
    for station in ([False, True] if kind.HasStation() else [False]):
        values = kind.List(db, station)
        out += [(keys_of(kind, v), station) for v in list(values)[:3]]
    return out


@pytest.mark.parametrize("kind", KINDS, ids=lambda k: k.Name())
def test_every_kind_reads_as_the_tool_shows_it(kind, db, tool):
    found = records(db, kind)
    if not found:
        pytest.skip("no records of this kind in the sample")
    for keys, station in found:
        record = kind.Read(db, keys, kind.HasDescript(), station)
        args = ["show", tool_id(kind), *keys]
        args += ["--describe"] if kind.HasDescript() else []
        args += ["--station"] if station else []
        shown = tool.json(*args)
        assert shown["class"] == type(record).__name__
        assert record.to_dict() == shown["fields"], (kind.Name(), keys)


def test_a_record_survives_to_dict_from_dict_pickle_and_copies(db):
    species = db.GetSpeciesInfo("Orvani", True)
    assert species is not None
    again = orvane.clsSpecies.from_dict(species.to_dict())
    assert again == species and again is not species
    assert pickle.loads(pickle.dumps(species)) == species
    for duplicate in (copy.copy(species), copy.deepcopy(species)):
        assert duplicate == species
        duplicate.Move += 1
        assert duplicate != species and duplicate.Move == species.Move + 1
    feat = db.GetFeatInfo("Alertness", True)
    assert orvane.clsFeats.from_dict(feat.to_dict()) == feat
    # A copy owns its own requirements.
    twin = copy.copy(feat)
    twin.Requirements.SetFeats("Toughness")
    assert feat.Requirements.FeatList() != "Toughness"


def test_from_dict_takes_lists_modifiers_and_blocks_in_several_forms():
    age = orvane.clsAge.from_dict({
        "Name": "Old",
        "Modifiers": {"Str": -1, "Dex": -1, "Con": -1, "Int": 1, "Wis": 1, "Cha": 1},
        "SpecialQualities": "Wise, Frail",
        "Synergy": {"type": "clsListSynergy", "text": "0:Listen:2", "entries": []},
    })
    assert age.Modifiers == (-1, -1, -1, 1, 1, 1)
    assert age.GetNumSpecQual() == 2 and age.GetSynergySkill(0) == "Listen"
    age.Modifiers = [1, 2, 3, 4, 5, 6]
    assert age.GetModifier(5) == 6
    prestige = orvane.clsPrestige.from_dict({
        "Name": "Khor Adept",
        "Requirements": {"ReqDarkSide": True, "Feats": "Alertness", "Skill": "Climb:4"},
    })
    assert prestige.Requirements.ReqDarkSide and prestige.Requirements.GetSkillRank(0) == 4
    assert orvane.clsPrestige.from_dict({"Name": "X", "Requirements": None}).Requirements is None
    with pytest.raises(KeyError, match="Nme"):
        orvane.clsAge.from_dict({"Nme": "Old"})
    with pytest.raises(KeyError, match="Featz"):
        orvane.clsPrestige.from_dict({"Requirements": {"Featz": "x"}})


def test_repr_shows_the_fields_that_differ_from_a_new_record():
    weapon = orvane.clsWeapon()
    assert repr(weapon) == "clsWeapon(Name='')"
    weapon.Name, weapon.Range, weapon.NormFire = "Spark Pistol", 12, False
    text = repr(weapon)
    assert text.startswith("clsWeapon(Name='Spark Pistol'")
    assert "Range=12" in text and "NormFire=False" in text and "Damage" not in text
    feat = orvane.clsFeats()
    feat.Requirements.SetFeats("Alertness")
    assert "Requirements=clsRequirements(Feats='Alertness')" in repr(feat)


def test_typed_fields_refuse_what_does_not_fit():
    species = orvane.clsSpecies()
    with pytest.raises(TypeError):
        species.Name = 5
    with pytest.raises(TypeError):
        species.Move = "10"
    with pytest.raises(TypeError):
        species.Move = 1.5
    with pytest.raises(OverflowError):
        species.Move = 40000  # an Integer
    species.MaxOld = 40000  # a Long
    with pytest.raises(OverflowError):
        species.MaxOld = 2**31
    with pytest.raises(OverflowError):
        species.MinHeight = 1e39  # beyond a Single
    with pytest.raises(TypeError):
        species.Modifiers = (1, 2, 3)
    with pytest.raises(OverflowError):
        species.Modifiers = (1, 2, 3, 4, 5, 99999)
    with pytest.raises(AttributeError):
        del species.Name
    # Nothing of the refused values stayed.
    assert (species.Name, species.Move, species.MaxOld, species.Modifiers) == ("", 0, 40000,
                                                                              (0,) * 6)
    species.NPC = 1
    assert species.NPC is True
    species.MinHeight = 2.1
    assert species.MinHeight == 2.1  # the Single as its shortest decimal
    species.MaxHeight = float("inf")
    assert math.isinf(species.MaxHeight)


def test_a_field_attribute_checks_the_object_it_is_given():
    attribute = orvane.clsSpecies.__dict__["Name"]
    with pytest.raises(TypeError):
        attribute.__get__(orvane.clsAge(), orvane.clsAge)
    with pytest.raises(TypeError):
        attribute.__get__(orvane.clsSpecies.__new__(orvane.clsSpecies), orvane.clsSpecies)


def test_texts_that_are_not_utf8_pass_through_unchanged(db):
    # A text from an old database that is not UTF-8 keeps its bytes as lone surrogates.
    name = b"Caf\xe9 Folk".decode("utf-8", "surrogateescape")
    species = orvane.clsSpecies()
    species.Name = name
    species.SetSpeak(b"Tr\xe4de".decode("utf-8", "surrogateescape"))
    db.AddSpecies(species)
    back = db.GetSpeciesInfo(name)
    assert back.Name == name and back.Speak.encode("utf-8", "surrogateescape") == b"Tr\xe4de"
    assert name in list(db.SpeciesList())


def test_reference_fields_are_shared_and_requirements_copied(db):
    species = db.GetSpeciesInfo("Orvani")
    size = db.GetSizeInfo("Medium")
    species.objSize = size
    assert species.objSize is size
    species.objSize.Hide = 3
    assert size.Hide == 3
    species.SetSpecQual("Keen Eyes, Hardy")
    quality = orvane.clsSpecialQualities()
    quality.Name = "Keen Eyes"
    species.SetSpecialQualityObj(0, quality)
    assert species.GetSpecialQualityObj(0) is quality and species.GetSpecialQualityObj(1) is None
    assert species.GetSpecialQualityObj(9) is None
    skill = db.GetSkillInfo(db.GetAllSkillList()[0])
    assert skill.Requirements is skill.objRequirements
    skill.Requirements = None
    assert skill.objRequirements is None and skill.to_dict()["Requirements"] is None
