"""Record text files between Python and C++: files saved in Python load in the tool and
files the tool exports load in Python, for every kind; failures are reported, not raised."""
import pytest

import orvane
from conftest import keys_of, tool_id

KINDS = [k for k in orvane.RecordKinds() if k.Name() != "Skill by kind"]


def stored(kind, data):
    """The values of a record's dict that go through both its file and its table."""
    fields = {f.Name for f in kind.Fields() if f.InFile and f.Column}
    return {name: value for name, value in data.items() if name in fields}


@pytest.mark.parametrize("kind", KINDS, ids=lambda k: k.Name())
def test_files_go_both_ways_between_python_and_the_tool(kind, db, tool, tmp_path):
    values = kind.List(db, False)
    if not values:
        pytest.skip("no records of this kind in the sample")
    keys = keys_of(kind, values[values.LBound()])
    record = kind.Read(db, keys, kind.HasDescript())
    describe = ["--describe"] if kind.HasDescript() else []

    # C++ to Python: the tool's export loads in Python, and saved again gives the same file.
    exported = tmp_path / "exported.txt"
    tool.run("export", tool_id(kind), *keys, str(exported))
    loaded = type(record)()
    loaded.Load(str(exported))
    resaved = tmp_path / "resaved.txt"
    loaded.Save(str(resaved))
    assert resaved.read_bytes() == exported.read_bytes()
    assert stored(kind, loaded.to_dict()) == stored(kind, record.to_dict())

    # Python to C++: a record changed and saved in Python, imported by the tool under a new
    # key, is stored as Python saved it.
    changed = type(record).from_dict(record.to_dict())
    key = kind.Keys()[-1]
    attribute = {n: a for n, _, a in type(record)._fields}[key.Field]
    setattr(changed, attribute, 4321 if key.Number else "Py " + getattr(changed, attribute))
    saved = tmp_path / "saved.txt"
    changed.Save(str(saved))
    tool.run("import", tool_id(kind), str(saved))
    new_keys = [kind.FieldText(changed, k.Field) for k in kind.Keys()]
    shown = tool.json("show", tool_id(kind), *new_keys, *describe)
    from_file = type(record)()
    from_file.Load(str(saved))
    assert stored(kind, shown["fields"]) == stored(kind, from_file.to_dict())
    assert stored(kind, from_file.to_dict()) == stored(kind, changed.to_dict())


def test_failed_saves_and_loads_are_reported(tmp_path, boxes):
    age = orvane.clsAge()
    age.Load(str(tmp_path / "missing.txt"))
    assert boxes and "missing.txt" in boxes[0][0]
    boxes.clear()
    age.Save(str(tmp_path / "no-such-folder" / "age.txt"))
    assert boxes
    kind = orvane.FindKind("age")
    status = kind.TryLoad(age, str(tmp_path / "missing.txt"))
    assert status.Code() == orvane.StatusCode.NotFound and "missing.txt" in status.Message()


def test_append_files_hold_several_records(tmp_path, db):
    path = str(tmp_path / "levels.txt")
    number = orvane.FreeFile()
    orvane.FileOpen(number, path, orvane.FileMode.Output)
    first, second = db.GetCreatureLevelInfo("Beast", 1), db.GetCreatureLevelInfo("Beast", 2)
    first.SaveAppend(number)
    second.SaveAppend(number)
    orvane.FileClose(number)
    assert not orvane.FileIsOpen(number)
    number = orvane.FreeFile()
    orvane.FileOpen(number, path, orvane.FileMode.Input)
    again = [orvane.clsCreatureLevel(), orvane.clsCreatureLevel()]
    for level in again:
        level.LoadAppend(str(number))
    orvane.FileClose(number)
    assert again == [first, second]
