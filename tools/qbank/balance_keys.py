#!/usr/bin/env python3
"""Shuffle the answer options of every question so that answer positions carry no pattern.

Each question file keeps its bytes except the four option lines (4-7), which are reordered and
renumbered, and the answer key (line 8), which follows the right option.  Across the bank no key
repeats more than twice in a row and each key is right for about a quarter of the questions.
The same bank and seed always give the same result.
"""
import argparse
import os
import random
import re
import sys

KEYS = ("a1", "b1", "c1", "d1")
OPTION_LINES = range(4, 8)
KEY_LINE = 8
PREFIX = re.compile(rb"^([1-4])\. ")
# An option that names another option by its number would lose its meaning once moved.
NAMES_OPTION = re.compile(rb"\boptions?\s+[1-4]\b|\b[1-4]\s*(?:,|and|or)\s*[1-4]\b", re.IGNORECASE)


def read_bank(folder):
    numbers = sorted(int(n[:-4]) for n in os.listdir(folder) if re.fullmatch(r"[1-9][0-9]*\.lrn", n))
    if numbers != list(range(1, len(numbers) + 1)):
        sys.exit(f"{folder}: questions are not numbered 1 to {len(numbers)} without gaps")
    bank = []
    for n in numbers:
        with open(os.path.join(folder, f"{n}.lrn"), "rb") as f:
            lines = f.read().split(b"\r\n")
        if len(lines) < KEY_LINE + 2 or lines[KEY_LINE].decode("ascii", "replace") not in KEYS:
            sys.exit(f"{n}.lrn: not a question file with an answer key on line {KEY_LINE}")
        for i in OPTION_LINES:
            if not PREFIX.match(lines[i]):
                sys.exit(f"{n}.lrn: option line {i} does not start with its number")
        bank.append((n, lines))
    return bank


def key_sequence(count, rng, fixed):
    """Target key per question: balanced counts, never three equal keys in a row.
    fixed maps a question index to a key it must keep."""
    for _ in range(1000):
        left = {k: count // 4 + (1 if i < count % 4 else 0) for i, k in enumerate(KEYS)}
        for k in fixed.values():
            left[k] -= 1
        seq = []
        for i in range(count):
            if i in fixed:
                choice = fixed[i]
            else:
                allowed = [k for k in KEYS if left[k] > 0 and seq[-2:] != [k, k]]
                if not allowed:
                    break
                choice = rng.choices(allowed, weights=[left[k] for k in allowed])[0]
                left[choice] -= 1
            if seq[-2:] == [choice, choice]:
                break
            seq.append(choice)
        if len(seq) == count:
            return seq
    sys.exit("no key order found; too many questions whose options may not move")


def reorder(lines, target, rng):
    options = [PREFIX.sub(b"", lines[i]) for i in OPTION_LINES]
    right = options.pop(KEYS.index(lines[KEY_LINE].decode("ascii")))
    rng.shuffle(options)
    options.insert(KEYS.index(target), right)
    out = list(lines)
    for pos, text in enumerate(options):
        out[OPTION_LINES[pos]] = b"%d. " % (pos + 1) + text
    out[KEY_LINE] = target.encode("ascii")
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", nargs="?", default=os.path.join(here, "..", "..", "content", "Questions"))
    parser.add_argument("--seed", type=int, default=53)
    args = parser.parse_args()
    bank = read_bank(args.folder)
    rng = random.Random(args.seed)
    fixed = {i: lines[KEY_LINE].decode("ascii") for i, (_, lines) in enumerate(bank)
             if any(NAMES_OPTION.search(PREFIX.sub(b"", lines[j])) for j in OPTION_LINES)}
    targets = key_sequence(len(bank), rng, fixed)
    for (n, lines), target in zip(bank, targets):
        if n - 1 in fixed:
            continue
        data = b"\r\n".join(reorder(lines, target, rng))
        path = os.path.join(args.folder, f"{n}.lrn")
        with open(path + ".tmp", "wb") as f:
            f.write(data)
        os.replace(path + ".tmp", path)
    counts = {k: targets.count(k) for k in KEYS}
    print(f"{len(bank)} questions; keys {counts}; {len(fixed)} kept in place")


if __name__ == "__main__":
    main()
