#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the listening clips of the ear-training questions as 16-bit WAV.

    python3 make_hoeren.py OUTDIR [NAME ...]

Writes "Hoeren_Oktave.wav", "Hoeren_Quinte.wav", ... (see CLIPS below);
make_hoeren.sh turns them into OGG files in assets/Sounds/.  A question names
its clip with "Audio=Hoeren_Quinte.ogg".

Every pitch is equal-tempered with a' = 440 Hz.  Note names in the code are
English (C4 = c', B4 = h', Eb4 = es').  Intervals are played as two notes one
after the other, then both together; chords broken upwards, then together.
The instrument is a soft piano: harmonic partials with a little string
stiffness, two slightly detuned strings per note, a felt hammer knock and a
damper that stops the note when the key is let go.  The whole run is
deterministic (fixed seeds, no randomness in the tones themselves).
"""
import math
import os
import random
import sys

from synth import (run_generator, SR, Mix, biquad, fade_edges, hz, limit, loudness_db, mallet_click,
                   mixsum, nsamp, onepole, reverb, struck, write_wav)
from make_sounds import CEILING, TARGET

# The game plays a question's clip once at full volume, like sound.ogg, so the
# clips are matched to sound.ogg's loudness (TARGET - 4 dB) and never peak
# above the common ceiling.
LOUDNESS = TARGET - 4.0


# ====================================================================== piano

def piano_partials(f):
    """Partials of a soft piano tone at f Hz: (ratio, amplitude, t60)."""
    b = 0.00035 * (f / 261.63) ** 0.5            # string stiffness, a little more up high
    t60 = 3.2 * (261.63 / f) ** 0.45             # low notes ring longer
    parts = []
    for k in range(1, 11):
        ratio = k * math.sqrt(1.0 + b * k * k) / math.sqrt(1.0 + b)
        amp = 1.0 / k ** 1.25
        if k == 7:                               # the hammer strikes near 1/7 of the string
            amp *= 0.2
        parts.append((ratio, amp, t60 / (1.0 + 0.55 * (k - 1))))
    return parts


def piano_note(note, gate, rng, tail=0.35, vel=1.0):
    """One piano note held for `gate` seconds, then damped.  vel 0..1 makes the
    tone a little darker when softer."""
    f = hz(note)
    dur = gate + tail
    parts = piano_partials(f)
    bright = 0.55 + 0.45 * vel
    parts = [(r, a * bright ** (k * 0.6), t) for k, (r, a, t) in enumerate(parts)]
    # two strings, detuned by +-0.4 cent: a slow, gentle shimmer, no audible mistuning
    cents = 2.0 ** (0.4 / 1200.0)
    s1 = struck(f * cents, dur, parts, attack=0.002)
    s2 = struck(f / cents, dur, parts, attack=0.002)
    sig = [0.5 * (a + b) for a, b in zip(s1, s2)]
    # felt hammer: a short, dark knock
    sig = mixsum(sig, onepole(mallet_click(0.025, 2.5 * f, rng, 0.25), 2500.0))
    # damper: after the key is let go the tone dies within about 0.15 s
    ng = nsamp(gate)
    k = math.exp(-1.0 / (0.035 * SR))
    g = 1.0
    for i in range(ng, len(sig)):
        g *= k
        sig[i] *= g
    return [v * vel for v in sig]


def play(mix, note, t, gate, rng, gain=0.5, pan=0.0, vel=1.0):
    mix.add(piano_note(note, gate, rng, vel=vel), t, gain, pan)


def interval(low, high, rng):
    """The two notes one after the other, then both together."""
    m = Mix(3.9)
    play(m, low, 0.02, 0.85, rng, pan=-0.1)
    play(m, high, 1.02, 0.85, rng, pan=0.1)
    play(m, low, 2.05, 1.5, rng, gain=0.42, pan=-0.1)
    play(m, high, 2.05, 1.5, rng, gain=0.42, pan=0.1)
    return m


def chord(notes, rng):
    """Broken upwards, then together."""
    m = Mix(3.6)
    pans = [-0.2 + 0.4 * k / max(1, len(notes) - 1) for k in range(len(notes))]
    for k, (note, p) in enumerate(zip(notes, pans)):
        play(m, note, 0.02 + 0.5 * k, 0.45, rng, pan=p)
    for note, p in zip(notes, pans):
        play(m, note, 1.62, 1.6, rng, gain=0.36, pan=p)
    return m


def scale(notes, rng, step=0.36):
    m = Mix(step * (len(notes) - 1) + 1.45)
    for k, note in enumerate(notes):
        last = k == len(notes) - 1
        p = -0.25 + 0.5 * k / (len(notes) - 1)
        play(m, note, 0.02 + step * k, 1.0 if last else step - 0.03, rng, pan=p)
    return m


# ====================================================================== clips

def oktave():
    return interval("C4", "C5", random.Random(401))          # c' - c''


def quinte():
    return interval("C4", "G4", random.Random(402))          # c' - g'


def quarte():
    return interval("C4", "F4", random.Random(403))          # c' - f'


def grosse_terz():
    return interval("C4", "E4", random.Random(404))          # c' - e'


def kleine_terz():
    return interval("A3", "C4", random.Random(405))          # a - c'


def tritonus():
    return interval("F4", "B4", random.Random(406))          # f' - h'


def durakkord():
    return chord(["C4", "E4", "G4"], random.Random(407))     # c' e' g'


def mollakkord():
    return chord(["C4", "Eb4", "G4"], random.Random(408))    # c' es' g'


def moll_harmonisch():
    """a-Moll harmonisch aufwärts: a h c' d' e' f' gis' a'."""
    return scale(["A3", "B3", "C4", "D4", "E4", "F4", "G#4", "A4"], random.Random(409))


def woodblock(freq, rng, amp):
    """A hollow wooden click: a few fast-dying inharmonic modes and a knock."""
    parts = [(1.0, 1.0, 0.09), (1.71, 0.35, 0.05), (2.94, 0.18, 0.03), (4.3, 0.08, 0.02)]
    sig = struck(freq, 0.2, parts, attack=0.0006)
    sig = mixsum(sig, onepole(mallet_click(0.012, 4000.0, rng, 0.6), 3500.0))
    sig = biquad(sig, "highpass", 250.0)
    return [v * amp for v in sig]


def dreivierteltakt():
    """Four bars of 3/4 at 150 beats a minute: a high, loud click on one,
    lower and softer clicks on two and three."""
    rng = random.Random(410)
    beat = 60.0 / 150.0
    m = Mix(12 * beat + 0.1)
    for k in range(12):
        t = 0.02 + k * beat
        if k % 3 == 0:
            m.add(woodblock(1250.0, rng, 1.0), t, 0.8, 0.0)
        else:
            m.add(woodblock(820.0, rng, 0.42), t, 0.8, 0.0)
    return m


CLIPS = {
    "Hoeren_Oktave": oktave,
    "Hoeren_Quinte": quinte,
    "Hoeren_Quarte": quarte,
    "Hoeren_Grosse_Terz": grosse_terz,
    "Hoeren_Kleine_Terz": kleine_terz,
    "Hoeren_Tritonus": tritonus,
    "Hoeren_Durakkord": durakkord,
    "Hoeren_Mollakkord": mollakkord,
    "Hoeren_Moll_harmonisch": moll_harmonisch,
    "Hoeren_Dreivierteltakt": dreivierteltakt,
}


def render(name, outdir):
    mix = CLIPS[name]()
    reverb(mix, wet=0.14, room=0.72, damp=0.4)
    fade_edges(mix.L, mix.R, fade_in=0.003, fade_out=0.02, tail=0.25)
    for ch in (mix.L, mix.R):
        dc = sum(ch) / len(ch)
        ch[:] = [v - dc for v in ch]
    loud = loudness_db(mix.L, mix.R)
    peak = max(max(abs(v) for v in mix.L), max(abs(v) for v in mix.R))
    # loudness match, but leave the peaks at the ceiling when that is quieter
    gain = min(10.0 ** ((LOUDNESS - loud) / 20.0), CEILING * 0.995 / peak)
    mix.L[:] = [v * gain for v in mix.L]
    mix.R[:] = [v * gain for v in mix.R]
    reduction = limit(mix.L, mix.R, CEILING * 0.995)
    fade_edges(mix.L, mix.R, fade_in=0.003, fade_out=0.02)
    seed = sum(ord(c) for c in name)
    write_wav(os.path.join(outdir, name + ".wav"), mix.L, mix.R, seed=seed)
    return loud + 20.0 * math.log10(gain), reduction


def main(argv):
    return run_generator(argv, CLIPS, render, "clip", __doc__, 22)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
