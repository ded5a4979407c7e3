#!/usr/bin/env python3
"""Writes small MIDI files that between them use every part of the file format the reader
knows, and the ways files go wrong, as starting points for the fuzzers of the reader and of
what is built on it. Every file is made here from scratch; none is copied from anywhere.

    python3 fuzz/seedgen/make_midi_seeds.py OUTDIR
"""
import os
import struct
import sys


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)


def header(fmt=1, tracks=1, division=96, length=6):
    return b"MThd" + struct.pack(">IHHH", length, fmt, tracks, division)[: 4 + length]


def chunk(body, kind=b"MTrk", length=None):
    return kind + struct.pack(">I", len(body) if length is None else length) + body


def meta(kind, data, delta=0):
    return vlq(delta) + bytes([0xFF, kind]) + vlq(len(data)) + data


def note(delta, key, vel=100, ch=0, on=True):
    return vlq(delta) + bytes([(0x90 if on else 0x80) | ch, key, vel])


END = meta(0x2F, b"")
TEMPO_120 = meta(0x51, b"\x07\xa1\x20")


def song_track(notes=(60, 64, 67, 72), step=96, ch=0):
    body = b""
    for k in notes:
        body += note(0, k, ch=ch) + note(step, k, 0, ch=ch)
    return body


SEEDS = {}

# Format 0: tempo, time and key signature, a melody with note-offs as velocity 0.
SEEDS["format0-meta"] = header(0, 1) + chunk(
    TEMPO_120 + meta(0x58, b"\x03\x02\x18\x08") + meta(0x59, b"\xfe\x00") + meta(0x03, b"Melody")
    + meta(0x04, b"Piano") + song_track() + END)

# Format 1: conductor track, a chord track, percussion on channel 10, program and control changes.
SEEDS["format1-tracks"] = header(1, 3) + chunk(TEMPO_120 + meta(0x58, b"\x04\x02\x18\x08") + END) + chunk(
    b"\x00\xc0\x18\x00\xb0\x07\x64\x00\xe0\x00\x40" + note(0, 48) + note(0, 52) + note(0, 55)
    + note(192, 48, 0) + note(0, 52, 0) + note(0, 55, 0) + END) + chunk(
    note(0, 36, ch=9) + note(48, 36, 0, ch=9) + note(0, 38, ch=9) + note(48, 38, 0, ch=9) + END)

# Format 2 with two independent patterns.
SEEDS["format2"] = header(2, 2) + chunk(song_track((60, 62)) + END) + chunk(song_track((67, 65)) + END)

# Running status: one status byte for many notes, across note-on and velocity-0 offs.
SEEDS["running-status"] = header(0, 1) + chunk(
    b"\x00\x90\x3c\x40\x30\x3c\x00\x00\x40\x40\x30\x40\x00\x00\x43\x40\x30\x43\x00" + END)

# Karaoke: lyrics as text events with the @ header lines, \ and / line breaks.
SEEDS["karaoke-text"] = header(1, 2) + chunk(
    meta(0x01, b"@KMIDI KARAOKE FILE") + meta(0x01, b"@LENGL") + meta(0x01, b"@TSong") + meta(0x01, b"@TSinger") + END
) + chunk(meta(0x01, b"\\Ka") + note(0, 60) + meta(0x01, b"ra", 48) + note(0, 60, 0) + meta(0x01, b"/o", 48)
          + meta(0x01, b"ke", 48) + END)

# Lyric (5), marker (6), cue (7), copyright (2), sequence number (0), channel prefix, port,
# SMPTE offset, sequencer-specific, and an unknown meta type.
SEEDS["meta-kinds"] = header(0, 1) + chunk(
    meta(0x00, b"\x00\x01") + meta(0x02, b"(c) nobody") + meta(0x05, b"la") + meta(0x06, b"Verse")
    + meta(0x07, b"cue") + meta(0x20, b"\x00") + meta(0x21, b"\x00") + meta(0x54, b"\x60\x00\x00\x00\x00")
    + meta(0x7F, b"\x00\x00\x41") + meta(0x60, b"??") + END)

# Texts in Windows-1251 and in UTF-8.
SEEDS["texts-1251-utf8"] = header(0, 1) + chunk(
    meta(0x03, "Песня".encode("cp1251")) + meta(0x05, "слово".encode("cp1251"), 10) + meta(0x05, "слово".encode()) + note(0, 60)
    + note(96, 60, 0) + END)

