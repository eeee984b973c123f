#!/usr/bin/env python3
"""Fails when the game's own includes run in a circle or up the layers.

A unit is a header with its source (Grid.h and Grid.cpp are one unit "engine/Grid"). Two units
that include each other, directly or around a longer circle, fail; so does a file that includes a
folder above its own, or a sibling folder it does not link.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The order of the static libraries' links: a folder may include its own and lower ranks only.
RANKS = {
    "library": 0,
    "engine": 1,
    "platform": 2,
    "media": 3,
    "print": 3,
    "ui": 4,
    "wizard": 4,
    "app": 5,
    "assets": 6,
    "tools": 6,
    "fuzz": 7,
    "tests": 7,
    "bench": 8,
}
SOURCE = re.compile(r"\.(h|hpp|cpp|inc)$")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
INCLUDE_DIRS = re.compile(r"target_include_directories\(([^)]*)\)")


def project_files():
    for folder in RANKS:
        for top, dirs, names in os.walk(os.path.join(ROOT, folder)):
            dirs[:] = [d for d in dirs if not d.startswith(".")]
            for name in names:
                if SOURCE.search(name):
                    yield os.path.relpath(os.path.join(top, name), ROOT)


def include_dirs():
    """The folders the build searches, as the CMake files name them."""
    found = [""]
    for top, dirs, names in os.walk(ROOT):
        dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
        if "CMakeLists.txt" not in names:
            continue
        with open(os.path.join(top, "CMakeLists.txt"), encoding="utf-8") as cmake:
            for args in INCLUDE_DIRS.findall(cmake.read()):
                for word in args.split():
                    here = os.path.relpath(top, ROOT)
                    word = word.replace("${CMAKE_CURRENT_SOURCE_DIR}", here)
                    word = word.replace("${PROJECT_SOURCE_DIR}", ".")
                    if "$" not in word and os.path.isdir(os.path.join(ROOT, word)):
                        found.append(os.path.normpath(word))
    return found


def resolve(name, including, dirs, files):
    for base in [os.path.dirname(including)] + dirs:
        path = os.path.normpath(os.path.join(base, name))
        if path in files:
            return path
    return None


def unit(path):
    return SOURCE.sub("", path)


def folder(path):
    return path.split(os.sep)[0]


def include_graph():
    files = set(project_files())
    dirs = include_dirs()
    graph = {unit(f): set() for f in files}
    lines = {}
    for path in sorted(files):
        with open(os.path.join(ROOT, path), encoding="utf-8", errors="replace") as source:
            text = source.read()
        for match in INCLUDE.finditer(text):
            target = resolve(match.group(1), path, dirs, files)
            if target and unit(target) != unit(path):
                graph[unit(path)].add(unit(target))
                line = text.count("\n", 0, match.start()) + 1
                lines.setdefault((unit(path), unit(target)), f"{path}:{line}")
    return graph, lines


def upward(graph, lines):
    problems = []
    for source, targets in sorted(graph.items()):
        for target in sorted(targets):
            low, high = folder(target), folder(source)
            if low == high:
                continue
            if RANKS[low] >= RANKS[high]:
                problems.append(f"{lines[source, target]}: {high}/ includes {target}, "
                                f"and {low}/ is not below {high}/")
    return problems


def circles(graph):
    """Tarjan's strongly connected components with more than one unit."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def one_circle(graph, component):
    """The shortest way from the component's first unit back to it, as units."""
    members, start = set(component), component[0]
    came_from, queue = {start: None}, [start]
    for node in queue:
        for nxt in sorted(graph[node]):
            if nxt == start:
                path = [node]
                while came_from[path[-1]] is not None:
                    path.append(came_from[path[-1]])
                return path[::-1] + [start]
            if nxt in members and nxt not in came_from:
                came_from[nxt] = node
                queue.append(nxt)
    return component


def main():
    graph, lines = include_graph()
    problems = upward(graph, lines)
    for component in circles(graph):
        circle = one_circle(graph, component)
        edges = [lines[a, b] for a, b in zip(circle, circle[1:])]
        problems.append("includes run in a circle: " + " -> ".join(circle) + " (" +
                        ", ".join(edges) + f"; {len(component)} units in all)")
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        return 1
    print(f"{len(graph)} units, includes one way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
