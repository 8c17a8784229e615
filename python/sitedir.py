"""Prints where the interpreter keeps modules under an install prefix, relative to it.

usage: python3 sitedir.py PREFIX
"""
import os
import sys
import sysconfig

prefix = os.path.normpath(sys.argv[1])
path = None
if sysconfig.get_default_scheme() == "posix_local" and prefix in ("/usr/local", "/usr"):
    # Debian's interpreter: /usr/local/lib/python3.X/dist-packages for what is installed by
    # hand, /usr/lib/python3/dist-packages for the system's own packages.
    scheme = "posix_local" if prefix == "/usr/local" else "deb_system"
    if scheme in sysconfig.get_scheme_names():
        path = sysconfig.get_path("platlib", scheme)
if path is None:
    path = sysconfig.get_path("platlib", "posix_prefix", vars={"base": prefix, "platbase": prefix})
print(os.path.relpath(path, prefix))
