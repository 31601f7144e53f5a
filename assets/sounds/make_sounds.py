#!/usr/bin/env python3
"""Makes the game's music and its three sound effects.

    python3 assets/sounds/make_sounds.py [OUTDIR]     write the four files
    python3 assets/sounds/make_sounds.py --check [DIR] read them back and check them

Files written (OUTDIR defaults to this script's own directory):
    mokuta.mid  the looping background tune (General MIDI, format 1)
    b1.wav      bad news: a sagging, falling brass-like "deflate"
    b2.wav      good news: a bright rising chime arpeggio with sparkles
    b3.wav      a question: a soft two-note rising "hm?"

Only the Python standard library is used and nothing is random, so every
run writes the same bytes. After writing, the files are checked as with
--check; the exit status is non-zero if any check fails.
"""

import math
import os
import struct
import sys
import wave

# ---------------------------------------------------------------------------
# Music: the tune, written out bar by bar
# ---------------------------------------------------------------------------

TPQ = 480                 # ticks per quarter note
EIGHTH = TPQ // 2
BAR = TPQ * 4             # 4/4 throughout
BPM = 140
TEMPO_US = round(60_000_000 / BPM)   # microseconds per quarter note

# Chord symbols: root pitch class and intervals above the root.
CHORD_TYPES = {
    "": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
}
PITCH_CLASS = {"C": 0, "C#": 1, "Db": 1, "D": 2, "D#": 3, "Eb": 3, "E": 4,
               "F": 5, "F#": 6, "Gb": 6, "G": 7, "G#": 8, "Ab": 8, "A": 9,
               "A#": 10, "Bb": 10, "B": 11}


def chord(symbol):
    """'Dm7' -> (root pitch class, intervals)."""
    root = symbol[:2] if len(symbol) > 1 and symbol[1] in "#b" else symbol[:1]
    return PITCH_CLASS[root], CHORD_TYPES[symbol[len(root):]]


# One entry per bar; a bar with two chords gives each two beats.
# A (1-8), A' (9-16), B (17-24), A'' (25-32). The last bar sits on the
# dominant so the tune falls back into bar 1 when it loops.
HARMONY = [
    # A: the theme
    "C", "Am", "F", "G", "C", "Am", "Dm G7", "C",
    # A': the theme again, with a comic chromatic detour (E7, C7, Fm)
    "C", "E7", "Am", "C7", "F", "Fm", "C G7", "C",
    # B: the flute's song, drifting towards the dominant
    "F", "Em", "Dm", "C", "F", "E7", "Am D7", "G G7",
    # A'': the theme with the flute above it, ending on a turnaround
    "C", "Am", "F", "G", "C", "A7", "Dm7", "G7",
]
BARS = len(HARMONY)
SONG_END = BARS * BAR

# Melody lines: "NOTE:EIGHTHS" words, "r" is a rest. One string per bar.
MARIMBA_A_BARS = [
    "E5:1 G5:1 r:1 G5:1 A5:1 G5:1 E5:2",
    "C6:2 B5:1 A5:1 E5:2 r:2",
    "F5:1 A5:1 r:1 A5:1 C6:1 A5:1 F5:2",
    "G5:2 F5:1 E5:1 D5:2 B4:2",
]
MARIMBA = (
    MARIMBA_A_BARS + [
        "E5:1 G5:1 r:1 G5:1 A5:1 G5:1 C6:2",
        "E6:2 D6:1 C6:1 A5:2 r:1 A5:1",
        "F5:1 A5:1 D6:2 B5:1 G5:1 F5:1 D5:1",
        "C5:2 E5:1 G5:1 C6:2 r:2",
    ] + [
        "E5:1 G5:1 r:1 G5:1 A5:1 G5:1 E5:2",
        "G#5:1 A5:1 B5:1 D6:1 B5:2 G#5:2",
        "A5:2 r:1 C6:1 E6:2 C6:2",
        "Bb5:2 G5:1 E5:1 C5:2 r:1 C5:1",
        "F5:1 A5:1 r:1 A5:1 C6:1 A5:1 F5:2",
        "Ab5:1 G5:1 F5:1 Ab5:1 C6:2 r:2",
        "G5:1 E5:1 C5:1 E5:1 D5:1 F5:1 B4:2",
        "C5:2 r:6",
    ] + ["r:8"] * 8 + MARIMBA_A_BARS + [
        "E5:1 G5:1 r:1 G5:1 C6:1 D6:1 E6:2",
        "C#6:2 A5:1 E5:1 G5:2 r:1 A5:1",
        "F5:1 A5:1 D6:2 C6:1 A5:1 F5:1 D5:1",
        # turnaround: a chromatic climb D-D#-(E) back into bar 1
        "G5:2 F5:1 D5:1 B4:1 C5:1 D5:1 D#5:1",
    ]
)

