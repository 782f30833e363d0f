#!/usr/bin/env python3
# A copy of the shared planted-fault tool, kept with the sources so that the measure can be repeated from any
# checkout.
"""Seeded mutation testing for the project: how many planted faults does its own test suite catch?

  tools/mutate.py --repo CHECKOUT [--seed N] [--count K] [--jobs 2]

Clones CHECKOUT into a scratch folder, builds it once (Release, as `make test` does), then for K mutants
picked with the seed from the program's rule and reader sources: applies one operator change, rebuilds
incrementally, runs ctest, and restores the file. A mutant is killed when a test fails, stillborn when it
does not compile (not counted). Prints the survivors and, last, 'killed X of Y mutants (Z %)'."""
import argparse, os, random, re, shutil, subprocess, sys, tempfile, time

DIRS = ["catalogue", "common", "sizing", "rdp", "query", "vdi", "farm", "report", "widgets", "calculationwindow",
        "shell", "cli"]
SKIP = re.compile(r"(platform|main\.cpp|win32|bench)")
OPS = [
    (r"(?<![<>=!])<=(?!=)", "<"), (r"(?<![<>=!-])<(?![<=])", "<="), (r"(?<![<>=!-])>=", ">"),
    (r"(?<![<>=!-])>(?![>=])", ">="), (r"==", "!="), (r"!=", "=="), (r"&&", "||"), (r"\|\|", "&&"),
    (r"\+ 1\b", "+ 2"), (r"- 1\b", "- 2"), (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
    (r"(?<![\w.])(\d{2,})(?![\w.])", None),  # a numeric constant, plus one
]


def candidates(root):
    out = []
    for d in DIRS:
        for dirpath, _, files in os.walk(os.path.join(root, d)):
            for f in sorted(files):
                if not f.endswith(".cpp") or SKIP.search(f):
                    continue
                path = os.path.join(dirpath, f)
                lines = open(path, encoding="utf-8").read().split("\n")
                for i, line in enumerate(lines):
                    s = line.strip()
                    if not s or s.startswith(("//", "#", "*")) or "QStringLiteral(\"" in s and "<" not in s:
                        continue
                    if "template" in s or "#include" in s or "static_cast<" in s or "std::" in s and "<" in s:
                        continue
                    for k, (pat, rep) in enumerate(OPS):
                        if rep is None and re.search(r"form\d|farmwindow|texts|placement|appfont", f):
                            continue  # layout and font sizes: a twip more is no fault
                        for m in re.finditer(pat, line):
                            out.append((os.path.relpath(path, root), i, k, m.start(), m.end()))
    return out


def apply(root, mutant):
    rel, i, k, a, b = mutant
    path = os.path.join(root, rel)
    text = open(path, encoding="utf-8").read()
    lines = text.split("\n")
    line = lines[i]
    rep = OPS[k][1]
    if rep is None:
        rep = str(int(line[a:b]) + 1)
    lines[i] = line[:a] + rep + line[b:]
    open(path, "w", encoding="utf-8").write("\n".join(lines))
    return text, f"{rel}:{i + 1}: {line.strip()[:90]}  =>  {lines[i].strip()[:90]}"


def run(cmd, cwd, timeout):
    try:
        return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--repo", required=True)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=40)
    ap.add_argument("--jobs", default="2")
    ap.add_argument("--keep", help="scratch folder to reuse")
    a = ap.parse_args()
    scratch = a.keep or tempfile.mkdtemp(prefix="mutate-")
    src = os.path.join(scratch, "p")
    if not os.path.isdir(src):
        subprocess.run(["git", "clone", "-q", a.repo, src], check=True)
        parent = os.path.dirname(os.path.abspath(a.repo))
        for shared in (os.path.join(parent, "shared"), os.path.join(parent, "steering", "shared")):
            if os.path.isdir(shared) and not os.path.exists(os.path.join(scratch, "shared")):
                os.symlink(shared, os.path.join(scratch, "shared"))
    build = os.path.join(src, "build")
    env_build = ["cmake", "--build", build, "--parallel", a.jobs]
    if run(["cmake", "-S", src, "-B", build, "-DCMAKE_BUILD_TYPE=Release"], src, 600) or run(env_build, src, 3000):
        print("baseline build failed"); return 2
    ctest = ["ctest", "--test-dir", build, "--parallel", a.jobs, "--timeout", "120", "-E", "fuzz|seed"]
    t = time.time()
    if run(ctest, src, 900):
        print("baseline tests fail"); return 2
    base_s = time.time() - t
    pool = candidates(src)
    rng = random.Random(a.seed)
    rng.shuffle(pool)
    killed = tried = stillborn = 0
    survivors = []
    for m in pool:
        if tried >= a.count:
            break
        original, label = apply(src, m)
        path = os.path.join(src, m[0])
        try:
            if run(env_build, src, 900):
                stillborn += 1
                continue
            tried += 1
            rc = run(ctest, src, max(120, 4 * base_s))
            if rc != 0:
                killed += 1
            else:
                survivors.append(label)
                print("survived:", label, flush=True)
        finally:
            open(path, "w", encoding="utf-8").write(original)
    run(env_build, src, 900)
    print(f"stillborn {stillborn}; baseline tests {base_s:.0f} s; scratch {scratch}")
    print(f"killed {killed} of {tried} mutants ({100 * killed / max(tried, 1):.0f} %), seed {a.seed}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
