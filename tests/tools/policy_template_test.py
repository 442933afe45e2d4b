#!/usr/bin/env python3
"""The administrative template (installer/policies) is one Group Policy can load: well-formed,
every string and presentation it names defined in each language, and its key and value names the
ones the program reads (forms/update_policy.h, .cpp).

  policy_template_test.py --root CHECKOUT
"""

import argparse
import pathlib
import re
import sys
import unittest
import xml.etree.ElementTree as ElementTree

NS = {"p": "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions"}
ROOT = None


class PolicyTemplate(unittest.TestCase):
    def setUp(self):
        folder = ROOT / "installer" / "policies"
        self.admx_text = (folder / "Ostrel-Mini.admx").read_text(encoding="utf-8")
        self.admx = ElementTree.fromstring(self.admx_text)
        self.languages = {adml.parent.name: ElementTree.parse(adml).getroot()
                          for adml in sorted(folder.glob("*/Ostrel-Mini.adml"))}

    def test_each_language_defines_what_the_template_names(self):
        self.assertEqual(sorted(self.languages), ["en-US", "zh-CN"])
        strings = set(re.findall(r"\$\(string\.(\w+)\)", self.admx_text))
        presentations = set(re.findall(r"\$\(presentation\.(\w+)\)", self.admx_text))
        elements = {e.get("id") for e in self.admx.iterfind(".//p:elements/*", NS)}
        for language, adml in self.languages.items():
            with self.subTest(language):
                defined = {s.get("id") for s in adml.iterfind(".//p:stringTable/p:string", NS)}
                self.assertEqual(strings - defined, set())
                shown = {p.get("id") for p in adml.iterfind(".//p:presentationTable/p:presentation", NS)}
                self.assertEqual(presentations - shown, set())
                boxes = {b.get("refId") for b in adml.iterfind(".//p:presentation/*", NS)}
                self.assertEqual(boxes, elements)

    def test_the_keys_and_values_are_the_ones_the_program_reads(self):
        header = (ROOT / "forms" / "update_policy.h").read_text(encoding="utf-8")
        source = (ROOT / "forms" / "update_policy.cpp").read_text(encoding="utf-8")
        key = re.search(r'kUpdatePolicyKey\[\] = L"([^"]+)"', header).group(1).replace("\\\\", "\\")
        for policy in self.admx.iterfind(".//p:policy", NS):
            with self.subTest(policy.get("name")):
                self.assertEqual(policy.get("key"), key)
                names = [policy.get("valueName")] + [e.get("valueName") for e in
                                                     policy.iterfind(".//p:elements/*", NS)]
                for name in filter(None, names):
                    self.assertIn(f'L"{name}"', source)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", type=pathlib.Path, required=True)
    args, rest = parser.parse_known_args()
    ROOT = args.root
    unittest.main(argv=[sys.argv[0], *rest])