FLUTE = (
    ["r:8"] * 15 + [
        "r:5 C5:1 D5:1 E5:1",          # pick-up into the B section
        "F5:3 E5:1 F5:2 A5:2",
        "G5:3 F5:1 E5:2 B4:2",
        "D5:3 E5:1 F5:2 A5:2",
        "G5:4 E5:2 D5:1 E5:1",
        "F5:3 E5:1 F5:2 C6:2",
        "B5:3 G#5:1 E5:2 D5:2",
        "C5:1 E5:1 A5:2 F#5:1 A5:1 C6:2",
        "B5:4 A5:1 G5:1 F5:1 D5:1",
        # above the returning theme: long counter-notes
        "E6:8",
        "E6:4 C6:4",
        "C6:4 A5:4",
        "B5:4 D6:4",
        "C6:4 E6:4",
        "E6:4 C#6:4",
        "D6:4 C6:4",
        "B5:4 D6:4",
    ]
)
FLUTE_SONG_BARS = range(15, 24)      # bars (0-based) where the flute leads


def note_number(name):
    """'C#5' -> 73 (C4 = 60)."""
    pc = name[:-1]
    octave = int(name[-1])
    return 12 * (octave + 1) + PITCH_CLASS[pc]


def parse_line(bars):
    """Bar strings -> list of (start tick, length in ticks, note number)."""
    notes = []
    for index, text in enumerate(bars):
        tick = index * BAR
        for word in text.split():
            name, eighths = word.split(":")
            length = int(eighths) * EIGHTH
            if name != "r":
                notes.append((tick, length, note_number(name)))
            tick += length
        if tick != (index + 1) * BAR:
            raise ValueError("bar %d has %d ticks: %r" % (index + 1, tick - index * BAR, text))
    return notes


def bar_chords(bar):
    """Chords of one bar as (start tick, length, root pc, intervals)."""
    symbols = HARMONY[bar].split()
    each = BAR // len(symbols)
    return [(bar * BAR + i * each, each) + chord(s) for i, s in enumerate(symbols)]


def place(pc, low):
    """The note of pitch class pc in the octave starting at note `low`."""
    return low + (pc - low) % 12


def voicing(root, intervals, low):
    return sorted(place((root + i) % 12, low) for i in intervals)


class Part:
    """One track: a channel, its instrument and its notes."""

    def __init__(self, name, channel, program, volume, pan, reverb=40):
        self.name, self.channel, self.program = name, channel, program
        self.volume, self.pan, self.reverb = volume, pan, reverb
        self.notes = []        # (on tick, off tick, note, velocity)

    def add(self, start, length, note, velocity):
        self.notes.append((start, start + max(1, length), note, velocity))

    def close_at(self, end):
        """Make the last note(s) ring exactly to `end`, the end of the last bar."""
        last_start = max(n[0] for n in self.notes)
        self.notes = [(on, end if on == last_start else min(off, end), note, vel)
                      for on, off, note, vel in self.notes]


def melody_velocity(tick, base):
    beat = (tick % BAR) / TPQ
    if beat == 0:
        return base + 6
    if beat == 2:
        return base + 3
    if beat != int(beat):        # off-beat eighths a touch lighter
        return base - 3
    return base


def gate(length, short):
    """How long a note is held within its slot: eighths short and bouncy."""
    if length <= EIGHTH:
        return int(length * short)
    return length - 60


def make_marimba():
    part = Part("Tune (marimba)", 0, 12, volume=100, pan=60)
    for start, length, note in parse_line(MARIMBA):
        part.add(start, gate(length, 0.6), note, melody_velocity(start, 86))
    return part


def make_flute():
    part = Part("Song and counter-line (flute)", 3, 73, volume=92, pan=76, reverb=55)
    for start, length, note in parse_line(FLUTE):
        if start // BAR in FLUTE_SONG_BARS:
            part.add(start, gate(length, 0.9), note, melody_velocity(start, 84))
        else:                        # counter-line under the theme: softer
            part.add(start, length - 30, note, 68)
    return part