# SysEx messages: complete, continued in pieces (F0 ... then F7 packets), escapes.
SEEDS["sysex"] = header(0, 1) + chunk(
    b"\x00\xf0\x05\x7e\x7f\x09\x01\xf7" + b"\x00\xf0\x03\x43\x12\x00" + b"\x10\xf7\x02\x43\xf7" + b"\x00\xf7\x02\xf3\x01"
    + END)

# System bytes as statuses (no data), a data byte before any status, and a meta type read
# from a data byte after a meta event.
SEEDS["system-bytes"] = header(0, 1) + chunk(b"\x00\x3c\x40\x00\xf8\x00\xfa\x00\xfe" + TEMPO_120 + b"\x00\x05\x01\x41" + END)

# Tempo changes, one replacing another at the same tick, later tracks going back in time.
SEEDS["tempo-out-of-order"] = header(1, 3) + chunk(
    TEMPO_120 + meta(0x51, b"\x0f\x42\x40", 96) + meta(0x51, b"\x03\xd0\x90", 96) + END) + chunk(
    meta(0x51, b"\x00\x00\x01", 0) + meta(0x51, b"\xff\xff\xff", 10) + END) + chunk(song_track() + END)

# Time signatures: 6/8, 3/4, 2/2, and a denominator power far too large.
SEEDS["time-signatures"] = header(0, 1) + chunk(
    meta(0x58, b"\x06\x03\x24\x08") + song_track((60,)) + meta(0x58, b"\x03\x02\x18\x08") + song_track((62,))
    + meta(0x58, b"\x02\x01\x18\x08") + meta(0x58, b"\x07\x40\x18\x08") + END)

# Time code division and a division of zero.
SEEDS["smpte-division"] = header(0, 1, 0xE728) + chunk(song_track() + END)
SEEDS["zero-division"] = header(0, 1, 0) + chunk(song_track() + END)

# The largest delta times a file can hold, and a delta whose last byte is missing.
SEEDS["max-delta"] = header(0, 1) + chunk(note(0x0FFFFFFF, 60) + note(0x0FFFFFFF, 60, 0) + END)
SEEDS["delta-cut"] = header(0, 1) + chunk(note(0, 60) + b"\x81\x80")

# Headers that are short, long, of unknown format, or declare more tracks than there are.
SEEDS["header-short"] = header(1, 1, 96, length=4) + chunk(song_track() + END)
SEEDS["header-long"] = b"MThd" + struct.pack(">IHHH", 8, 1, 1, 96) + b"\x00\x00" + chunk(song_track() + END)
SEEDS["header-format9"] = header(9, 1) + chunk(song_track() + END)
SEEDS["header-65535-tracks"] = header(1, 65535) + chunk(song_track() + END)

# Chunks: unknown kind first and between tracks, zero length, negative length, a length
# beyond the file, a text longer than its chunk, and trailing bytes.
SEEDS["chunk-unknown"] = header(1, 2) + chunk(b"xyz", b"XFIH") + chunk(song_track() + END) + chunk(b"\x00", b"MTrX")
SEEDS["chunk-empty-and-negative"] = header(1, 3) + chunk(b"") + chunk(b"", length=0x80000001) + chunk(song_track() + END)
SEEDS["chunk-beyond-end"] = header(1, 2) + chunk(song_track() + END) + chunk(song_track(), length=100000)
SEEDS["text-beyond-chunk"] = header(0, 1) + chunk(b"\x00\xff\x01" + vlq(100 << 20) + b"abc")
SEEDS["trailing-bytes"] = header(0, 1) + chunk(song_track() + END) + b"\x00\x01\x02"

# Many short tracks, and a track that leans on the running status of the one before.
SEEDS["many-tracks"] = header(1, 40) + b"".join(chunk(song_track((40 + i,), 24, ch=i % 16) + END) for i in range(40))
SEEDS["status-across-chunks"] = header(1, 2) + chunk(b"\x00\x90\x3c\x40") + chunk(b"\x00\x3c\x40\x10\x3c\x00" + END)

# Notes that are held over a long time and pitch extremes.
SEEDS["held-notes"] = header(0, 1) + chunk(
    note(0, 0) + note(0, 127) + note(0, 60) + note(960, 64) + note(960, 60, 0) + note(960, 64, 0)
    + note(0, 0, 0) + note(0, 127, 0) + b"\x00\x80\x3c\x40" + END)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(out, name + ".mid"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
