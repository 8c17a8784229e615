"""Threads: database work runs without the interpreter lock, so threads with their own
database objects proceed in parallel, and threads sharing one object take turns safely."""
import sqlite3
import threading
import time

import orvane


def new_homeworld(name):
    world = orvane.clsHomeworld()
    world.Name, world.Sector = name, "Threaded"
    return world


def run_threads(work, count):
    """Runs work(0) .. work(count - 1) on threads of their own; returns what they raised."""
    errors = []

    def guarded(i):
        try:
            work(i)
        except Exception as e:  # noqa: BLE001  (returned to the test)
            errors.append(e)

    threads = [threading.Thread(target=guarded, args=(i,)) for i in range(count)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    return errors


def test_database_work_lets_other_python_threads_run(sample, boxes):
    """An add waits for a lock that only this thread's Python code can release: it succeeds
    only if the add waits without holding the interpreter lock."""
    db = orvane.clsDatabase()
    db.Name = sample
    assert db.HomeworldInfo("Orvane Prime") is not None
    holder = sqlite3.connect(sample, isolation_level=None)
    holder.execute("BEGIN EXCLUSIVE")
    started = threading.Event()

    def add():
        started.set()
        db.AddHomeworld(new_homeworld("Waited"))

    worker = threading.Thread(target=add)
    worker.start()
    started.wait()
    time.sleep(0.3)  # the add is now waiting for the file's lock
    holder.execute("COMMIT")
    holder.close()
    worker.join()
    assert boxes == [], "the add gave up: it held the interpreter lock while it waited"
    assert db.HomeworldInfo("Waited") is not None


def test_threads_with_their_own_databases(tmp_path, boxes):
    paths = []
    for i in range(4):
        path = str(tmp_path / f"rules-{i}.mdb")
        orvane.CreateRulesDatabase(path, True)
        paths.append(path)

    def work(i):
        db = orvane.clsDatabase()
        db.Name = paths[i]
        with db:
            db.BeginTrans()
            for n in range(200):
                db.AddHomeworld(new_homeworld(f"World {i}-{n}"))
        for n in range(0, 200, 20):
            assert db.HomeworldInfo(f"World {i}-{n}").Sector == "Threaded"

    assert run_threads(work, 4) == [] and boxes == []
    for i, path in enumerate(paths):
        db = orvane.clsDatabase()
        db.Name = path
        names = set(db.HomeworldList())
        assert {f"World {i}-{n}" for n in range(200)} <= names
        assert not any(name.startswith(f"World {(i + 1) % 4}-") for name in names)


def test_one_database_shared_by_several_threads(db):
    species = list(db.SpeciesList())

    def work(i):
        for n in range(30):
            db.AddHomeworld(new_homeworld(f"Shared {i}-{n}"))
            record = db.GetSpeciesInfo(species[n % len(species)], True)
            assert record.Name == species[n % len(species)]
            if n % 2:
                db.DelHomeworld(f"Shared {i}-{n}")

    assert run_threads(work, 4) == []
    names = set(db.HomeworldList())
    for i in range(4):
        assert {f"Shared {i}-{n}" for n in range(0, 30, 2)} <= names
        assert not {f"Shared {i}-{n}" for n in range(1, 30, 2)} & names
