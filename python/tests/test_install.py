"""The module installed by `cmake --install` into a prefix: in the interpreter's folder for
that prefix, with its stubs, finding the installed library and its sample database; and
importable by every CPython of the same version on the machine."""
import os
import shutil
import subprocess
import sys

import pytest

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD = os.environ.get("ORVANE_BUILD_DIR")

CHECK = ("import orvane, sys; db = orvane.clsDatabase(); "
         "print(orvane.__file__); print(orvane.LibraryFolder()); print(len(list(db.SpeciesList())))")


def interpreters():
    """This interpreter, and python3 on PATH when it is another CPython of the same version."""
    found = [sys.executable]
    other = shutil.which("python3")
    if other and os.path.realpath(other) != os.path.realpath(sys.executable):
        version = subprocess.run([other, "-c", "import sys; print(sys.version_info[:2])"],
                                 capture_output=True, text=True).stdout.strip()
        if version == str(sys.version_info[:2]):
            found.append(other)
    return found


def run(python, path):
    env = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
    env["PYTHONPATH"] = path
    done = subprocess.run([python, "-c", CHECK], capture_output=True, text=True, env=env,
                          cwd="/")
    assert done.returncode == 0, done.stderr
    return done.stdout.split("\n")[:3]


@pytest.fixture(scope="module")
def prefix(tmp_path_factory):
    if not BUILD:
        pytest.skip("ORVANE_BUILD_DIR is not set")
    root = tmp_path_factory.mktemp("prefix")
    done = subprocess.run(["cmake", "--install", BUILD, "--prefix", str(root)],
                          capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    return str(root)


@pytest.mark.parametrize("python", interpreters())
def test_the_installed_module_works_from_its_prefix(prefix, python):
    site = subprocess.run([sys.executable, os.path.join(HERE, "..", "sitedir.py"), prefix],
                          capture_output=True, text=True, check=True).stdout.strip()
    package = os.path.join(prefix, site, "orvane")
    assert os.path.exists(os.path.join(package, "__init__.pyi"))
    assert os.path.exists(os.path.join(package, "py.typed"))
    file, folder, species = run(python, os.path.join(prefix, site))
    assert file.startswith(package)
    assert os.path.realpath(folder).startswith(os.path.realpath(prefix))
    assert int(species) > 0


@pytest.mark.parametrize("python", interpreters())
def test_the_build_tree_module_imports_in_every_interpreter(python):
    if not BUILD:
        pytest.skip("ORVANE_BUILD_DIR is not set")
    file, _, species = run(python, os.path.join(BUILD, "python"))
    assert file.startswith(os.path.join(BUILD, "python")) and int(species) > 0
