"""Every record kind of the C++ registry, and every field of it, is reachable from Python:
its class, a typed attribute per field, its clsDatabase operations, its block's fields; and
the stubs name them all."""
import ast
import os

import pytest

import orvane
from conftest import keys_of

KINDS = orvane.RecordKinds()

PYTHON_TYPES = {
    orvane.FieldKind.Text: str,
    orvane.FieldKind.Boolean: bool,
    orvane.FieldKind.IntegerNumber: int,
    orvane.FieldKind.LongNumber: int,
    orvane.FieldKind.SingleNumber: float,
    orvane.FieldKind.List: str,
    orvane.FieldKind.Modifiers: tuple,
}


def test_the_registry_is_not_empty_and_every_class_is_bound():
    assert len(KINDS) >= 40
    for kind in KINDS:
        cls = getattr(orvane, kind.RecordClass())
        assert issubclass(cls, orvane.Record)
        assert type(kind.NewRecord()) is cls
        assert type(orvane.CreateObject("OrvaneLib." + kind.RecordClass())) is cls


@pytest.mark.parametrize("kind", KINDS, ids=lambda k: k.Name())
def test_every_field_is_a_typed_attribute(kind):
    cls = getattr(orvane, kind.RecordClass())
    listed = {name: (ftype, attribute) for name, ftype, attribute in cls._fields}
    assert [f.Name for f in kind.Fields()] == [name for name, _, _ in cls._fields]
    record = cls()
    for field in kind.Fields():
        ftype, attribute = listed[field.Name]
        assert ftype == field.Type
        if field.Type == orvane.FieldKind.Block:
            nested = getattr(record, attribute)
            assert nested is None or isinstance(nested, getattr(orvane, kind.BlockClass(field.Name)))
            continue
        descriptor = cls.__dict__[attribute]
        assert isinstance(descriptor, orvane.FieldAttribute)
        assert descriptor.name == field.Name and descriptor.kind == field.Type
        assert isinstance(getattr(record, attribute), PYTHON_TYPES[field.Type])


@pytest.mark.parametrize("kind", KINDS, ids=lambda k: k.Name())
def test_attributes_and_the_text_forms_agree(kind, db):
    """Values read through the typed attributes are the ones the library's text forms give,
    and values written through them are what the text forms read back."""
    cls = getattr(orvane, kind.RecordClass())
    values = kind.List(db, False)
    if not values:
        pytest.skip("no records of this kind in the sample")
    record = kind.Read(db, keys_of(kind, values[values.LBound()]), kind.HasDescript())
    for name, ftype, attribute in cls._fields:
        if ftype == orvane.FieldKind.Block:
            continue
        value = getattr(record, attribute)
        text = kind.FieldText(record, name)
        if ftype == orvane.FieldKind.Boolean:
            assert text == ("True" if value else "False")
        elif ftype == orvane.FieldKind.Modifiers:
            assert text == "|".join(str(v) for v in value)
        elif ftype == orvane.FieldKind.SingleNumber:
            assert value == float(text)
        else:
            assert text == str(value)
        copy = cls()
        setattr(copy, attribute, value)
        assert kind.FieldText(copy, name) == text


def test_every_block_field_is_an_attribute_of_the_nested_class():
    blocks = [(k, f) for k in KINDS for f in k.Fields() if f.Type == orvane.FieldKind.Block]
    assert blocks, "the requirements blocks"
    for kind, field in blocks:
        nested = getattr(orvane, kind.BlockClass(field.Name))
        names = [name for name, _, _ in nested._fields]
        assert names == [f.Name for f in kind.BlockFields(field.Name)]
        for name, ftype, attribute in nested._fields:
            assert isinstance(getattr(nested(), attribute), PYTHON_TYPES[ftype])


def test_every_kind_has_its_database_operations():
    operations = orvane._kind_operations
    classes = {entry[0] for entry in operations}
    for kind in KINDS:
        assert kind.RecordClass() in classes, kind.Name()
    for cls, _, _, *members in operations:
        for member in members:
            assert callable(getattr(orvane.clsDatabase, member)), member


def test_the_named_operations_read_what_the_kinds_read(db):
    """Each kind's named list and read give what its KindInfo gives."""
    for cls, _, shape, list_name, read_name, _, _ in orvane._kind_operations:
        station = shape.startswith("STATION")
        kinds = [k for k in KINDS if k.RecordClass() == cls]
        listed = getattr(db, list_name)()
        matching = [k for k in kinds if list(k.List(db, False)) == list(listed)]
        assert matching, list_name
        kind = matching[0]
        if not listed:
            continue
        keys = keys_of(kind, listed[listed.LBound()])
        args = [int(k) if n.Number else k for k, n in zip(keys, kind.Keys())]
        named = getattr(db, read_name)(*args, *([False] if station else []))
        assert named == kind.Read(db, keys)


def test_a_class_member_shadowing_a_field_leaves_the_field_under_a_trailing_underscore():
    armor = orvane.clsArmor()
    armor.AbilityBonus_ = "Str:2, Dex:1"
    assert armor.AbilityBonus() is True  # the C++ member keeps its name
    assert armor.GetBonAttrName(0) == "Strength" and armor.GetBonAttrScore(1) == 1
    assert armor.to_dict()["AbilityBonus"]["text"] == "Str:2, Dex:1"


def test_the_stubs_name_every_field_and_member():
    stubs = os.path.join(os.path.dirname(orvane.__file__), "__init__.pyi")
    tree = ast.parse(open(stubs, encoding="utf-8").read())
    classes = {node.name: node for node in tree.body if isinstance(node, ast.ClassDef)}

    def names(node):
        out = set()
        for item in node.body:
            if isinstance(item, ast.AnnAssign):
                out.add(item.target.id)
            elif isinstance(item, ast.FunctionDef):
                out.add(item.name)
        return out

    for kind in KINDS:
        node = classes[kind.RecordClass()]
        cls = getattr(orvane, kind.RecordClass())
        have = names(node)
        for _, _, attribute in cls._fields:
            assert attribute in have, (kind.RecordClass(), attribute)
        members = {n for n, v in vars(cls).items() if callable(v) and not n.startswith("_")}
        assert members <= have, members - have
    assert {"GetSpeciesInfo", "SpeciesList", "BeginTrans", "__enter__"} <= names(
        classes["clsDatabase"])
