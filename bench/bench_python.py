"""The Python module against the C++ library in the same run: a species read (every field
read from the record) and the list of every species (as Python str objects), on a database
of 10,000 generated species. The two sides take turns, several times; prints "ratio NAME
VALUE" (the Python side's best time over the C++ side's best time: on a shared machine the
best of several runs is the one least disturbed), "noise NAME MIN MAX" (the spread of the
ratios of the turns) and a summary line.

usage: python3 bench/bench_python.py BUILD_DIR   (the module and orvane-bench-python-ref built)
"""
import operator
import os
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1])
sys.path.insert(0, os.path.join(BUILD, "python"))

import orvane  # noqa: E402

ROWS = 10000
REPETITIONS = 9
SECONDS = 0.2
GOALS = {"python_read_species": 1.5, "python_list_species": 1.5}
REFERENCE = os.path.join(BUILD, "bin", "orvane-bench-python-ref")


def populate(path):
    """A rules database of ROWS species, each with every field of a typical one."""
    orvane.CreateRulesDatabase(path, False)
    s = orvane.clsSpecies()
    s.Homeworld, s.Size, s.Move, s.Swim, s.BonusFeat, s.BonusSkillPts = "Orvane Prime", "Medium", 10, 4, 1, 4
    s.FlyType, s.OtherType, s.Source = "Gliding", "Burrow", "Rules Core p.12"
    s.Modifiers = (0, 2, -2, 0, 1, 0)
    s.SetSpecQual("Low-Light Vision, Keen Scent, Thick Hide")
    s.SetSpeak("Orvanic, Trade Cant")
    s.SetWrite("Orvanic")
    s.SetSynergy("0:Survival:2, 0:Listen:2, 3:Spot:1")
    s.SetClsSkill("Climb, Jump, Survival, Listen, Spot")
    s.SetForbiddenFeats("Aumen Adept")
    s.SetForbiddenSkill("Pilot")
    s.SetForbiddenClasses("Vael Guardian, Khor Adept")
    s.SetRestrictedSkill("Climb:4, Jump:2, Swim:1")
    s.SetFeats("Alertness, Toughness")
    s.SetBonusFeats("Alertness, Endurance, Track")
    s.SetFeatReplace("Soldier:Armor Proficiency:Toughness, Scout:Track:Alertness")
    s.MaxChild, s.MaxYoung, s.MaxAdult, s.MaxMiddle, s.MaxOld = 12, 18, 40, 60, 80
    s.MinHeight, s.MaxHeight, s.MinWeight, s.MaxWeight = 1.5, 2.1, 50, 120
    s.Description = "A hardy people of the drift worlds.\r\nThey keep to their clans."
    db = orvane.clsDatabase()
    db.Name = path
    with db:
        db.BeginTrans()
        for i in range(ROWS):
            s.Name = f"Species {i}"
            db.AddSpecies(s)


def python_ns(db, op, seconds):
    names = [f"Species {i}" for i in range(ROWS)]
    fields = [a for _, t, a in orvane.clsSpecies._fields if t != orvane.FieldKind.Block]
    read_fields = operator.attrgetter(*fields)
    read, species_list = db.GetSpeciesInfo, db.SpeciesList

    def once(i):
        if op == "read_species":
            return read_fields(read(names[i % ROWS], True))
        return list(species_list())

    for i in range(20):
        once(i)
    done, start = 0, time.perf_counter()
    until = start + seconds
    while time.perf_counter() < until:
        for _ in range(10):
            once(done)
            done += 1
    return (time.perf_counter() - start) * 1e9 / done


def cpp_ns(path, op, seconds):
    out = subprocess.run([REFERENCE, path, str(ROWS), op, str(seconds)], capture_output=True,
                         text=True, check=True)
    return float(out.stdout.strip())


def main():
    orvane.set_message_handler(lambda prompt, icon, title: print(
        f"bench: unexpected report: {prompt}", file=sys.stderr))
    with tempfile.TemporaryDirectory(prefix="orvane-bench-python-") as folder:
        os.environ["ORVANE_REGISTRY_DIR"] = os.path.join(folder, "registry")
        path = os.path.join(folder, "rules.mdb")
        populate(path)
        db = orvane.clsDatabase()
        db.Name = path
        within = 0
        for op in ("read_species", "list_species"):
            pys, cpps = [], []
            for _ in range(REPETITIONS):
                cpps.append(cpp_ns(path, op, SECONDS))
                pys.append(python_ns(db, op, SECONDS))
                if os.environ.get("ORVANE_BENCH_VERBOSE"):
                    print(f"time {op} python {pys[-1]:.0f} ns, C++ {cpps[-1]:.0f} ns",
                          file=sys.stderr)
            name = "python_" + op
            ratio = min(pys) / min(cpps)
            turns = [py / cpp for py, cpp in zip(pys, cpps)]
            print(f"ratio {name} {ratio:.2f}")
            print(f"noise {name} {min(turns):.2f} {max(turns):.2f}")
            within += ratio <= GOALS[name]
        print(f"summary: {within} of {len(GOALS)} Python figures within their goals")


if __name__ == "__main__":
    main()
