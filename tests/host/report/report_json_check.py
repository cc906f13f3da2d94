#!/usr/bin/env python3
"""sondrel-report --format json against its schema and against the text
report, on every bundled profile (found at run time), and its errors.

Arguments: the sondrel-report program, the source tree."""
import copy
import datetime
import json
import os
import pathlib
import re
import stat
import subprocess
import sys
import tempfile
import unittest

import jsonschema

PROGRAM = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else None
SOURCE = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else None
EXIT_FAILURE, EXIT_USAGE = 1, 2

# Text lines whose value is Yes or No, by the document's key.
TECHNOLOGY_LABELS = {
    "enhancedRatewise": "Enhanced Quarn Ratewise(R) Technology",
    "mmx": "MMX(TM)",
    "sse": "Quarn(R) SSE",
    "sse2": "Quarn(R) SSE2",
    "sse3": "Quarn(R) SSE3",
    "sse4": "Quarn(R) SSE4",
    "aesNi": "Quarn(R) AES-NI",
    "avx": "Quarn(R) AVX",
    "enhancedHaltState": "Enhanced Halt State",
    "executeDisableBit": "Execute Disable Bit",
    "twinstrand": "Quarn(R) Twinstrand Technology",
    "architecture64": "Quarn(R) 64 Architecture",
    "virtualization": "Quarn(R) Virtualization Technology",
    "extendedPageTables": "Quarn(R) HVX with Extended Page Tables",
}

# Frequency lines: (pair, field, label of the reported line, of the expected line).
FREQUENCY_LINES = [
    ("processor", "MHz", "Reported Processor Frequency", "Expected Processor Frequency"),
    ("systemBus", "MHz", "Reported System Bus Frequency", "Expected System Bus Frequency"),
    ("interconnect", "MTs", "Reported Swiftway Interconnect Speed", "Expected Swiftway Interconnect Speed"),
    ("memoryController", "MHz", "Reported Integrated Memory Controller Frequency",
     "Expected Integrated Memory Controller Frequency"),
]


def run(profile, *arguments):
    environment = dict(os.environ, SONDREL_PROFILE=str(profile))
    return subprocess.run([str(PROGRAM), *arguments], env=environment, capture_output=True, timeout=60)


def schema():
    with open(SOURCE / "docs" / "report-json.schema.json", encoding="utf-8") as file:
        return json.load(file)


def validator():
    return jsonschema.Draft202012Validator(schema())


def profiles():
    return sorted((SOURCE / "profiles").rglob("*.json"))


def text_values(text):
    """The report's lines as label -> value; the title and closing line apart."""
    lines = text.split("\n")
    assert lines[-1] == "", "the report ends with a line feed"
    lines = lines[:-1]
    assert lines[-1] == "*" * 61, "the report ends with its line of asterisks"
    values = {"": lines[0]}
    for line in lines[1:-1]:
        label, separator, value = line.partition(": ")
        assert separator, f"line without a value: {line!r}"
        assert label not in values, f"line twice: {label}"
        values[label] = value
    return values


def figure(text):
    """A frequency or transfer-rate text: its number and its unit."""
    number, _, unit = text.partition(" ")
    return float(number), unit


