#!/usr/bin/env python3
"""Fails, naming each one, on an include that points up a layer or across to a sibling.

Every source folder belongs to one library; a library may include its own headers and those of the
libraries below it, never those above. The build enforces the same through include roots that hold only
a library's own folders; this check says it in words, and also catches a relative path ("../") that would
slip past the roots. Usage: check-layers.py [SOURCE_ROOT]
"""
import pathlib
import re
import sys

# Library name, the folders (relative to the source root) whose files belong to it, the include prefixes
# under which its headers are named, and the libraries it may use.
LIBRARIES = [
    ("base", ["engine/io", "engine/text"], ["io/", "text/"], []),
    ("fuzzy sets", ["engine/fuzzy/sets", "engine/fuzzy/operations"], ["fuzzy/sets/", "fuzzy/operations/"],
     ["base"]),
    ("fuzzy", ["engine/fuzzy/vocabulary", "engine/fuzzy/expression", "engine/fuzzy/linear"],
     ["fuzzy/vocabulary/", "fuzzy/expression/", "fuzzy/linear/"], ["fuzzy sets", "base"]),
    ("ftransform", ["engine/ftransform"], ["ftransform/"], ["base"]),
    ("surface", ["engine/surface"], ["surface/"], []),
    ("rules", ["engine/rulebase", "engine/inference"], ["rulebase/", "inference/"],
     ["fuzzy", "fuzzy sets", "ftransform", "base"]),
    ("interchange", ["engine/interchange"], ["interchange/"], ["rules", "fuzzy", "fuzzy sets", "ftransform", "base"]),
    ("tuning", ["tuning"], ["tuning/"], ["rules", "fuzzy", "fuzzy sets", "ftransform", "base"]),
    ("public interface", ["include/zorv"], ["zorv/"], []),
    ("library", ["engine/api"], ["api/"], ["public interface", "rules", "fuzzy", "fuzzy sets", "ftransform", "base"]),
    ("workbench logic", ["app/core"], ["app/core/"],
     ["tuning", "interchange", "rules", "fuzzy", "fuzzy sets", "ftransform", "surface", "base"]),
    ("workbench widgets", ["app/qt", "app/main.cpp"], ["app/qt/"],
     ["workbench logic", "tuning", "interchange", "rules", "fuzzy", "fuzzy sets", "ftransform", "surface", "base"]),
    ("command-line tool", ["cli"], ["cli/"],
     ["workbench logic", "tuning", "interchange", "rules", "fuzzy", "fuzzy sets", "ftransform", "surface", "base"]),
    ("Python module", ["python/src"], [], ["public interface"]),
]
# Layers that must stay free of the toolkit.
WITHOUT_QT = {"base", "fuzzy sets", "fuzzy", "ftransform", "surface", "rules", "interchange", "tuning", "public interface",
              "library", "workbench logic", "command-line tool", "Python module"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def library_of_file(relative):
    best = None
    for lib in LIBRARIES:
        for folder in lib[1]:
            if relative == folder or relative.startswith(folder + "/"):
                if best is None or len(folder) > len(best[1]):
                    best = (lib, folder)
    return best[0] if best else None


def library_of_include(name):
    for lib in LIBRARIES:
        if any(name.startswith(prefix) for prefix in lib[2]):
            return lib
    return None


def check(root):
    problems = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp") or any(part.startswith("build") for part in path.relative_to(root).parts):
            continue
        relative = path.relative_to(root).as_posix()
        lib = library_of_file(relative)
        if lib is None:
            continue
        allowed = {lib[0], *lib[3]}
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, name = match.groups()
            place = f"{relative}:{number}"
            if ".." in name.split("/"):
                problems.append(f'{place}: includes "{name}" by a relative path; name it from its library\'s root')
                continue
            if bracket == "<":
                if lib[0] in WITHOUT_QT and re.match(r"Q[A-Za-z]*(/|$)", name):
                    problems.append(f"{place}: the {lib[0]} includes the toolkit header <{name}>; "
                                    f"only the workbench widgets may")
                continue
            if name == "zorv/Version.h":  # generated at configure time; every layer may name the version
                continue
            target = library_of_include(name)
            if target is not None and target[0] not in allowed:
                problems.append(f'{place}: the {lib[0]} includes "{name}" of the {target[0]}, '
                                f"which is not below it")
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    problems = check(root)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"{len(problems)} include(s) point up a layer or across to a sibling", file=sys.stderr)
        return 1
    print("layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
