#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the game's fixed sounds as 16-bit stereo WAV files.

    python3 make_sounds.py OUTDIR [NAME ...]

Writes "Ja 1.wav" .. "Ja 6.wav" (right answer), "Nein 1.wav" .. "Nein 6.wav"
(wrong answer), "slot.wav" (the rolling counter of the announcement) and
"sound.wav" (the counter landing).  make_sounds.sh turns them into OGG files.
Everything is deterministic: each sound has its own fixed random seed.
"""
import math
import os
import random
import sys

from synth import (run_generator, SR, TAU, Mix, adsr, biquad, BELL, CELESTA, echo, fade_edges,
                   fm, GLOCKENSPIEL, hz, limit, loudness_db, mallet_click, MARIMBA,
                   mixsum, multiply, noise, nsamp, onepole, pluck, pulse, reverb,
                   saw, smooth_random, struck, svf, write_wav, XYLOPHONE)

# Loudness targets (dB on the approximate short-term scale of loudness_db)
# and the peak ceiling.  The jingles and slot.ogg are played at volume 0.5,
# sound.ogg at 1.0, so sound.ogg is mastered a little lower to land just above
# the rest instead of jumping out.  The wrong-answer jingles hold their tone
# where the right-answer ones ring away, so they sit 2 dB lower; slot.ogg is
# continuous and sits 6 dB lower.
TARGET = -12.0
CEILING = 10.0 ** (-3.4 / 20.0)     # leaves room for the encoder's overshoot


def bar(mix, preset, note, t, gain, pan, dur, rng, click=0.12, attack=0.0015):
    f = hz(note)
    sig = struck(f, dur, preset, attack=attack)
    if click:
        sig = mixsum(sig, mallet_click(0.02, 3.0 * f, rng, click))
    mix.add(sig, t, gain, pan)


def brass(note, dur, gate, bright=1.0, detune=0.0, vib=0.004):
    """FM brass: the modulation index follows the amplitude, so the tone
    brightens as it swells, like a real lip-reed."""
    f = hz(note) * (1.0 + detune)
    n = nsamp(dur)
    env = adsr(n, 0.035, 0.18, 0.75, 0.14, gate)
    # a small overshoot at the attack ("blat")
    na = nsamp(0.06)
    for i in range(min(na, n)):
        env[i] *= 1.0 + 0.25 * math.sin(math.pi * i / na)
    idx = [0.5 + 3.6 * bright * e for e in env]
    sig = fm(f, dur, 1.0, idx, env, vib_rate=5.2, vib_depth=vib, vib_delay=0.18,
             feedback=0.2)
    return biquad(sig, "lowpass", 6500.0)


def reed(freqs, env, formants, lp=2500.0, width=0.5, breath=0.0, rng=None):
    """Reed or buzz tone: band-limited pulse through a formant bank."""
    src = pulse(freqs, width)
    if breath and rng is not None:
        nz = onepole(noise(len(freqs), rng), 3000.0)
        src = [s + breath * z for s, z in zip(src, nz)]
    out = [0.0] * len(src)
    for fc, q, g in formants:
        y = biquad(src, "bandpass", fc, q)
        out = [o + g * v for o, v in zip(out, y)]
    out = biquad(out, "lowpass", lp)
    return multiply(out, env)


def glide(n, points):
    """Per-sample frequency from (time, Hz) points, exponential between them."""
    out = [0.0] * n
    pts = [(nsamp(t), f) for t, f in points]
    j = 0
    for i in range(n):
        while j + 1 < len(pts) - 1 and i >= pts[j + 1][0]:
            j += 1
        (i0, f0), (i1, f1) = pts[j], pts[min(j + 1, len(pts) - 1)]
        if i1 <= i0 or i >= i1:
            out[i] = f1 if i >= i1 else f0
        else:
            u = (i - i0) / (i1 - i0)
            out[i] = f0 * (f1 / f0) ** u
    return out


# ====================================================================== Ja

def ja1():
    """Rising C major arpeggio on a marimba, landing on a ringing chord."""
    rng = random.Random(101)
    m = Mix(1.5)
    run = ["C5", "E5", "G5", "C6", "E6"]
    for k, note in enumerate(run):
        bar(m, MARIMBA, note, 0.075 * k, 0.55 + 0.05 * k, -0.4 + 0.2 * k, 1.2, rng)
    t = 0.42
    for note, g, p in (("C5", 0.35, -0.3), ("G5", 0.35, 0.2), ("C6", 0.5, -0.1),
                       ("E6", 0.45, 0.3), ("G6", 0.4, 0.0)):
        bar(m, MARIMBA, note, t, g, p, 1.05, rng)
    bar(m, CELESTA, "C7", t, 0.12, 0.1, 1.05, rng, click=0)
    reverb(m, wet=0.30, room=0.80)
    return m, 0.25


def ja2():
    """Little brass fanfare in B flat: ta-ta-ta-taaa."""
    m = Mix(1.45)
    for k in range(3):
        m.add(brass("F4", 0.2, 0.065, bright=0.8), 0.095 * k, 0.45, 0.0)
    t = 0.285
    for note, g, p, dt in (("Bb3", 0.30, -0.35, -0.002), ("D4", 0.28, 0.35, 0.0015),
                           ("F4", 0.30, -0.15, 0.001), ("Bb4", 0.45, 0.1, -0.001)):
        m.add(brass(note, 1.1, 0.72, bright=1.0, detune=dt), t, g, p)
    # timpani-ish low thump under the landing chord
    thump = struck(hz("Bb2"), 0.8, [(1.0, 1.0, 0.6), (1.5, 0.3, 0.3), (1.99, 0.2, 0.25)],
                   attack=0.003)
    m.add(thump, t, 0.35, 0.0)
    reverb(m, wet=0.35, room=0.82)
    return m, 0.2


def ja3():
    """Glockenspiel run up a D major scale with a final chord."""
    rng = random.Random(103)
    m = Mix(1.7)
    run = ["D6", "E6", "F#6", "G6", "A6", "B6", "C#7"]
    for k, note in enumerate(run):
        bar(m, GLOCKENSPIEL, note, 0.048 * k, 0.35, -0.5 + k / 6.0, 0.9, rng, click=0.05)
    t = 0.36
    for note, g, p in (("D6", 0.35, -0.3), ("F#6", 0.3, 0.3), ("A6", 0.3, -0.1),
                       ("D7", 0.45, 0.15)):
        bar(m, GLOCKENSPIEL, note, t, g, p, 1.3, rng, click=0.05)
    for note, g, p in (("D5", 0.35, -0.2), ("A5", 0.25, 0.2)):
        bar(m, CELESTA, note, t, g, p, 1.3, rng, click=0)
    echo(m, 0.16, 0.3, 0.18)
    reverb(m, wet=0.3, room=0.82)
    return m, 0.3


def ja4():
    """Plucked-string cadence IV - V - I in G, each chord strummed upwards."""
    rng = random.Random(104)
    m = Mix(1.85)
    chords = [
        (0.00, ["C3", "G3", "C4", "E4", "G4"], 0.55),
        (0.30, ["D3", "A3", "D4", "F#4", "A4"], 0.55),
        (0.62, ["G2", "D3", "G3", "B3", "D4", "G4", "B4"], 1.2),
    ]
    for t, notes, ring in chords:
        for k, note in enumerate(notes):
            f = hz(note)
            last = t == 0.62
            s = pluck(f, ring + 0.2, rng, t60=1.6 if last else 0.9, bright=0.55)
            if not last:        # damp the strings before the next chord
                env = adsr(len(s), 0.0005, 0.1, 1.0, 0.04, ring - 0.02 * k)
                s = multiply(s, env)
            m.add(s, t + 0.017 * k, 0.32, -0.5 + k / max(1, len(notes) - 1))
    # a bell-like harmonic on top of the final chord
    bar(m, CELESTA, "G5", 0.62 + 0.13, 0.10, 0.3, 1.0, rng, click=0)
    for ch in (m.L, m.R):                               # a little body, no fizz
        ch[:] = biquad(biquad(ch, "peak", 220.0, 1.0, 2.0), "lowpass", 6000.0)
    reverb(m, wet=0.28, room=0.8)
    return m, 0.3


def ja5():
    """Xylophone ta-daa in A: a short pick-up, then a rolled chord."""
    rng = random.Random(105)
    m = Mix(1.35)
    bar(m, XYLOPHONE, "E5", 0.0, 0.45, -0.2, 0.5, rng, click=0.2)
    bar(m, XYLOPHONE, "A4", 0.0, 0.3, 0.2, 0.5, rng, click=0.1)
    t = 0.17
    chord = ["A5", "C#6", "E6"]
    for note, p in zip(chord, (-0.3, 0.3, 0.0)):
        bar(m, XYLOPHONE, note, t, 0.5, p, 0.7, rng, click=0.2)
    bar(m, XYLOPHONE, "A4", t, 0.35, 0.0, 0.7, rng, click=0.1)
    # tremolo roll that dies away
    k = 0
    tt = t + 0.07
    while tt < 0.95:
        note = chord[k % 3] if k % 2 == 0 else chord[(k + 1) % 3]
        g = 0.38 * (1.0 - (tt - t) / 0.9) ** 1.3
        bar(m, XYLOPHONE, note, tt + rng.uniform(-0.004, 0.004), g,
            (-0.3, 0.3, 0.0)[k % 3], 0.5, rng, click=0.15)
        tt += 0.058
        k += 1
    reverb(m, wet=0.3, room=0.78)
    return m, 0.25


def ja6():
    """Celesta sparkle: a quick zig-zag up the E major pentatonic, then a
    shimmering chord."""
    rng = random.Random(106)
    m = Mix(1.85)
    sparkle = ["G#5", "B5", "E6", "C#6", "F#6", "G#6", "E6", "B6", "C#7", "E7"]
    t = 0.0
    for k, note in enumerate(sparkle):
        bar(m, CELESTA, note, t, 0.30, (-0.6, 0.6)[k % 2] * rng.uniform(0.4, 1.0), 0.8, rng,
            click=0.03, attack=0.003)
        t += 0.042 + rng.uniform(-0.006, 0.006)
    t += 0.03
    for note, g, p in (("E5", 0.4, -0.3), ("G#5", 0.3, 0.3), ("B5", 0.3, -0.1),
                       ("E6", 0.35, 0.2)):
        bar(m, CELESTA, note, t, g, p, 1.4, rng, click=0.02, attack=0.003)
    for k, note in enumerate(("B6", "E7", "G#6", "B6")):
        bar(m, GLOCKENSPIEL, note, t + 0.09 * (k + 1), 0.12 - 0.02 * k,
            (-0.6, 0.6, -0.3, 0.3)[k], 0.9, rng, click=0)
    echo(m, 0.13, 0.35, 0.2)
    reverb(m, wet=0.35, room=0.84)
    return m, 0.35


# ====================================================================== Nein

def trombone(freqs, env, wah_open, rng):
    src = saw(freqs)
    cut = [300.0 + 1300.0 * w for w in wah_open]
    y = svf(src, cut, q=2.2)
    y = biquad(y, "lowpass", 2800.0)
    return multiply(y, env)


def nein1():
    """Wah-wah-wah-waaah: a muted trombone sliding down in semitones."""
    rng = random.Random(201)
    m = Mix(1.75)
    n = m.n
    notes = [(0.00, 0.23, "G3"), (0.27, 0.23, "F#3"), (0.54, 0.23, "F3"), (0.81, 0.72, "E3")]
    freqs = [hz("G3")] * n
    env = [0.0] * n
    wah = [0.0] * n
    for t, gate, note in notes:
        i0 = nsamp(t)
        ln = nsamp(gate + 0.12)
        e = adsr(ln, 0.03, 0.2, 0.85, 0.08, gate)
        f = hz(note)
        for i in range(ln):
            j = i0 + i
            if j >= n:
                break
            tt = i / SR
            ff = f
            if gate > 0.5:               # the last note: vibrato and a little droop
                ff *= 1.0 + 0.012 * min(1.0, tt / 0.25) * math.sin(TAU * 5.0 * tt)
                ff *= 2.0 ** (-0.6 * max(0.0, tt - 0.45) / 12.0)
            freqs[j] = ff
            env[j] = max(env[j], e[i])
            # the plunger mute opens and closes once per note ("wah")
            u = min(1.0, tt / gate)
            wah[j] = max(wah[j], math.sin(math.pi * u) ** 1.5 if gate < 0.5
                         else math.sin(math.pi * min(1.0, tt / 0.3) / 2) * (1.0 - 0.6 * u))
    sig = trombone(freqs, env, wah, rng)
    m.add(sig, 0.0, 0.6, 0.0)
    reverb(m, wet=0.3, room=0.8)
    return m, 0.15


def nein2():
    """Oh-oh: two soft clarinet notes falling a minor third."""
    rng = random.Random(202)
    m = Mix(1.15)
    for t, gate, note, vib in ((0.0, 0.26, "E4", 0.0), (0.34, 0.55, "C#4", 0.006)):
        n = nsamp(gate + 0.2)
        f = hz(note)
        freqs = [f * (1.0 + vib * min(1.0, i / (0.2 * SR)) * math.sin(TAU * 5.0 * i / SR))
                 for i in range(n)]
        env = adsr(n, 0.04, 0.2, 0.8, 0.12, gate)
        s = reed(freqs, env, [(f * 1.0, 1.5, 1.0), (1200.0, 1.2, 0.35), (2600.0, 2.0, 0.08)],
                 lp=1800.0, width=0.5, breath=0.02, rng=rng)
        m.add(s, t, 0.9, -0.1 if t == 0 else 0.1)
    reverb(m, wet=0.35, room=0.82)
    return m, 0.2


def nein3():
    """A comic bassoon boing: a low reed tone that wobbles like a spring and
    sinks."""
    rng = random.Random(203)
    m = Mix(1.3)
    n = nsamp(1.15)
    f0 = hz("C3")
    freqs = [0.0] * n
    for i in range(n):
        t = i / SR
        rise = 1.0 - math.exp(-t / 0.025)                        # boi...
        semis = 5.0 * rise - 6.0 * max(0.0, t - 0.15) / 0.95      # ...sinking
        semis += 2.0 * math.exp(-t / 0.35) * math.sin(TAU * 8.5 * t)   # -oi-oi-oing
        freqs[i] = f0 * 2.0 ** ((semis - 2.0) / 12.0)
    env = adsr(n, 0.015, 0.3, 0.7, 0.15, 0.95)
    s = reed(freqs, env, [(480.0, 1.6, 1.0), (1150.0, 2.0, 0.4), (2400.0, 3.0, 0.08)],
             lp=2200.0, width=0.35, breath=0.015, rng=rng)
    s = biquad(s, "peak", 150.0, 1.0, 3.0)
    m.add(s, 0.0, 0.9, 0.0)
    reverb(m, wet=0.25, room=0.78)
    return m, 0.15


def nein4():
    """A kazoo that deflates: a buzzy voice gliding down with a wobble,
    sputtering out."""
    rng = random.Random(204)
    m = Mix(1.45)
    n = nsamp(1.35)
    wob = smooth_random(n, rng, 14.0, 0.35)
    freqs = [0.0] * n
    env = [0.0] * n
    puff = 0.0
    for i in range(n):
        t = i / SR
        u = t / 1.35
        semis = -14.0 * u ** 1.4 + wob[i] + 0.5 * math.sin(TAU * 6.0 * t)
        freqs[i] = hz("F#4") * 2.0 ** (semis / 12.0)
        a = min(1.0, t / 0.03) * (1.0 - u) ** 0.8
        # the last air comes out in puffs, faster and faster
        puff += TAU * (9.0 + 10.0 * u) / SR
        depth = 0.4 * min(1.0, max(0.0, (u - 0.5) / 0.2))
        env[i] = a * (1.0 - depth * (0.5 + 0.5 * math.cos(puff)))
    s = reed(freqs, env, [(650.0, 2.5, 1.0), (1100.0, 3.0, 0.6), (2400.0, 4.0, 0.2)],
             lp=3200.0, width=0.3, breath=0.05, rng=rng)
    m.add(s, 0.0, 1.0, 0.0)
    reverb(m, wet=0.22, room=0.75)
    return m, 0.12


def nein5():
    """A muted trumpet tiptoeing down chromatically."""
    m = Mix(1.45)
    notes = [(0.00, "A4", 0.13), (0.19, "G#4", 0.13), (0.38, "G4", 0.13), (0.57, "F#4", 0.55)]
    for k, (t, note, gate) in enumerate(notes):
        dur = gate + 0.3
        n = nsamp(dur)
        env = adsr(n, 0.025, 0.15, 0.7, 0.1, gate)
        idx = [0.3 + 1.6 * e for e in env]
        s = fm(hz(note), dur, 1.0, idx, env, vib_rate=5.5, vib_depth=0.005 if gate > 0.3 else 0.0,
               vib_delay=0.12, feedback=0.3)
        s = biquad(s, "bandpass", 1300.0, 0.9)          # the mute
        s = biquad(s, "peak", 600.0, 1.0, 4.0)
        m.add(s, t, 1.3, (-0.2, 0.1, -0.1, 0.2)[k])
    # soft pizzicato bass underneath
    rng = random.Random(205)
    for t, note in ((0.0, "D3"), (0.57, "B2")):       # ends on B minor
        bass = biquad(pluck(hz(note), 0.7, rng, t60=0.6, bright=0.3), "lowpass", 1200.0)
        m.add(bass, t, 0.4, 0.0)
    reverb(m, wet=0.3, room=0.8)
    return m, 0.2


def nein6():
    """A soft, low bonk followed by a quiet A minor chord on an electric piano."""
    rng = random.Random(206)
    m = Mix(1.55)
    n = nsamp(0.45)
    bonk = [0.0] * n
    ph = 0.0
    for i in range(n):
        t = i / SR
        # a hollow wooden knock that sags in pitch (small speakers still carry it)
        f = 150.0 + 140.0 * math.exp(-t / 0.03)
        ph += TAU * f / SR
        e = math.exp(-t / 0.08) * min(1.0, t / 0.002)
        bonk[i] = e * (math.sin(ph + 0.5 * math.sin(2.0 * ph)) + 0.3 * math.sin(2.76 * ph))
    wood = onepole(mallet_click(0.03, 1500.0, rng, 1.0), 1800.0)
    m.add(bonk, 0.0, 0.8, 0.0)
    m.add(wood, 0.0, 0.5, 0.0)
    t = 0.16
    for k, (note, p) in enumerate((("A3", 0.0), ("C4", -0.3), ("E4", 0.3), ("A4", 0.0))):
        dur = 1.35
        ln = nsamp(dur)
        amp = adsr(ln, 0.004, 0.9, 0.25, 0.3, 0.95)
        idx = [1.8 * math.exp(-i / (0.3 * SR)) + 0.25 for i in range(ln)]
        s = fm(hz(note), dur, 1.0, idx, amp)
        m.add(s, t + 0.012 * k, 0.26, p)
    reverb(m, wet=0.32, room=0.82)
    return m, 0.25


# ====================================================================== counter

def tick(rng, accent, kind="tick"):
    """One click of the mechanical counter: a short noise snap, a small metal
    ring and, on accents, the thock of the wheel."""
    n = nsamp(0.05)
    out = [0.0] * n
    fr = rng.uniform(2300.0, 2800.0)
    fw = rng.uniform(800.0, 950.0)
    sin = math.sin
    nz = noise(n, rng)
    snap = biquad(nz, "bandpass", rng.uniform(3200.0, 4200.0), 1.2)
    for i in range(n):
        t = i / SR
        v = snap[i] * math.exp(-t / 0.002) * 2.5
        v += 0.5 * sin(TAU * fr * t) * math.exp(-t / 0.005)
        if accent:
            v += 0.5 * sin(TAU * fw * t) * math.exp(-t / 0.008)
            v += 0.3 * sin(TAU * 330.0 * t) * math.exp(-t / 0.01)
        out[i] = v
    if kind == "clack":                     # the heavier stop of the wheel
        body = [0.0] * n
        for i in range(n):
            t = i / SR
            body[i] = 0.8 * sin(TAU * 520.0 * t) * math.exp(-t / 0.015) \
                + 0.5 * sin(TAU * 180.0 * t) * math.exp(-t / 0.02)
        out = mixsum(out, body)
    out = biquad(out, "lowpass", 7000.0)
    return out


def slot():
    """The rolling counter: fast ticks with an accent every 150 ms (the
    counter's pace), a soft whirr and a quiet tone rising underneath."""
    rng = random.Random(301)
    dur = 5.0
    m = Mix(dur)
    t = 0.0
    k = 0
    while t < dur - 0.05:
        accent = k % 3 == 0
        m.add(tick(rng, accent), t + rng.uniform(-0.0015, 0.0015),
              0.55 if accent else 0.3, rng.uniform(-0.25, 0.25))
        t += 0.05
        k += 1
    n = m.n
    # whirr of the wheels
    wh = onepole(onepole(noise(n, rng), 700.0), 700.0)
    wh = [w * (0.6 + 0.4 * math.sin(TAU * 20.0 * i / SR)) for i, w in enumerate(wh)]
    m.add(wh, 0.0, 0.2, 0.0)
    # soft tone rising a fifth, pulsing with the counter
    tone = [0.0] * n
    ph = 0.0
    for i in range(n):
        tt = i / SR
        f = hz("D4") * 2.0 ** (7.0 * tt / dur / 12.0)
        ph += TAU * f / SR
        a = min(1.0, tt / 0.6) * (0.75 + 0.25 * math.cos(TAU * tt / 0.15))
        tone[i] = a * (math.sin(ph) + 0.25 * math.sin(2 * ph) + 0.08 * math.sin(3 * ph))
    m.add(tone, 0.0, 0.06, -0.15)
    fifth = [0.0] * n
    ph = 0.0
    for i in range(n):
        tt = i / SR
        f = hz("A4") * 2.0 ** (7.0 * tt / dur / 12.0)
        ph += TAU * f / SR
        a = min(1.0, tt / 1.0) * (0.75 + 0.25 * math.cos(TAU * tt / 0.15 + 1.0))
        fifth[i] = a * math.sin(ph)
    m.add(fifth, 0.0, 0.03, 0.15)
    reverb(m, wet=0.15, room=0.7, size=0.7)
    return m, 0.35


def landing():
    """The counter lands: clack, clack, ding, with a short bright chord."""
    rng = random.Random(302)
    m = Mix(1.6)
    m.add(tick(rng, True, "clack"), 0.0, 1.1, -0.1)
    m.add(tick(rng, True, "clack"), 0.105, 1.2, 0.1)
    t = 0.22
    m.add(struck(hz("C7"), 1.3, BELL, attack=0.001), t, 0.35, 0.0)
    for note, g, p in (("C5", 0.3, -0.3), ("E5", 0.28, 0.3), ("G5", 0.28, -0.1), ("C6", 0.3, 0.2)):
        m.add(struck(hz(note), 1.0, CELESTA, attack=0.002), t, g, p)
        m.add(struck(hz(note) * 2.0, 0.6, GLOCKENSPIEL, attack=0.001), t, g * 0.3, -p)
    for note, g, p in (("C4", 0.22, -0.2), ("G4", 0.18, 0.2), ("E5", 0.16, 0.0)):
        env_n = nsamp(0.9)
        s = fm(hz(note), 0.9, 1.0, [0.3 + 2.0 * math.exp(-i / (0.08 * SR)) for i in range(env_n)],
               adsr(env_n, 0.01, 0.25, 0.3, 0.2, 0.3))
        m.add(s, t, g, p)
    reverb(m, wet=0.3, room=0.8)
    return m, 0.3


SOUNDS = {
    "Ja 1": (ja1, 0.0), "Ja 2": (ja2, 0.0), "Ja 3": (ja3, 0.0),
    "Ja 4": (ja4, 0.0), "Ja 5": (ja5, 0.0), "Ja 6": (ja6, 0.0),
    "Nein 1": (nein1, -2.0), "Nein 2": (nein2, -2.0), "Nein 3": (nein3, -2.0),
    "Nein 4": (nein4, -2.0), "Nein 5": (nein5, -2.0), "Nein 6": (nein6, -2.0),
    "slot": (slot, -6.0), "sound": (landing, -4.0),
}


def render(name, outdir):
    fn, offset = SOUNDS[name]
    mix, tail = fn()
    fade_edges(mix.L, mix.R, fade_in=0.003, fade_out=0.02, tail=tail)
    # remove any DC offset
    for ch in (mix.L, mix.R):
        dc = sum(ch) / len(ch)
        ch[:] = [v - dc for v in ch]
    loud = loudness_db(mix.L, mix.R)
    gain = 10.0 ** ((TARGET + offset - loud) / 20.0)
    mix.L[:] = [v * gain for v in mix.L]
    mix.R[:] = [v * gain for v in mix.R]
    reduction = limit(mix.L, mix.R, CEILING * 0.995)
    fade_edges(mix.L, mix.R, fade_in=0.003, fade_out=0.02)
    seed = sum(ord(c) for c in name)
    write_wav(os.path.join(outdir, name + ".wav"), mix.L, mix.R, seed=seed)
    return loud, reduction


def main(argv):
    return run_generator(argv, SOUNDS, render, "sound", __doc__, 8)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
