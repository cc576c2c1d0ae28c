#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpora under fuzz/corpus/, one folder per target.

Run again after changing an input format; the fuzz run copies the seeds and
never grows them.
"""
import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"

PLANETS = ["شمس (اسد)", "مشتري (قوس)", "مشتري (حوت)", "قمر (سرطان)", "زهره (ثور)",
           "زهره (ميزان)"]
ALL_ENTRIES = "همه موارد"


def utf16(text):
    return text.encode("utf-16-le", "surrogatepass")


def units(text):
    data = utf16(text)
    return struct.unpack(f"<{len(data) // 2}H", data)


def raw_text(text):
    """A name_list_fuzz text: length, then each unit as 0xFF and two bytes."""
    us = units(text)
    assert len(us) <= 20
    out = bytes([len(us)])
    for u in us:
        out += bytes([0xFF]) + struct.pack("<H", u)
    return out


def request(*, convert=True, prefix_in_use=False, boy=False, son=False, daughter=False,
            own_labels=None, fold=False, prefix_wanted=0, group=0, mother="", prefix="",
            chosen=(0, 0)):
    flags = (convert * 0x01 | prefix_in_use * 0x02 | boy * 0x04 | son * 0x08 |
             daughter * 0x10 | (own_labels is not None) * 0x20 | fold * 0x40)
    out = bytes([flags, prefix_wanted & 0xFF, group]) + raw_text(mother) + raw_text(prefix)
    if own_labels is not None:
        out += bytes([len(own_labels)])
        for kind, arg in own_labels:
            out += bytes([kind]) + argument(kind, arg, text_kind=2)
    mode, arg = chosen
    return out + bytes([mode]) + argument(mode, arg, text_kind=3)


def argument(kind, arg, text_kind):
    """What follows a label kind: nothing for the all-entries kind 1, a text, or a byte."""
    if kind == 1:
        return b""
    return raw_text(arg) if kind == text_kind else bytes([arg])


def args(*items):
    """Raw arguments: an even mode byte, then the arguments NUL-separated."""
    return b"\0" + b"\0".join(i.encode() if isinstance(i, str) else i for i in items)


def built(flags, group=0, mother=b"", prefix=b"", planet=0):
    """A request built from bytes: an odd mode byte, the flags (1 boy, 2 girl,
    4 delete letters, 8 use prefix, 16 give prefix, 32 give group, 64 give
    planet), then the group, the mother's and the prefix's letters as
    alphabet indices, and the planet pick."""
    out = bytes([1, flags])
    if flags & 32:
        out += bytes([group])
    out += bytes([len(mother)]) + mother
    if flags & 16:
        out += bytes([len(prefix)]) + prefix
    return out + bytes([planet])


SEEDS = {
    "get_abjad_fuzz": {
        "empty": b"",
        "fatemeh": utf16("فاطمه"),
        "persian-letters-farsi-yeh": utf16("پگاه چژ علی"),
        "vowels-zwnj-bidi": utf16("مُحَمَّد\u200cرضا\u200f"),
        "latin-digits-controls": utf16("abc 123\r\n\t\x7f"),
        "surrogates": utf16("\ud83d\ude00") + struct.pack("<HH", 0xD800, 0xDFFF),
        "ghain-twenty": utf16("غ" * 20),
        "odd-length": utf16("سيد") + b"\x06",
    },
    "name_list_fuzz": {
        "boy-all-planets": request(boy=True, son=True, mother="فاطمه"),
        "girl-delete-prefix": request(convert=False, prefix_in_use=True, daughter=True,
                                      prefix_wanted=1, group=2, mother="مريم",
                                      prefix="  سيد "),
        "one-planet-folded": request(boy=False, daughter=True, fold=True, group=3,
                                     mother="زهرا\u06cc", chosen=(2, 4)),
        "own-labels-planets": request(boy=True, son=True, daughter=True, mother="ليلا",
                                      own_labels=[(1, 0), (0, 1), (0, 3), (0, 3), (0, 5)],
                                      chosen=(1, 0)),
        "own-labels-not-found": request(boy=True, son=True, mother="ليلا",
                                        own_labels=[(1, 0), (0, 0), (2, "abc"), (3, 1)],
                                        chosen=(1, 0)),
        "all-entries-alone": request(mother="سارا", own_labels=[(1, 0)], chosen=(1, 0)),
        "refused-prefix": request(son=True, prefix_in_use=True, prefix_wanted=5, mother="آذر",
                                  prefix=" ا ", group=1),
        "refused-mother": request(prefix_wanted=-1, mother="ا", prefix="\u200e"),
        "chosen-text": request(boy=True, son=True, mother="علي", chosen=(3, PLANETS[0] + " ")),
    },
    "list_command_fuzz": {
        "no-arguments": b"",
        "boy": args("--mother", "فاطمه", "--boy"),
        "girl-everything": args("--mother", "مريم", "--girl", "--prefix", "سيد", "--use-prefix",
                                "--group", "2", "--delete-letters"),
        "planet-farsi-yeh": args("--mother", "زهرا\u06cc", "--girl", "--planet", PLANETS[3]),
        "planet-not-found": args("--mother", "فاطمه", "--boy", "--planet", "زحل"),
        "all-entries-one-planet": args("--mother", "فاطمه", "--girl", "--group", "1", "--planet",
                                       ALL_ENTRIES),
        "refused": args("--mother", "abc", "--boy"),
        "bad-group": args("--mother", "فاطمه", "--boy", "--group", "7"),
        "bad-utf8": args("--mother", b"\xff\xc0\x80", "--boy"),
        "catalogue": args("--catalogue"),
        "sign-lists-and-more": args("--sign-lists", "--boy"),
        # Indices into the fuzzer's alphabet: 6 meem, 7 reh, 8 yeh, 9 Farsi yeh.
        "built-son-sun": built(1 | 32, group=1, mother=bytes([6, 7, 8, 6])),
        "built-daughter-delete-prefix": built(2 | 4 | 8 | 16 | 64, mother=bytes([6, 7, 9, 6]),
                                              prefix=bytes([0, 10, 6, 8]), planet=3),
        "built-refused-override": built(1, mother=bytes([13, 6, 7, 8, 6])),
        "built-foreign-planet": built(2 | 32 | 64, group=1, mother=bytes([6, 7, 8, 6]),
                                      planet=7 + 8 * 4),
    },
}


def main():
    for target, seeds in SEEDS.items():
        folder = CORPUS / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
