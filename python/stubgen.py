"""Writes the type stubs of the package orvane (__init__.pyi and py.typed) into a folder.

usage: python3 stubgen.py PACKAGE_DIR     (with the built package importable)

The record classes' fields come from the kind descriptions (their typed attributes); every
other signature from the ones pybind11 gives each function, so editors complete field and
member names alike.
"""
import os
import re
import sys
import types

# The package's sources sit beside this script; the built package is the one to describe.
_here = os.path.dirname(os.path.abspath(__file__))
sys.path[:] = [p for p in sys.path if os.path.abspath(p or os.curdir) != _here]

import orvane  # noqa: E402
from orvane import _orvane  # noqa: E402

PREFIX = re.compile(r"\borvane\._orvane\.")

FIELD_TYPES = {
    "Text": "str",
    "Boolean": "bool",
    "IntegerNumber": "int",
    "LongNumber": "int",
    "SingleNumber": "float",
    "List": "str",
    "Modifiers": "Tuple[int, int, int, int, int, int]",
}


def clean(text):
    return PREFIX.sub("", text)


def signatures(function):
    """The pybind11 signatures of a function: [(name, params, result)], one per overload."""
    doc = getattr(function, "__doc__", None) or ""
    lines = doc.splitlines()
    found = []
    if len(lines) > 1 and lines[1].strip() == "Overloaded function.":
        candidates = [re.sub(r"^\d+\. ", "", l) for l in lines if re.match(r"^\d+\. ", l)]
    else:
        candidates = lines[:1]
    for line in candidates:
        m = re.match(r"^(\w*)\((.*)\) -> (.+)$", line.strip())
        if m:
            found.append((m.group(1), clean(m.group(2)), clean(m.group(3))))
    return found


def summary(function):
    doc = getattr(function, "__doc__", None) or ""
    parts = doc.split("\n\n")
    if len(parts) > 1 and not parts[1].startswith(("Overloaded", "1. ")):
        text = " ".join(parts[1].split())
        return text.replace('"""', "'")
    return ""


def params_for(params, method):
    """pybind11's parameter list as a stub's: `self` bare, defaults as `...`."""
    out = []
    depth = 0
    current = ""
    for ch in params:
        depth += ch in "[(" 
        depth -= ch in "])"
        if ch == "," and depth == 0:
            out.append(current.strip())
            current = ""
        else:
            current += ch
    if current.strip():
        out.append(current.strip())
    result = []
    for i, p in enumerate(out):
        if method and i == 0 and p.startswith("self"):
            result.append("self")
            continue
        if "=" in p:
            p = p.split("=", 1)[0].rstrip() + " = ..."
        if p.startswith("*"):
            result.append(p)
            continue
        result.append(p)
    return ", ".join(result)


# Results pybind11 can only call `object`, or that may be None.
RETURNS = {
    ("clsDatabase", "__enter__"): "clsDatabase",
    (None, "FindKind"): "Optional[KindInfo]",
    (None, "CreateObject"): "Optional[Object]",
    ("KindInfo", "Read"): "Optional[Object]",
    ("KindInfo", "FieldObject"): "Optional[Object]",
    ("KindInfo", "FieldList"): "Optional[EncodedList]",
    ("FieldHandle", "GetObject"): "Optional[Object]",
    ("ListResult", "__iter__"): "Iterator[str]",
    ("Result", "__iter__"): "Iterator[Any]",
}


def is_record(type_name):
    cls = getattr(_orvane, type_name, None)
    return isinstance(cls, type) and issubclass(cls, (_orvane.Record, _orvane.clsRequirements))


def fixed(owner, name, params, result):
    """The signature with what pybind11 cannot say: records that may be None."""
    result = RETURNS.get((owner, name), result)
    if (owner == "clsDatabase" or name.endswith("Obj")) and is_record(result):
        result = f"Optional[{result}]"
    if owner == "clsDatabase" and name.startswith("Add"):
        params = re.sub(r"record: (\w+)", r"record: Optional[\1]", params)
    return params, result


def function_lines(name, function, indent, method, owner=None):
    sigs = signatures(function)
    lines = []
    if not sigs:
        params = "self, *args: Any, **kwargs: Any" if method else "*args: Any, **kwargs: Any"
        return [f"{indent}def {name}({params}) -> Any: ..."]
    doc = summary(function)
    for sig_name, params, result in sigs:
        params, result = fixed(owner, name, params, result)
        if len(sigs) > 1:
            lines.append(f"{indent}@overload")
        body = f'\n{indent}    """{doc}"""' if doc and len(sigs) == 1 else " ..."
        lines.append(f"{indent}def {name}({params_for(params, method)}) -> {result}:{body}")
    return lines


def property_type(prop):
    """A property's type from its getter; a reference to a record may be None."""
    if prop.fget is not None:
        sigs = signatures(prop.fget)
        if sigs:
            result = sigs[0][2]
            if isinstance(getattr(_orvane, result, None), type) and issubclass(
                getattr(_orvane, result), _orvane.Object
            ):
                return f"Optional[{result}]"
            return "Any" if result == "object" else result
    return "Any"