def next_root(bar, index):
    """Root pitch class of the chord after chord `index` of `bar` (wraps to bar 1)."""
    chords = bar_chords(bar)
    if index + 1 < len(chords):
        return chords[index + 1][2]
    return bar_chords((bar + 1) % BARS)[0][2]


def make_bass():
    part = Part("Bass", 1, 32, volume=100, pan=64, reverb=20)
    low = 40                                   # bass roots sit in E2..D#3
    for bar in range(BARS):
        chords = bar_chords(bar)
        walking = 16 <= bar < 24 or bar % 4 == 3
        for index, (start, length, root, intervals) in enumerate(chords):
            r = place(root, low)
            fifth = r + 7 if r + 7 <= 52 else r - 5
            third = r + intervals[1]
            target = place(next_root(bar, index), low)
            approach = target - 1 if target - 1 != r else target + 1
            if length == BAR and walking:
                # walking quarters leading into the next chord by a half step
                line = [r, third, r + 7, approach]
                for i, note in enumerate(line):
                    part.add(start + i * TPQ, TPQ - 40, note, 72 if i == 0 else 66)
            elif length == BAR:
                # oom-pah: root on one, fifth on three, a skip into beat four
                part.add(start, TPQ - 60, r, 74)
                part.add(start + 2 * TPQ, TPQ - 60, fifth, 68)
                part.add(start + 3 * TPQ + EIGHTH, EIGHTH - 40, approach, 60)
            else:
                part.add(start, TPQ - 60, r, 74)
                part.add(start + TPQ, TPQ - 60, fifth, 64)
    return part


