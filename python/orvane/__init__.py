"""OrvaneLib, the rules database library, from Python.

Every class and function has its C++ name: ``clsDatabase`` with every member, the record
classes with their fields (typed attributes) and members, the encoded-list classes,
``clsAttacks``, the lookup lists, ``BeginTrans``/``CommitTrans``/``Rollback`` and the kind
registry (``RecordKinds``, ``FindKind``). Beside them:

- ``ListResult`` is a sequence of its entries (``len``, iteration, indexing by the list's
  own bounds); the empty form iterates as nothing and still answers ``IsEmptyForm()``;
- records have ``repr``, equality, ``to_dict()`` and ``from_dict()`` (the field names and
  values of ``orvane show --json``), and can be copied and pickled;
- ``set_message_handler`` sends the library's message boxes to a callable or to ``logging``;
  database operations never raise, as in C++;
- ``with clsDatabase() as db:`` commits a transaction begun inside the block, or rolls it
  back when the block raises;
- database and file work runs without the interpreter lock.
"""

import atexit as _atexit
import logging as _logging

from . import _orvane
from ._orvane import *  # noqa: F401,F403  (every name of the library)
from ._orvane import (
    EncodedList,
    FieldKind,
    Record,
    RecordKinds,
    clsRequirements,
    _kind_operations,
)

__version__ = _orvane.LibraryVersion()

# ---------------------------------------------------------------------------------------
# Message boxes


class _ToLogger:
    """Plays message boxes as log records: Exclamation boxes as warnings, Critical as errors."""

    def __init__(self, logger):
        self.logger = logger

    def __call__(self, prompt, icon, title):
        level = _logging.ERROR if icon == _orvane.MsgIcon.Critical else _logging.WARNING
        self.logger.log(level, "%s: %s", title, prompt)


def set_message_handler(handler):
    """Sends every message box of the library to ``handler`` and returns the previous one.

    ``handler`` is a callable taking ``(prompt, icon, title)`` (icon a ``MsgIcon``); a
    ``logging.Logger`` (or ``logging`` itself, or the text ``"logging"``, for the logger
    ``"orvane"``), which logs Exclamation boxes as warnings and Critical ones as errors; or
    ``None`` for the library's default, which writes them to standard error. The library goes
    on when the handler returns; an exception in the handler is reported as unraisable
    (``sys.unraisablehook``) and never reaches the operation that showed the box.
    """
    if handler is _logging or handler == "logging":
        handler = _logging.getLogger("orvane")
    if isinstance(handler, (_logging.Logger, _logging.LoggerAdapter)):
        handler = _ToLogger(handler)
    elif isinstance(handler, str):
        raise ValueError(f"unknown message handler {handler!r}: a callable, a logger or None")
    previous = _orvane._set_message_handler(handler)
    return previous.logger if isinstance(previous, _ToLogger) else previous


SetMessageBoxHandler = set_message_handler

# Python objects must not outlive the interpreter inside the library's handler.
_atexit.register(_orvane._set_message_handler, None)

# ---------------------------------------------------------------------------------------
# Records as data

_ABILITIES = ("Str", "Dex", "Con", "Int", "Wis", "Cha")


def _range(n):
    return range(max(int(n), 0))


def _entries(lst):
    """The entries of an encoded list, as ``orvane show --json`` gives them."""
    name = lst.ClassName()
    n = _range(lst.GetSize())
    if name == "clsListSimple":
        return [lst.GetItem(i) for i in n]
    if name == "clsListLevel":
        return [{"name": lst.GetName(i), "rank": lst.GetRank(i)} for i in n]
    if name == "clsListBonus":
        return [
            {
                "name": lst.GetName(i),
                "number": lst.GetNumber(i),
                "levels": [lst.GetLevel(i, k) for k in _range(lst.GetNumber(i))],
            }
            for i in n
        ]
    if name == "clsListSynergy":
        return [
            {"level": lst.GetLevel(i), "skill": lst.GetSkill(i), "bonus": lst.GetBonus(i)}
            for i in n
        ]
    if name == "clsListSubSynergy":
        return [
            {
                "level": lst.GetLevel(i),
                "subSkill": lst.GetSubSkill(i),
                "skill": lst.GetSkill(i),
                "bonus": lst.GetBonus(i),
            }
            for i in n
        ]
    if name == "clsListOrSimple":
        return [[lst.GetItem(i, k) for k in _range(lst.GetNumber(i))] for i in n]
    if name == "clsListOrLevel":
        return [
            [{"name": lst.GetName(i, k), "rank": int(lst.GetRank(i, k))} for k in _range(lst.GetNumber(i))]
            for i in n
        ]
    if name == "clsListTripleSimple":
        return [
            {"class": lst.GetClass(i), "oldFeat": lst.GetOldFeat(i), "newFeat": lst.GetNewFeat(i)}
            for i in n
        ]
    return []


def _list_dict(lst):
    return {"type": lst.ClassName(), "text": lst.GetList(), "entries": _entries(lst)}


