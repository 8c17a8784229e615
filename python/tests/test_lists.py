"""The encoded-list classes and the attack calculator from Python."""
import copy

import pytest

import orvane


@pytest.mark.parametrize("cls,text,entries", [
    (orvane.clsListSimple, "Alertness , Endurance", ["Alertness", "Endurance"]),
    (orvane.clsListLevel, "Climb:4, Jump:2", [{"name": "Climb", "rank": 4},
                                              {"name": "Jump", "rank": 2}]),
    (orvane.clsListBonus, "Bonus Feat:3|1:1:4", [{"name": "Bonus Feat", "number": 3,
                                                  "levels": [1, 1, 4]}]),
    (orvane.clsListSynergy, "5:Tumble:2", [{"level": 5, "skill": "Tumble", "bonus": 2}]),
    (orvane.clsListSubSynergy, "2:Navigation:Knowledge:1",
     [{"level": 2, "subSkill": "Navigation", "skill": "Knowledge", "bonus": 1}]),
    (orvane.clsListOrSimple, "Dodge:Mobility, Toughness", [["Dodge", "Mobility"],
                                                            ["Toughness"]]),
    (orvane.clsListOrLevel, "Climb:4|Jump:4, Tumble:2",
     [[{"name": "Climb", "rank": 4}, {"name": "Jump", "rank": 4}],
      [{"name": "Tumble", "rank": 2}]]),
    (orvane.clsListTripleSimple, "Soldier:Armor Proficiency:Toughness",
     [{"class": "Soldier", "oldFeat": "Armor Proficiency", "newFeat": "Toughness"}]),
])
def test_every_list_class_decodes_its_text(cls, text, entries):
    lst = cls(text)
    assert lst.HasList() and len(lst) == lst.GetSize() == len(entries)
    assert lst.entries() == entries
    assert lst.to_dict() == {"type": cls.__name__, "text": lst.GetList(), "entries": entries}
    again = cls()
    again.SetList(lst.GetList())
    assert again == lst and copy.copy(lst) == lst and copy.copy(lst) is not lst
    lst.Clear()
    assert not lst.HasList() and lst.entries() == [] and lst != again


def test_list_questions_by_index_and_name():
    level = orvane.clsListLevel("Climb:4, Jump:2")
    assert level.InList("Jump") and level.GetRankFromName("Climb") == 4
    assert level.GetName(9) == "" and level.GetRank(-1) == 0  # out of range: empty answers
    bonus = orvane.clsListBonus("Bonus Feat:3|1:1:4")
    assert bonus.GetQuantity(0, 0) == 2 and bonus.GetLevel(0, 2) == 4
    synergy = orvane.clsListSynergy("5:Tumble:2, 3:Balance:1")
    assert synergy.GetBonusFromSkill("Balance") == 1 and synergy.GetLevelFromSkill("Tumble") == 5
    alternatives = orvane.clsListOrSimple("Dodge:Mobility, Toughness")
    assert alternatives.InList(0, "Mobility") and not alternatives.InList(1, "Mobility")
    assert alternatives.GetItem(5, 0) == "0" and alternatives.GetSetList(0) == "Dodge:Mobility"
    with pytest.raises(TypeError):
        level.GetName(40000)  # not an Integer


def test_record_list_members_and_their_fields_agree(db):
    species = db.GetSpeciesInfo("Orvani")
    field = orvane.FindKind("species").FieldList(species, "Speak")
    assert isinstance(field, orvane.clsListSimple)
    assert [species.GetSpeak(i) for i in range(species.GetNumSpeak())] == field.entries()
    level = orvane.clsClassLevel()
    level.SetSkillMastery("Mastery:2|3:5")
    assert level.GetSkillMasteryLevel(0, 1) == level.GetSkillMasteryLevel(0, "1") == 5
    with pytest.raises(ValueError):
        level.GetSkillMasteryLevel(0, "one")


def test_a_malformed_set_of_alternatives_is_reported(boxes):
    lst = orvane.clsListOrLevel("Climb:4|Jump, Tumble:2")
    assert boxes
    assert lst.GetNumber(1) == 0


def test_attacks():
    attacks = orvane.clsAttacks()
    assert attacks.NormalAttack(11) == "+11/+6/+1"
    assert attacks.NormalAttack(iAttack=16, bRestrict=False) == "+16/+11/+6/+1"
    attacks.MultiFeat = True
    assert attacks.MultiAttack(11) != orvane.clsAttacks().MultiAttack(11)
    attacks.TwoWeaponFeat = attacks.OffHandIsLight = True
    assert attacks.PriHandAttack(11).startswith("+")
    assert attacks.OffHandAttack(11).startswith("+")
    with pytest.raises(OverflowError):
        attacks.NormalAttack(-32768)
    assert isinstance(orvane.CreateObject("OrvaneLib.clsAttacks"), orvane.clsAttacks)
    assert orvane.CreateObject("OrvaneLib.Nothing") is None