def make_pizzicato():
    part = Part("Off-beat chords (pizzicato strings)", 2, 45, volume=92, pan=44)
    for bar in range(BARS):
        for start, length, root, intervals in bar_chords(bar):
            notes = voicing(root, intervals, 55)
            for beat in range(1, length // TPQ, 2):          # beats two and four
                for note in notes:
                    part.add(start + beat * TPQ, EIGHTH, note, 64)
            if bar % 2 == 1 and length == BAR and not 16 <= bar < 24:
                for note in notes:                            # an extra bounce
                    part.add(start + 3 * TPQ + EIGHTH, EIGHTH, note, 58)
    return part


def make_pad():
    part = Part("Pad (strings)", 4, 48, volume=90, pan=84, reverb=60)
    for bar in range(16, BARS):
        velocity = 60 if bar < 24 else 56
        for start, length, root, intervals in bar_chords(bar):
            for note in voicing(root, intervals, 52):
                part.add(start, length - 20, note, velocity)
    return part


# General MIDI percussion notes
KICK, SIDE_STICK, SNARE, CLOSED_HAT, OPEN_HAT = 36, 37, 38, 42, 46
CRASH, RIDE, TAMBOURINE = 49, 51, 54
HIGH_TOM, MID_TOM, LOW_TOM = 50, 47, 45
HIGH_BLOCK, LOW_BLOCK = 76, 77
SIXTEENTH = TPQ // 4


def make_drums():
    part = Part("Drums", 9, 0, volume=92, pan=64, reverb=30)

    def hit(bar, sixteenth, note, velocity):
        part.add(bar * BAR + sixteenth * SIXTEENTH, SIXTEENTH, note, velocity)

    for bar in range(BARS):
        in_b = 16 <= bar < 24
        fill = bar % 8 == 7
        if bar in (0, 16, 24):
            hit(bar, 0, CRASH, 74)
        # kick: one and three, with a bounce on the "and" of two
        for s in (0, 8):
            hit(bar, s, KICK, 80)
        if not in_b:
            hit(bar, 6, KICK, 64)
        last = 12 if fill else 16
        # time keeping: hats in the theme, tambourine in the flute's song
        for s in range(0, last, 2):
            if in_b:
                hit(bar, s, TAMBOURINE, 66 if s % 4 == 0 else 60)
            else:
                hit(bar, s, CLOSED_HAT, 70 if s % 4 == 0 else 60)
        for s in (4, 12):
            if s < last:
                hit(bar, s, SNARE if in_b else SIDE_STICK, 72)
        if not in_b and not fill and bar % 2 == 1:
            hit(bar, 14, HIGH_BLOCK, 70)          # a comic "tock"
        if bar == 7:
            for i, s in enumerate(range(12, 16)):
                hit(bar, s, SNARE, 64 + 5 * i)
        elif bar == 15:
            for s, note in ((12, HIGH_BLOCK), (13, LOW_BLOCK), (14, HIGH_BLOCK), (15, LOW_BLOCK)):
                hit(bar, s, note, 72)
        elif bar == 23:
            for s, note in ((12, HIGH_TOM), (13, HIGH_TOM), (14, MID_TOM), (15, LOW_TOM)):
                hit(bar, s, note, 74)
        elif bar == 31:
            hit(bar, 12, OPEN_HAT, 62)
            for i, s in enumerate(range(12, 16)):
                hit(bar, s, SNARE, 66 + 5 * i)
    return part


def make_parts():
    parts = [make_marimba(), make_flute(), make_bass(), make_pizzicato(), make_pad(), make_drums()]
    for part in parts:
        part.close_at(SONG_END)
    return parts


# ---------------------------------------------------------------------------
# Standard MIDI file writing
# ---------------------------------------------------------------------------

def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def meta(kind, data):
    return bytes([0xFF, kind]) + vlq(len(data)) + data


def track_chunk(events):
    """events: list of (tick, order, bytes); written in time order."""
    body = bytearray()
    now = 0
    for tick, _, data in sorted(events, key=lambda e: (e[0], e[1])):
        body += vlq(tick - now) + data
        now = tick
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def conductor_track():
    events = [
        (0, 0, meta(0x03, b"Mokuta")),
        (0, 1, meta(0x58, bytes([4, 2, 24, 8]))),          # 4/4
        (0, 2, meta(0x59, bytes([0, 0]))),                 # C major
        (0, 3, meta(0x51, TEMPO_US.to_bytes(3, "big"))),
        (SONG_END, 9, meta(0x2F, b"")),
    ]
    return track_chunk(events)


def part_track(part):
    ch = part.channel
    setup = [
        bytes([0xB0 | ch, 121, 0]),              # reset controllers
        bytes([0xB0 | ch, 0, 0]),                # bank 0
        bytes([0xC0 | ch, part.program]),
        bytes([0xB0 | ch, 7, part.volume]),
        bytes([0xB0 | ch, 10, part.pan]),
        bytes([0xB0 | ch, 91, part.reverb]),
        bytes([0xB0 | ch, 93, 0]),
    ]
    events = [(0, 0, meta(0x03, part.name.encode("ascii")))]
    events += [(0, 1, data) for data in setup]
    for on, off, note, velocity in part.notes:
        events.append((off, 2, bytes([0x80 | ch, note, 0])))     # offs before ons
        events.append((on, 3, bytes([0x90 | ch, note, velocity])))
    end = max(off for _, off, _, _ in part.notes)
    events.append((end, 4, bytes([0xB0 | ch, 120, 0])))      # all sound off
    events.append((end, 5, bytes([0xB0 | ch, 123, 0])))      # all notes off
    events.append((end, 6, meta(0x2F, b"")))
    return track_chunk(events)


def write_midi(path):
    parts = make_parts()
    tracks = [conductor_track()] + [part_track(p) for p in parts]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TPQ)
    with open(path, "wb") as f:
        f.write(header + b"".join(tracks))


# ---------------------------------------------------------------------------
# Sound effects: additive and FM synthesis
# ---------------------------------------------------------------------------

RATE = 44100
PEAK_DBFS = -3.0
TWO_PI = 2 * math.pi


def midi_hz(note):
    return 440.0 * 2 ** ((note - 69) / 12)


def raised_cosine(x):
    """0 -> 0, 1 -> 1, smooth at both ends."""
    x = min(1.0, max(0.0, x))
    return 0.5 - 0.5 * math.cos(math.pi * x)


def smoothstep_between(t, start, end):
    return raised_cosine((t - start) / (end - start)) if end > start else float(t >= start)