class ValuesAgree:
    """Compares a document with the text report of the same profile; every
    text line must be matched by a field."""

    def __init__(self, case, document, values):
        self.case = case
        self.document = document
        self.values = dict(values)

    def take(self, label):
        return self.values.pop(label, None)

    def equal(self, label, expected):
        self.case.assertEqual(self.take(label), expected, label)

    def check(self):
        d = self.document
        self.equal("", d["title"])
        self.equal("Version", f'{d["version"]["release"]}.{d["version"]["buildStamp"]}')
        self.time_stamp()
        self.operating_system()
        self.equal("Number of processors in system", str(d["processorsInSystem"]))
        self.equal("Current processor", f'#{d["currentProcessor"]}')
        self.equal("Active cores per processor", str(d["activeCoresPerProcessor"]))
        self.equal("Disabled cores per processor", str(d["disabledCoresPerProcessor"]))
        self.equal("Processor Name", d["processorName"])
        for label, key in [("Type", "type"), ("Family", "family"), ("Model", "model"), ("Stepping", "stepping")]:
            self.equal(label, f'{d["signature"][key]:X}')
        revision = d["revision"]
        self.equal("Revision", {"notAvailable": "N/A", "unknown": "Unknown"}.get(
            revision["state"], f'{revision["value"] or 0:X}'))
        leaf = d["maximumCpuidLevel"]
        self.equal("Maximum CPUID Level", None if leaf is None else f"{leaf:X}")
        for cache in d["caches"].values():
            self.cache(cache)
        self.equal("Packaging", d["packaging"])
        self.equal("Platform Compatibility Guide", d["platformCompatibilityGuide"])
        for key, label in TECHNOLOGY_LABELS.items():
            self.equal(label, "Yes" if d["technologies"][key] else "No")
        graphics = d["graphics"]
        self.equal("System Graphics", None if graphics is None else graphics["name"] or
                   {"addIn": "Add-in Graphics", "unknown": "Unknown"}[graphics["kind"]])
        self.equal("Base TDP", None if d["baseTdpW"] is None else f'{d["baseTdpW"]} W')
        self.frequencies()
        self.case.assertEqual(self.values, {}, "text lines without a field")

    def time_stamp(self):
        # Two runs: the stamps may be a few seconds apart.
        text = datetime.datetime.strptime(self.take("Time Stamp"), "%Y/%m/%d %H:%M:%S")
        document = datetime.datetime.strptime(self.document["timeStamp"], "%Y-%m-%dT%H:%M:%SZ")
        self.case.assertLessEqual(abs((document - text).total_seconds()), 30)

    def operating_system(self):
        system = self.document["operatingSystem"]
        numbers = [system[key] if system[key] is not None else 0 for key in ("major", "minor", "build")]
        release = system["release"] if system["release"] is not None else "Error getting the Operating System info"
        self.equal("Operating System", "{}.{}-{}-".format(*numbers) + release)

    def cache(self, cache):
        if cache is None:
            return
        text = self.take(cache["label"])
        self.case.assertIsNotNone(text, cache["label"])
        count = re.match(r"^(\d+) x (.*)$", text)
        self.case.assertEqual(int(count.group(1)) if count else 1, cache["count"] or 1, text)
        size = re.match(r"^(-?\d+(?:\.\d)?) (.+)$", count.group(2) if count else text)
        if cache["state"] != "present":
            self.case.assertTrue(size is None or float(size.group(1)) <= 0, text)
            return
        number, unit = float(size.group(1)), size.group(2)
        if cache["unit"] == "KB" and unit.startswith("M"):
            # Megabytes with one truncated decimal.
            self.case.assertTrue(number * 1024 <= cache["size"] < (number + 0.1) * 1024, text)
        else:
            self.case.assertEqual(number, cache["size"], text)
            # A trace cache counts thousands of micro-operations ("K uops").
            self.case.assertEqual(unit.replace(" ", "") if cache["unit"] == "Kuops" else unit[0],
                                  "Kuops" if cache["unit"] == "Kuops" else "K", text)

    def frequencies(self):
        block = self.document["frequencies"]
        for pair, unit, reported, expected in FREQUENCY_LINES:
            values = block[pair] if block else None
            self.frequency(reported, values and values["reported" + unit])
            if values is None or values["expected" + unit] is None:
                # Absent, or shown as a figure of 0 or less.
                text = self.take(expected)
                self.case.assertTrue(text is None or figure(text)[0] <= 0, expected)
            else:
                self.frequency(expected, values["expected" + unit])
        if block:
            self.case.assertEqual(block["verdict"] is None, block["processor"]["expectedMHz"] is None)

    def frequency(self, label, whole):
        text = self.take(label)
        if whole is None:
            self.case.assertTrue(text is None or figure(text)[0] <= 0, label)
            return
        self.case.assertIsNotNone(text, label)
        number, _ = figure(text)
        # Either the figure itself or thousands of it, cut to tens.
        self.case.assertTrue(number == whole or round(number * 1000) == whole // 10 * 10,
                             f"{label}: {text} for {whole}")


