#!/usr/bin/env python3
"""Runs the answer-key balancer on a bank whose keys all sit on the first option and checks the
files it leaves behind: keys spread out, each right option still keyed, every other byte kept."""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "qbank", "balance_keys.py")


def question(n):
    options = [f"{i + 1}. Answer {n}{'abcd'[i]}" for i in range(4)]
    lines = [f"Question {n}?", "A. x", "B. y", "", *options, "a1", "1", "0", f"Because {n}.", "Driving|Observe", ""]
    return "\r\n".join(lines).encode()


class BalanceKeys(unittest.TestCase):
    def test_keys_spread_and_content_kept(self):
        with tempfile.TemporaryDirectory() as folder:
            count = 22
            for n in range(1, count + 1):
                with open(os.path.join(folder, f"{n}.lrn"), "wb") as f:
                    f.write(question(n))
            subprocess.run([sys.executable, SCRIPT, folder], check=True, capture_output=True)
            keys = []
            for n in range(1, count + 1):
                with open(os.path.join(folder, f"{n}.lrn"), "rb") as f:
                    lines = f.read().decode().split("\r\n")
                before = question(n).decode().split("\r\n")
                keys.append(lines[8])
                right = "abcd".index(lines[8][0])
                self.assertEqual(lines[8][1:], "1")
                self.assertEqual(lines[4 + right], f"{right + 1}. Answer {n}a")
                self.assertEqual(sorted(l[3:] for l in lines[4:8]), sorted(l[3:] for l in before[4:8]))
                self.assertEqual([l[:3] for l in lines[4:8]], ["1. ", "2. ", "3. ", "4. "])
                self.assertEqual(lines[:4] + lines[9:], before[:4] + before[9:])
            runs = [keys[i:i + 3] for i in range(count - 2)]
            self.assertFalse([r for r in runs if len(set(r)) == 1], keys)
            self.assertTrue(all(5 <= keys.count(k) <= 6 for k in ("a1", "b1", "c1", "d1")), keys)


if __name__ == "__main__":
    unittest.main()