def sad_brass():
    """Bad news: G minor falling D-Bb-G, the last note sagging and going dull."""
    duration = 1.35
    steps = [(0.00, 62), (0.22, 58), (0.44, 55)]        # D4, Bb3, G3
    n = int(duration * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        # pitch: short glides between the notes, then a slow sag of a semitone
        pitch = steps[0][1]
        for start, note in steps[1:]:
            pitch += (note - pitch) * smoothstep_between(t, start - 0.015, start + 0.025)
        pitch -= 1.0 * smoothstep_between(t, 0.70, 1.25)
        wobble = 0.25 * smoothstep_between(t, 0.55, 0.9) * math.sin(TWO_PI * 5.2 * t)
        freq = midi_hz(pitch + wobble)
        # loudness: a "wah" swell per note, the last one long and dying away
        amp = 0.0
        for k, (start, _) in enumerate(steps):
            if k < len(steps) - 1:
                length = steps[k + 1][0] - start
                a = smoothstep_between(t, start, start + 0.03) * (
                    1 - smoothstep_between(t, start + length - 0.045, start + length + 0.01))
                amp += 0.85 * a
            else:
                rise = smoothstep_between(t, start, start + 0.05)
                fall = 1 - smoothstep_between(t, 0.80, duration)
                amp += rise * fall * (1.0 - 0.25 * smoothstep_between(t, 0.5, 0.9))
        # brassy 1:1 FM whose brightness follows the loudness and fades as it sags
        dull = 1.0 - 0.6 * smoothstep_between(t, 0.6, 1.2)
        index = (0.6 + 2.2 * amp) * dull
        phase += TWO_PI * freq / RATE
        out.append(amp * math.sin(phase + index * math.sin(phase)))
    return out


def chime(t, freq, length, brightness=1.0):
    """A bright bell-like note struck at t = 0, silent before it."""
    if t < 0:
        return 0.0
    attack = raised_cosine(t / 0.004)
    partials = ((1.0, 1.0, 1.0), (2.0, 0.45, 0.6), (3.0, 0.22, 0.4),
                (4.0, 0.14 * brightness, 0.3), (5.4, 0.08 * brightness, 0.2))
    value = 0.0
    for ratio, level, decay_share in partials:
        value += level * math.exp(-t / (length * decay_share)) * math.sin(TWO_PI * freq * ratio * t)
    return attack * value


def happy_chime():
    """Good news: C major arpeggio C5-E5-G5-C6 rising fast, then sparkles."""
    duration = 1.15
    arpeggio = [(0.00, 72, 0.22), (0.07, 76, 0.22), (0.14, 79, 0.25), (0.21, 84, 0.55)]
    sparkles = [(0.30, 96), (0.37, 100), (0.43, 103), (0.50, 108), (0.58, 103), (0.66, 112)]
    n = int(duration * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        value = 0.0
        for start, note, length in arpeggio:
            value += 0.55 * chime(t - start, midi_hz(note), length)
        # the held chord under the top note, for a ringing finish
        for note in (72, 76, 79):
            value += 0.12 * chime(t - 0.21, midi_hz(note), 0.45, brightness=0.3)
        for start, note in sparkles:
            dt = t - start
            if dt >= 0:
                value += 0.10 * raised_cosine(dt / 0.003) * math.exp(-dt / 0.07) * math.sin(
                    TWO_PI * midi_hz(note) * dt)
        value *= 1 - smoothstep_between(t, duration - 0.25, duration)
        out.append(value)
    return out


def query_hum():
    """A question: a soft hummed A4 then D5 with a little lift at the end, "hm?"."""
    duration = 0.60
    n = int(duration * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        pitch = 69 + 5 * smoothstep_between(t, 0.17, 0.22)       # A4 -> D5
        pitch += 0.9 * smoothstep_between(t, 0.38, 0.56)         # the questioning lift
        pitch += 0.08 * math.sin(TWO_PI * 6.0 * t) * smoothstep_between(t, 0.25, 0.4)
        freq = midi_hz(pitch)
        first = smoothstep_between(t, 0.0, 0.025) * (1 - 0.55 * smoothstep_between(t, 0.15, 0.19))
        second = smoothstep_between(t, 0.19, 0.26) * 0.55
        amp = (first + second) * (1 - smoothstep_between(t, 0.47, duration))
        phase += TWO_PI * freq / RATE
        value = math.sin(phase) + 0.22 * math.sin(2 * phase) + 0.06 * math.sin(3 * phase)
        out.append(amp * value)
    return out


def finish(samples):
    """Remove DC, taper the very ends to zero, scale the peak to -3 dBFS."""
    mean = sum(samples) / len(samples)
    samples = [s - mean for s in samples]
    edge = int(0.002 * RATE)
    for i in range(edge):
        g = raised_cosine(i / edge)
        samples[i] *= g
        samples[-1 - i] *= g
    peak = max(abs(s) for s in samples)
    scale = 10 ** (PEAK_DBFS / 20) * 32767 / peak
    return [int(round(s * scale)) for s in samples]


def write_wave(path, samples):
    data = finish(samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % len(data), *data))


EFFECTS = {"b1.wav": sad_brass, "b2.wav": happy_chime, "b3.wav": query_hum}


# ---------------------------------------------------------------------------
# Reading the files back and checking them
# ---------------------------------------------------------------------------

def read_vlq(data, pos):
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def parse_midi(data):
    """Returns (format, division, tracks); each track a list of (tick, event)."""
    if data[:4] != b"MThd":
        raise ValueError("not a MIDI file")
    length, fmt, ntracks, division = struct.unpack(">IHHH", data[4:14])
    pos = 8 + length
    tracks = []
    for _ in range(ntracks):
        if data[pos:pos + 4] != b"MTrk":
            raise ValueError("missing track chunk at byte %d" % pos)
        (size,) = struct.unpack(">I", data[pos + 4:pos + 8])
        pos += 8
        end = pos + size
        tick, status, events = 0, None, []
        while pos < end:
            delta, pos = read_vlq(data, pos)
            tick += delta
            if data[pos] & 0x80:
                status = data[pos]
                pos += 1
            if status == 0xFF:
                kind = data[pos]
                size_, pos = read_vlq(data, pos + 1)
                events.append((tick, ("meta", kind, data[pos:pos + size_])))
                pos += size_
            elif status in (0xF0, 0xF7):
                size_, pos = read_vlq(data, pos)
                pos += size_
            else:
                kind = status & 0xF0
                count = 1 if kind in (0xC0, 0xD0) else 2
                args = tuple(data[pos:pos + count])
                pos += count
                events.append((tick, ("chan", kind, status & 0x0F) + args))
        if pos != end:
            raise ValueError("track overruns its length")
        tracks.append(events)
    return fmt, division, tracks


def ticks_to_seconds(tick, tempo_map, division):
    """tempo_map: sorted (tick, microseconds per quarter)."""
    seconds, last_tick, tempo = 0.0, 0, 500_000
    for at, value in tempo_map:
        if at >= tick:
            break
        seconds += (at - last_tick) * tempo / division / 1e6
        last_tick, tempo = at, value
    return seconds + (tick - last_tick) * tempo / division / 1e6


def check_midi(path, problems):
    with open(path, "rb") as f:
        fmt, division, tracks = parse_midi(f.read())

    def fail(message):
        problems.append("%s: %s" % (os.path.basename(path), message))

    if fmt != 1:
        fail("format %d, not 1" % fmt)
    tempo_map = sorted((t, int.from_bytes(e[2], "big")) for tr in tracks for t, e in tr
                       if e[0] == "meta" and e[1] == 0x51)
    if not tempo_map or tempo_map[0][0] != 0:
        fail("no tempo at the start")
    time_sig = [e[2] for tr in tracks for t, e in tr if e[0] == "meta" and e[1] == 0x58]
    beats_per_bar = time_sig[0][0] if time_sig else 4
    song_end = max(tr[-1][0] for tr in tracks)
    channels_with_notes = set()
    programs = {}
    for number, events in enumerate(tracks):
        label = "track %d" % number
        if events[-1][1][:2] != ("meta", 0x2F):
            fail("%s does not end with End of Track" % label)
        held, last_off, channels = {}, 0, set()
        for tick, e in events:
            if e[0] != "chan":
                continue
            kind, ch = e[1], e[2]
            channels.add(ch)
            if kind == 0x90 and e[4] > 0:
                if (ch, e[3]) in held:
                    fail("%s: note %d starts again while held at tick %d" % (label, e[3], tick))
                held[(ch, e[3])] = tick
                channels_with_notes.add(ch)
                low, high = (60, 85) if ch == 9 else (55, 95)
                if not low <= e[4] <= high:
                    fail("%s: velocity %d out of %d..%d" % (label, e[4], low, high))
            elif kind == 0x80 or (kind == 0x90 and e[4] == 0):
                if held.pop((ch, e[3]), None) is None:
                    fail("%s: note-off without note-on" % label)
                last_off = max(last_off, tick)
            elif kind == 0xB0 and e[3] == 7 and not 85 <= e[4] <= 100:
                fail("%s: channel volume %d" % (label, e[4]))
            elif kind == 0xC0:
                programs[ch] = e[3]
        if held:
            fail("%s: %d notes never end" % (label, len(held)))
        if not channels:
            continue
        for ch in channels:
            tail = [(t, e[3]) for t, e in events if e[0] == "chan" and e[1] == 0xB0
                    and e[2] == ch and e[3] in (120, 123)]
            if sorted(c for _, c in tail) != [120, 123] or any(t != last_off for t, _ in tail):
                fail("%s: channel %d lacks all-sound/notes-off at its last note's end"
                     % (label, ch + 1))
        if events[-1][0] != last_off:
            fail("%s ends at tick %d, its last note at %d" % (label, events[-1][0], last_off))
        if last_off != song_end:
            fail("%s's last note ends at tick %d, before the end %d" % (label, last_off, song_end))
    if 9 not in channels_with_notes:
        fail("no drums on channel 10")
    if len(channels_with_notes) < 4:
        fail("only %d channels play" % len(channels_with_notes))
    bar_ticks = division * beats_per_bar
    if song_end % bar_ticks:
        fail("the tune stops mid-bar")
    first_note = min(t for tr in tracks for t, e in tr if e[0] == "chan" and e[1] == 0x90)
    if first_note != 0:
        fail("silence before the first note")
    seconds = ticks_to_seconds(song_end, tempo_map, division)
    if not 30 <= seconds <= 90:
        fail("lasts %.2f s" % seconds)
    bpm = 60e6 / tempo_map[0][1] if tempo_map else 120
    print("%s: format %d, %d tracks, %.2f s, %.0f bpm, %d bars of %d/4, channels %s, programs %s"
          % (os.path.basename(path), fmt, len(tracks), seconds, bpm, song_end // bar_ticks,
             beats_per_bar, sorted(c + 1 for c in channels_with_notes),
             {c + 1: p for c, p in sorted(programs.items())}))
    return seconds


def check_wave(path, problems):
    def fail(message):
        problems.append("%s: %s" % (os.path.basename(path), message))

    with wave.open(path, "rb") as w:
        channels, width, rate, frames = (w.getnchannels(), w.getsampwidth(),
                                         w.getframerate(), w.getnframes())
        raw = w.readframes(frames)
    if (channels, width) != (1, 2) or rate not in (22050, 44100):
        fail("%d channel(s), %d-bit, %d Hz" % (channels, 8 * width, rate))
        return None
    samples = struct.unpack("<%dh" % frames, raw)
    seconds = frames / rate
    peak = max(abs(s) for s in samples) / 32768
    peak_db = 20 * math.log10(peak) if peak else -999
    dc = sum(samples) / frames / 32768
    edge = int(0.001 * rate)
    start_level = max(abs(s) for s in samples[:edge]) / 32768
    end_level = max(abs(s) for s in samples[-edge:]) / 32768
    if not seconds < 1.5:
        fail("lasts %.3f s" % seconds)
    if not -3.5 <= peak_db <= -2.5:
        fail("peak %.2f dBFS" % peak_db)
    if abs(dc) > 0.002:
        fail("DC offset %.4f" % dc)
    if start_level > 0.01 or end_level > 0.01:
        fail("starts or ends with a jump (%.4f / %.4f)" % (start_level, end_level))
    print("%s: %.3f s, %d Hz mono 16-bit, peak %.2f dBFS, DC %.5f"
          % (os.path.basename(path), seconds, rate, peak_db, dc))
    return seconds


def check_all(directory):
    problems = []
    check_midi(os.path.join(directory, "mokuta.mid"), problems)
    lengths = [check_wave(os.path.join(directory, name), problems) for name in EFFECTS]
    known = [x for x in lengths if x is not None]
    for i in range(len(known)):
        for j in range(i + 1, len(known)):
            if abs(known[i] - known[j]) < 0.1:
                problems.append("two sound effects have nearly the same length")
    for problem in problems:
        print("PROBLEM:", problem)
    return not problems


def main(argv):
    args = argv[1:]
    here = os.path.dirname(os.path.abspath(__file__))
    if args and args[0] == "--check":
        return 0 if check_all(args[1] if len(args) > 1 else here) else 1
    directory = args[0] if args else here
    os.makedirs(directory, exist_ok=True)
    write_midi(os.path.join(directory, "mokuta.mid"))
    for name, make in EFFECTS.items():
        write_wave(os.path.join(directory, name), make())
    return 0 if check_all(directory) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