def is_enum(cls):
    return hasattr(cls, "__members__") and hasattr(cls, "value")


def enum_lines(name, cls):
    lines = [f"class {name}:"]
    for member in cls.__members__:
        lines.append(f"    {member}: ClassVar[{name}]")
    lines += [
        "    def __init__(self, value: int) -> None: ...",
        "    def __int__(self) -> int: ...",
        "    def __index__(self) -> int: ...",
        "    @property",
        "    def name(self) -> str: ...",
        "    @property",
        "    def value(self) -> int: ...",
    ]
    return lines


RECORD_EXTRAS = [
    "    _fields: ClassVar[Tuple[Tuple[str, FieldKind, str], ...]]",
    "    _kind: ClassVar[KindInfo]",
    "    def to_dict(self) -> Dict[str, Any]:",
    '        """The fields as orvane show --json shows them."""',
    "    @classmethod",
    "    def from_dict(cls: Type[_R], data: Mapping[str, Any]) -> _R:",
    '        """A new record from a dict such as to_dict gives."""',
    "    def __eq__(self, other: object) -> bool: ...",
]


def class_lines(name, cls):
    if is_enum(cls):
        return enum_lines(name, cls)
    bases = [b.__name__ for b in cls.__bases__ if b.__module__.startswith("orvane")]
    lines = [f"class {name}({', '.join(bases)}):" if bases else f"class {name}:"]
    doc = cls.__dict__.get("__doc__")
    if isinstance(doc, str) and doc and not doc.startswith(name + "("):
        lines.append(f'    """{" ".join(doc.split())}"""')
    kinds = {a: t for _, t, a in getattr(cls, "_fields", ()) or ()}
    for attr, value in cls.__dict__.items():
        if isinstance(value, _orvane.FieldAttribute):
            lines.append(f"    {attr}: {FIELD_TYPES[value.kind.name]}")
        elif kinds.get(attr) == orvane.FieldKind.Block or (
            isinstance(value, property) and attr in kinds
        ):
            lines.append(f"    {attr}: Optional[clsRequirements]")
        elif isinstance(value, property):
            lines.append(f"    {attr}: {property_type(value)}")

    for attr, value in cls.__dict__.items():
        if attr.startswith("_") and attr not in (
            "__init__",
            "__len__",
            "__iter__",
            "__getitem__",
            "__contains__",
            "__bool__",
            "__enter__",
            "__exit__",
            "__copy__",
            "__deepcopy__",
        ):
            continue
        if isinstance(value, (types.FunctionType, classmethod, staticmethod)):
            continue  # the package's own additions, written out below
        if callable(value) and not isinstance(value, (type, property)):
            function = getattr(cls, attr)
            if attr == "__init__" and not signatures(function):
                continue
            lines += function_lines(attr, function, "    ", True, name)
    if getattr(cls, "_kind", None) is not None:
        lines += RECORD_EXTRAS
    if name == "EncodedList":
        lines += [
            "    def entries(self) -> List[Any]:",
            '        """The entries, decoded as orvane show --json decodes them."""',
            "    def to_dict(self) -> Dict[str, Any]: ...",
        ]
    if name == "clsRequirements":
        lines.append("    _fields: ClassVar[Tuple[Tuple[str, FieldKind, str], ...]]")
    if len(lines) == 1:
        lines.append("    ...")
    return lines


HEADER = '''"""Type stubs of the package orvane, written by stubgen.py from the built module."""
from typing import (Any, Callable, ClassVar, Dict, Iterable, Iterator, List, Mapping, Optional,
                    Sequence, Tuple, Type, TypeVar, Union, overload)

_R = TypeVar("_R", bound="Record")

__version__: str

def set_message_handler(handler: Union[Callable[[str, MsgIcon, str], Any], Any, None]) -> Any:
    """Sends every message box to a callable (prompt, icon, title), a logging.Logger (or
    logging, or "logging"), or None for the default; returns the previous handler."""
SetMessageBoxHandler = set_message_handler
'''


def main():
    folder = sys.argv[1]
    out = [HEADER]
    for name, value in _orvane.__dict__.items():
        if name.startswith("__"):
            continue
        if isinstance(value, type):
            out.append("\n".join(class_lines(name, value)) + "\n")
        elif callable(value) and not name.startswith("_"):
            out.append("\n".join(function_lines(name, value, "", False)))
        elif name == "_kind_operations":
            out.append("_kind_operations: Tuple[Tuple[str, int, str, str, str, str, str], ...]")
    text = "\n".join(out) + "\n"
    # Names the package itself keeps private.
    text = text.replace("capsule", "Any")
    with open(os.path.join(folder, "__init__.pyi"), "w", encoding="utf-8") as f:
        f.write(text)
    with open(os.path.join(folder, "py.typed"), "w", encoding="utf-8") as f:
        f.write("")


if __name__ == "__main__":
    main()
