"""Fixtures of the Python tests: a copy of the sample rules database per test, the captured
message boxes, and the orvane tool as the C++ side of the comparisons. The configuration
store goes to a folder of the test run, never the user's own."""
import json
import os
import subprocess
import tempfile

import pytest

_registry = tempfile.mkdtemp(prefix="orvane-py-registry-")
os.environ["ORVANE_REGISTRY_DIR"] = _registry

import orvane  # noqa: E402  (after the configuration store is set)


@pytest.fixture
def sample(tmp_path):
    """The path of a fresh copy of the sample rules database."""
    path = str(tmp_path / "rules.mdb")
    orvane.CreateRulesDatabase(path, True)
    return path


@pytest.fixture
def boxes():
    """The message boxes shown while the test runs, as (prompt, icon, title)."""
    shown = []
    previous = orvane.set_message_handler(lambda *box: shown.append(box))
    yield shown
    orvane.set_message_handler(previous)


@pytest.fixture
def db(sample, boxes):
    """A database object on a copy of the sample; the test fails on any message box."""
    database = orvane.clsDatabase()
    database.Name = sample
    yield database
    assert boxes == [], "unexpected message boxes"


class Tool:
    """The orvane tool, run on one database."""

    def __init__(self, path, database):
        self.path = path
        self.database = database

    def run(self, *args, check=True):
        done = subprocess.run([self.path, "--db", self.database, *args], capture_output=True,
                              text=True)
        if check and done.returncode != 0:
            raise AssertionError(f"orvane {' '.join(args)}: {done.stderr}")
        return done

    def json(self, *args):
        return json.loads(self.run(*args, "--json").stdout)


@pytest.fixture
def tool(sample):
    path = os.environ.get("ORVANE_TOOL")
    if not path or not os.path.exists(path):
        pytest.skip("the orvane tool is not built")
    return Tool(path, sample)


def keys_of(kind, value):
    """A listed value as the kind's keys: two-key kinds list "first:second"."""
    if len(kind.Keys()) == 2:
        first, _, second = value.rpartition(":")
        return [first, second]
    return [value]


def tool_id(kind):
    return kind.Name().lower().replace(" ", "-")