class BundledProfiles(unittest.TestCase):
    def test_every_profile_validates_and_agrees_with_the_text(self):
        checker = validator()
        found = profiles()
        self.assertTrue(found, "no bundled profiles")
        for profile in found:
            with self.subTest(profile=str(profile.relative_to(SOURCE))):
                text = run(profile)
                document = run(profile, "--format", "json")
                self.assertEqual(document.returncode, text.returncode)
                if text.returncode != 0:
                    self.assertEqual(document.stdout, b"")
                    self.assertEqual(document.stderr, text.stderr)
                    continue
                self.assertEqual(document.stderr, b"")
                parsed = json.loads(document.stdout.decode("utf-8"))
                checker.validate(parsed)
                ValuesAgree(self, parsed, text_values(text.stdout.decode("utf-8", "replace"))).check()


class Schema(unittest.TestCase):
    def test_documents_that_break_the_schema_are_refused(self):
        checker = validator()
        profile = SOURCE / "profiles" / "default.json"
        good = json.loads(run(profile, "--format", "json").stdout)
        checker.validate(good)

        def changed(pointer, value):
            document = copy.deepcopy(good)
            *path, last = pointer.split("/")[1:]
            place = document
            for key in path:
                place = place[key]
            if value is KeyError:
                del place[last]
            else:
                place[last] = value
            return document

        broken = [
            ("/schemaVersion", 2), ("/processorName", None), ("/caches/l2/size", -1),
            ("/caches/l1Data/unit", "MB"), ("/frequencies/processor/reportedMHz", 0),
            ("/revision/value", None), ("/technologies/avx", "Yes"), ("/baseTdpW", KeyError),
            ("/graphics/kind", "addIn"), ("/timeStamp", "2019/03/05 07:08:09"), ("/extra", 1),
        ]
        for pointer, value in broken:
            with self.subTest(pointer=pointer):
                self.assertFalse(checker.is_valid(changed(pointer, value)))


class Errors(unittest.TestCase):
    def test_failures_go_to_standard_error_only(self):
        cases = [
            ("missing profile", SOURCE / "profiles" / "no-such-profile.json", ["--format", "json"],
             EXIT_FAILURE, b"no processor profile"),
            ("unknown format", SOURCE / "profiles" / "default.json", ["--format", "xml"],
             EXIT_USAGE, b"invalid report format 'xml'"),
            ("format without a value", SOURCE / "profiles" / "default.json", ["--format"],
             EXIT_USAGE, b"option --format needs a format"),
        ]
        for name, profile, arguments, status, message in cases:
            with self.subTest(name):
                result = run(profile, *arguments)
                self.assertEqual(result.returncode, status)
                self.assertEqual(result.stdout, b"")
                self.assertIn(message, result.stderr)

    def test_help_names_the_option(self):
        self.assertIn(b"--format", run(SOURCE / "profiles" / "default.json", "--help").stdout)


class OutputFile(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.TemporaryDirectory()
        self.path = pathlib.Path(self.directory.name) / "report.json"
        self.profile = SOURCE / "profiles" / "default.json"

    def tearDown(self):
        self.directory.cleanup()

    def test_the_file_holds_one_document_after_every_run(self):
        self.path.write_text("old contents\n")
        for _ in range(2):
            result = run(self.profile, "--format=json", "--output", str(self.path))
            self.assertEqual((result.returncode, result.stdout, result.stderr), (0, b"", b""))
            validator().validate(json.loads(self.path.read_text(encoding="utf-8")))
        self.assertEqual(os.listdir(self.directory.name), ["report.json"])

    def test_a_file_nobody_may_write_is_left_alone(self):
        self.path.write_text("kept\n")
        self.path.chmod(stat.S_IRUSR)
        result = run(self.profile, "--format", "json", "-o", str(self.path))
        self.assertEqual((result.returncode, result.stdout), (EXIT_FAILURE, b""))
        self.assertNotEqual(result.stderr, b"")
        self.assertEqual(self.path.read_text(), "kept\n")

    def test_a_missing_folder_fails_without_leftovers(self):
        result = run(self.profile, "--format", "json", "-o", str(self.path.parent / "missing" / "r.json"))
        self.assertEqual((result.returncode, result.stdout), (EXIT_FAILURE, b""))
        self.assertEqual(os.listdir(self.directory.name), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
