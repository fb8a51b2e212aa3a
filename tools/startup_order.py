#!/usr/bin/env python3
"""Lists the program's start-up functions, for the link to lay them out together.

    tools/startup_order.py BUILD_DIR > app/startup-functions.ld

Runs BUILD_DIR/app/ravik-tour under callgrind on the offscreen platform until
its first paint (bench/libfirst_paint.so ends it there) and lists, as input
sections of a linker script, every function of the program that ran. The
program is compiled with a section per function, and its link puts these
first in its code (app/CMakeLists.txt), so that a start reads in those pages,
not every page of the program's code that one of them shares. A function
missing from the list, or listed and gone, changes where code lies, never what
it does: run this again when start-up has changed much. Needs valgrind.
"""
import os
import re
import subprocess
import sys
import tempfile


def ran_functions(build):
    program = os.path.join(build, "app", "ravik-tour")
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "callgrind.%p")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run(["valgrind", "--tool=callgrind", "--demangle=no", "--trace-children=yes",
                        "--callgrind-out-file=" + out, "env",
                        "LD_PRELOAD=" + os.path.join(build, "bench", "libfirst_paint.so"), program],
                       env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        profiles = [os.path.join(tmp, f) for f in os.listdir(tmp)]
        # env runs first and execs the program: the larger profile is the program's.
        text = open(max(profiles, key=os.path.getsize)).read().splitlines()
    objects, names, ran, current = {}, {}, [], None
    for line in text:
        m = re.match(r"^(c?ob)=\((\d+)\)(?: (.*))?$", line)
        if m:
            if m.group(3):
                objects[m.group(2)] = m.group(3)
            if m.group(1) == "ob":
                current = objects[m.group(2)]
            continue
        m = re.match(r"^(c?fn)=\((\d+)\)(?: (.*))?$", line)
        if m:
            if m.group(3):
                names[m.group(2)] = m.group(3)
            name = names[m.group(2)]
            if m.group(1) == "fn" and current and current.endswith("/app/ravik-tour") \
                    and re.match(r"^_Z[\w.$]+$", name) and name not in ran:
                ran.append(name)
    return ran


def sections_of(name):
    """The names of the sections the code of function `name` may lie in."""
    names = {name}
    # A complete-object constructor or destructor is an alias of the base
    # object one, in whose section the code lies.
    names.add(re.sub(r"([CD])1(E|I)", r"\g<1>2\2", name, count=1))
    # A thunk lies beside the function it adjusts `this` for.
    m = re.match(r"^_ZT[hv]n?\d+_(?:n?\d+_)?(.*)$", name)
    if m:
        names.add("_Z" + m.group(1))
    return names


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    names = sorted(set().union(*(sections_of(n) for n in ran_functions(sys.argv[1]))))
    print("/* The program's functions that run from its start to its first painted")
    print("   window, put first in its code. Written by tools/startup_order.py. */")
    # The C runtime's start, main and the static initialisers run first.
    print("*crt1.o(.text .text.*) *crti.o(.text .text.*) *crtbeginS.o(.text .text.*)")
    print("*(.text.startup .text.startup.*)")
    for name in names:
        print(f"*(.text.{name})")

if __name__ == "__main__":
    main()