EncodedList.entries = lambda self: _entries(self)
EncodedList.entries.__doc__ = "The entries, decoded as orvane show --json decodes them."
EncodedList.to_dict = lambda self: _list_dict(self)
EncodedList.to_dict.__doc__ = "{'type': class, 'text': canonical text, 'entries': entries}"


def _list_text(name, value):
    if isinstance(value, str):
        return value
    if isinstance(value, dict) and isinstance(value.get("text"), str):
        return value["text"]
    if isinstance(value, EncodedList):
        return value.GetList()
    raise TypeError(f"{name} takes a list's text (or its dict from to_dict), not {value!r}")


def _kind_of(cls):
    kind = getattr(cls, "_kind", None)
    if kind is None:
        raise TypeError(f"{cls.__name__} is not a record class of a kind")
    return kind


def _block_dict(kind, block, nested):
    out = {}
    for name, ftype, attribute in clsRequirements._fields:
        shown = name
        if ftype == FieldKind.List:
            out[shown] = _list_dict(kind.BlockHandle(block, name).GetObject(nested))
        else:
            out[shown] = getattr(nested, attribute)
    return out


def _to_dict(self):
    """The record's fields as ``orvane show --json`` shows them: texts, Booleans and numbers
    as such, the ability modifiers by ability, each list as ``{"type", "text", "entries"}``
    and a requirements block as a dict of its fields (None when there is none)."""
    kind = _kind_of(type(self))
    out = {}
    for name, ftype, attribute in type(self)._fields:
        if ftype == FieldKind.Modifiers:
            out[name] = dict(zip(_ABILITIES, getattr(self, attribute)))
        elif ftype == FieldKind.List:
            out[name] = _list_dict(kind.FieldList(self, name))
        elif ftype == FieldKind.Block:
            nested = getattr(self, attribute)
            if nested is None:
                out[name] = None
            elif isinstance(nested, clsRequirements):
                out[name] = _block_dict(kind, name, nested)
            else:
                out[name] = {"class": nested.ClassName()}
        else:
            out[name] = getattr(self, attribute)
    return out


def _fill_block(nested, name, value):
    known = {f: (f, t, a) for f, t, a in clsRequirements._fields}
    unknown = set(value) - set(known)
    if unknown:
        raise KeyError(f"{name} has no field(s) {', '.join(sorted(unknown))}")
    for shown, item in value.items():
        field, ftype, attribute = known[shown]
        setattr(nested, attribute, _list_text(field, item) if ftype == FieldKind.List else item)


def _from_dict(cls, data):
    """A new record of this class from a dict such as ``to_dict`` gives: lists as their text
    or their dict, the modifiers as a dict by ability or six numbers, a block as a dict or
    None. Fields left out keep their cleared values; a name the class does not have raises
    KeyError and a value of the wrong type TypeError (or OverflowError)."""
    fields = {name: (ftype, attribute) for name, ftype, attribute in cls._fields}
    unknown = set(data) - set(fields)
    if unknown:
        raise KeyError(f"{cls.__name__} has no field(s) {', '.join(sorted(unknown))}")
    record = cls()
    for name, value in data.items():
        ftype, attribute = fields[name]
        if ftype == FieldKind.List:
            setattr(record, attribute, _list_text(name, value))
        elif ftype == FieldKind.Block:
            if value is None or isinstance(value, clsRequirements):
                setattr(record, attribute, value)
            else:
                nested = clsRequirements()
                _fill_block(nested, name, value)
                setattr(record, attribute, nested)
        else:
            setattr(record, attribute, value)
    return record


_cleared = {}


def _repr(self):
    """The class, the key fields and every field that differs from a new record's."""
    cls = type(self)
    if cls not in _cleared:
        _cleared[cls] = cls()
    fresh = _cleared[cls]
    kind = getattr(cls, "_kind", None)
    keys = {key.Field for key in kind.Keys()} if kind is not None else set()
    parts = []
    for name, _, attribute in cls._fields:
        value = getattr(self, attribute)
        if name in keys or value != getattr(fresh, attribute):
            parts.append(f"{attribute}={value!r}")
    return f"{cls.__name__}({', '.join(parts)})"


def _eq(self, other):
    if type(self) is not type(other):
        return NotImplemented
    return _to_dict(self) == _to_dict(other)


def _requirements_eq(self, other):
    if not isinstance(other, clsRequirements):
        return NotImplemented
    return all(getattr(self, a) == getattr(other, a) for _, _, a in clsRequirements._fields)


def _rebuild(cls, data):
    return _from_dict(cls, data)


for _cls in {type(k.NewRecord()) for k in RecordKinds()}:
    _cls.to_dict = _to_dict
    _cls.from_dict = classmethod(_from_dict)
    _cls.__repr__ = _repr
    _cls.__eq__ = _eq
    _cls.__hash__ = None  # records are mutable
    _cls.__reduce__ = lambda self: (_rebuild, (type(self), _to_dict(self)))

clsRequirements.__repr__ = _repr
clsRequirements.__eq__ = _requirements_eq
clsRequirements.__hash__ = None
del _cls
