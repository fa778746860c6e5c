# SPDX-License-Identifier: GPL-3.0-or-later
"""Small synthesis toolkit for the game's jingles (python3 standard library only).

Signals are plain Python lists of floats at SR samples per second.  Every
random choice goes through a random.Random with a fixed seed, so a run always
produces the same samples.
"""
import array
import math
import random
import sys
import wave

SR = 44100
TAU = 2.0 * math.pi

_NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def midi(name):
    """'C4' -> 60, 'F#3' -> 54, 'Bb4' -> 70."""
    step = _NOTE[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        step += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + step


def hz(note):
    """Equal temperament, A4 = 440 Hz.  Accepts a note name or a MIDI number."""
    m = midi(note) if isinstance(note, str) else note
    return 440.0 * 2.0 ** ((m - 69) / 12.0)


def nsamp(seconds):
    return max(1, int(round(seconds * SR)))


# ---------------------------------------------------------------- mixing

class Mix:
    """A stereo mix bus of fixed length."""

    def __init__(self, seconds):
        self.n = nsamp(seconds)
        self.L = [0.0] * self.n
        self.R = [0.0] * self.n

    def add(self, sig, t, gain=1.0, pan=0.0):
        start = int(round(t * SR))
        if start >= self.n:
            return
        end = min(self.n, start + len(sig))
        a = (pan + 1.0) * math.pi / 4.0          # equal-power pan, centre = 1.0
        gl = math.cos(a) * gain * math.sqrt(2.0)
        gr = math.sin(a) * gain * math.sqrt(2.0)
        seg = sig[: end - start]
        self.L[start:end] = [x + gl * s for x, s in zip(self.L[start:end], seg)]
        self.R[start:end] = [x + gr * s for x, s in zip(self.R[start:end], seg)]


def scale(sig, g):
    return [s * g for s in sig]


def mixsum(*sigs):
    n = max(len(s) for s in sigs)
    out = [0.0] * n
    for s in sigs:
        out[: len(s)] = [a + b for a, b in zip(out[: len(s)], s)]
    return out


def multiply(sig, env):
    return [a * b for a, b in zip(sig, env)]


# ---------------------------------------------------------------- envelopes

def adsr(n, a, d, s, r, gate):
    """Linear attack, exponential decay to sustain level s, exponential release.
    a, d, r and gate in seconds; gate is the time the key is held."""
    out = [0.0] * n
    na = max(1, nsamp(a))
    ng = nsamp(gate)
    kd = math.exp(-1.0 / max(1.0, d * SR / 4.0))      # ~ -35 dB after d
    kr = math.exp(-1.0 / max(1.0, r * SR / 5.0))      # ~ -43 dB after r
    level = 0.0
    for i in range(n):
        if i < ng:
            if i < na:
                level = i / na
            else:
                level = s + (level - s) * kd
        else:
            level *= kr
        out[i] = level
    return out


def fade_edges(L, R, fade_in=0.003, fade_out=0.02, tail=0.0):
    """Raised-cosine fade-in and fade-out; `tail` adds a longer gentle fade
    before the final fade so that a ringing reverb does not stop abruptly."""
    n = len(L)
    ni = nsamp(fade_in)
    for i in range(min(ni, n)):
        g = 0.5 - 0.5 * math.cos(math.pi * i / ni)
        L[i] *= g
        R[i] *= g
    no = nsamp(fade_out + tail)
    for k in range(min(no, n)):
        i = n - 1 - k
        g = 0.5 - 0.5 * math.cos(math.pi * k / no)
        L[i] *= g
        R[i] *= g


# ---------------------------------------------------------------- oscillators

def struck(freq, dur, partials, attack=0.0015, amp=1.0):
    """Additive model of a struck bar or bell: partials = [(ratio, amp, t60)],
    each partial decaying exponentially by 60 dB in t60 seconds."""
    n = nsamp(dur)
    out = [0.0] * n
    sin = math.sin
    for ratio, pa, t60 in partials:
        f = freq * ratio
        if f >= SR * 0.45:
            continue
        w = TAU * f / SR
        m = math.exp(math.log(0.001) / (t60 * SR))
        stop = min(n, int(t60 * SR * 100.0 / 60.0))   # down by 100 dB
        a = pa * amp
        for i in range(stop):
            out[i] += a * sin(w * i)
            a *= m
    na = nsamp(attack)
    for i in range(min(na, n)):
        out[i] *= i / na
    return out


MARIMBA = [(1.0, 1.0, 0.9), (3.93, 0.30, 0.16), (9.2, 0.06, 0.05), (2.0, 0.05, 0.4)]
XYLOPHONE = [(1.0, 1.0, 0.45), (3.0, 0.45, 0.18), (6.0, 0.12, 0.07), (9.9, 0.04, 0.04)]
GLOCKENSPIEL = [(1.0, 1.0, 1.8), (2.76, 0.28, 0.7), (5.40, 0.12, 0.3), (8.93, 0.05, 0.15)]
CELESTA = [(1.0, 1.0, 1.4), (2.0, 0.22, 0.6), (3.0, 0.06, 0.3), (4.0, 0.07, 0.22), (5.95, 0.02, 0.1)]
BELL = [(0.5, 0.25, 2.2), (1.0, 1.0, 1.6), (1.19, 0.25, 1.1), (1.5, 0.2, 1.0),
        (2.0, 0.35, 0.8), (2.51, 0.12, 0.5), (3.0, 0.1, 0.4), (4.07, 0.05, 0.25)]


def mallet_click(dur, freq, rng, amp=0.15):
    """The soft knock of a mallet: a few milliseconds of low-passed noise."""
    n = nsamp(dur)
    out = [0.0] * n
    k = math.exp(-1.0 / (0.0025 * SR))
    a = amp
    lp = 0.0
    c = 1.0 - math.exp(-TAU * min(freq, SR * 0.4) / SR)
    for i in range(n):
        lp += c * ((rng.random() * 2.0 - 1.0) - lp)
        out[i] = lp * a
        a *= k
    return out


def fm(freq, dur, ratio, index_env, amp_env, vib_rate=0.0, vib_depth=0.0,
       vib_delay=0.0, feedback=0.0):
    """Two-operator FM: carrier at freq, modulator at ratio * freq.
    index_env and amp_env are per-sample lists (length >= dur)."""
    n = nsamp(dur)
    out = [0.0] * n
    sin = math.sin
    pc = 0.0
    pm = 0.0
    prev = 0.0
    nd = nsamp(vib_delay)
    for i in range(n):
        f = freq
        if vib_depth and i > nd:
            ramp = min(1.0, (i - nd) / (0.15 * SR))
            f *= 1.0 + vib_depth * ramp * sin(TAU * vib_rate * i / SR)
        pc += TAU * f / SR
        pm += TAU * f * ratio / SR
        mod = sin(pm + feedback * prev)
        prev = mod
        out[i] = amp_env[i] * sin(pc + index_env[i] * mod)
    return out


def saw(freqs):
    """Band-limited sawtooth (PolyBLEP) following a per-sample frequency list."""
    out = [0.0] * len(freqs)
    t = 0.0
    for i, f in enumerate(freqs):
        dt = f / SR
        v = 2.0 * t - 1.0
        if t < dt:
            x = t / dt
            v -= x + x - x * x - 1.0
        elif t > 1.0 - dt:
            x = (t - 1.0) / dt
            v -= x * x + x + x + 1.0
        out[i] = v
        t += dt
        if t >= 1.0:
            t -= 1.0
    return out


def pulse(freqs, width=0.5):
    """Band-limited pulse wave as the difference of two shifted sawtooths."""
    a = saw(freqs)
    out = [0.0] * len(freqs)
    t = width
    for i, f in enumerate(freqs):
        dt = f / SR
        v = 2.0 * t - 1.0
        if t < dt:
            x = t / dt
            v -= x + x - x * x - 1.0
        elif t > 1.0 - dt:
            x = (t - 1.0) / dt
            v -= x * x + x + x + 1.0
        out[i] = 0.5 * (a[i] - v)
        t += dt
        if t >= 1.0:
            t -= 1.0
    return out


def pluck(freq, dur, rng, t60=1.5, bright=0.5, amp=1.0):
    """Karplus-Strong plucked string with an all-pass fractional delay so that
    high notes stay in tune."""
    n = nsamp(dur)
    period = SR / freq
    d = int(period - 0.5 - 0.1)
    frac = period - 0.5 - d
    c = (1.0 - frac) / (1.0 + frac)
    loss = 10.0 ** (-3.0 / (t60 * freq))
    # excitation: low-passed noise, more low-passed for a darker pluck
    raw = [0.0] * d
    lp1 = lp2 = 0.0
    k = 0.08 + 0.5 * bright
    for i in range(d):
        lp1 += k * ((rng.random() * 2.0 - 1.0) - lp1)
        lp2 += k * (lp1 - lp2)
        raw[i] = lp2
    # plucking a seventh of the way along the string: comb out its harmonics
    p = max(1, d // 7)
    buf = [raw[i] - 0.8 * raw[i - p] for i in range(d)]
    mean = sum(buf) / d
    peak = max(1e-9, max(abs(b - mean) for b in buf))
    buf = [(b - mean) / peak for b in buf]
    out = [0.0] * n
    idx = 0
    xprev = 0.0
    lprev = 0.0
    aprev = 0.0
    for i in range(n):
        x = buf[idx]
        lo = 0.5 * (x + xprev) * loss
        xprev = x
        ap = c * (lo - aprev) + lprev
        lprev = lo
        aprev = ap
        buf[idx] = ap
        idx += 1
        if idx == d:
            idx = 0
        out[i] = x * amp
    na = nsamp(0.001)
    for i in range(min(na, n)):
        out[i] *= i / na
    return out


def noise(n, rng):
    return [rng.random() * 2.0 - 1.0 for _ in range(n)]


# ---------------------------------------------------------------- filters

def biquad(x, kind, f0, q=0.707, gain_db=0.0):
    """RBJ cookbook biquad: lowpass, highpass, bandpass, highshelf, peak."""
    A = 10.0 ** (gain_db / 40.0)
    w0 = TAU * f0 / SR
    cw = math.cos(w0)
    alpha = math.sin(w0) / (2.0 * q)
    if kind == "lowpass":
        b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    elif kind == "highpass":
        b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    elif kind == "bandpass":                     # 0 dB peak gain
        b0, b1, b2 = alpha, 0.0, -alpha
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
    elif kind == "peak":
        b0, b1, b2 = 1 + alpha * A, -2 * cw, 1 - alpha * A
        a0, a1, a2 = 1 + alpha / A, -2 * cw, 1 - alpha / A
    elif kind == "highshelf":
        sa = 2 * math.sqrt(A) * alpha
        b0 = A * ((A + 1) + (A - 1) * cw + sa)
        b1 = -2 * A * ((A - 1) + (A + 1) * cw)
        b2 = A * ((A + 1) + (A - 1) * cw - sa)
        a0 = (A + 1) - (A - 1) * cw + sa
        a1 = 2 * ((A - 1) - (A + 1) * cw)
        a2 = (A + 1) - (A - 1) * cw - sa
    else:
        raise ValueError(kind)
    b0 /= a0; b1 /= a0; b2 /= a0; a1 /= a0; a2 /= a0
    out = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, v in enumerate(x):
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2 = x1; x1 = v; y2 = y1; y1 = y
        out[i] = y
    return out


def svf(x, cutoffs, q=0.707, mode="low"):
    """Time-varying state-variable filter (trapezoidal), cutoff per sample,
    updated every 16 samples.  mode: 'low' or 'band'."""
    out = [0.0] * len(x)
    ic1 = ic2 = 0.0
    k = 1.0 / q
    a1 = a2 = a3 = 0.0
    band = mode == "band"
    for i, v0 in enumerate(x):
        if i % 16 == 0:
            fc = min(cutoffs[i], SR * 0.45)
            g = math.tan(math.pi * fc / SR)
            a1 = 1.0 / (1.0 + g * (g + k))
            a2 = g * a1
            a3 = g * a2
        v3 = v0 - ic2
        v1 = a1 * ic1 + a2 * v3
        v2 = ic2 + a2 * ic1 + a3 * v3
        ic1 = 2.0 * v1 - ic1
        ic2 = 2.0 * v2 - ic2
        out[i] = v1 * k if band else v2
    return out


def onepole(x, f0):
    c = 1.0 - math.exp(-TAU * f0 / SR)
    out = [0.0] * len(x)
    y = 0.0
    for i, v in enumerate(x):
        y += c * (v - y)
        out[i] = y
    return out


def smooth_random(n, rng, rate, depth):
    """Slowly wandering random curve (for flutter), values around 0."""
    out = [0.0] * n
    step = max(1, int(SR / rate))
    pts = [rng.uniform(-depth, depth) for _ in range(n // step + 3)]
    for i in range(n):
        j, r = divmod(i, step)
        u = r / step
        u = u * u * (3.0 - 2.0 * u)
        out[i] = pts[j] + (pts[j + 1] - pts[j]) * u
    return out


# ---------------------------------------------------------------- reverb

def _comb(x, d, fb, damp):
    buf = [0.0] * d
    out = [0.0] * len(x)
    idx = 0
    store = 0.0
    d1 = 1.0 - damp
    for i, v in enumerate(x):
        o = buf[idx]
        store = o * d1 + store * damp
        buf[idx] = v + store * fb
        idx += 1
        if idx == d:
            idx = 0
        out[i] = o
    return out


def _allpass(x, d, g=0.5):
    buf = [0.0] * d
    out = [0.0] * len(x)
    idx = 0
    for i, v in enumerate(x):
        b = buf[idx]
        buf[idx] = v + b * g
        out[i] = b - v * g
        idx += 1
        if idx == d:
            idx = 0
    return out


def reverb(mix, wet=0.25, room=0.8, damp=0.3, size=1.0, predelay=0.012):
    """Schroeder/Moorer style room: four damped combs and two all-passes per
    channel, slightly different lengths left and right for width."""
    n = mix.n
    pd = nsamp(predelay)
    inp = [0.0] * pd + [0.5 * (a + b) for a, b in zip(mix.L, mix.R)][: n - pd]
    inp = biquad(inp, "highpass", 180.0)
    combs = [1116, 1188, 1277, 1356]
    aps = [556, 441]
    for ch, spread in ((mix.L, 0), (mix.R, 23)):
        acc = [0.0] * n
        for c in combs:
            y = _comb(inp, int((c + spread) * size), room, damp)
            acc = [a + b for a, b in zip(acc, y)]
        for a in aps:
            acc = _allpass(acc, int((a + spread) * size))
        g = wet * 0.25
        ch[:] = [d + g * w for d, w in zip(ch, acc)]


def echo(mix, delay, fb, gain, lp=3500.0):
    """Ping-pong feedback delay with a low-pass in the loop: the first repeat
    comes from the left, the second from the right, and so on."""
    d = nsamp(delay)
    n = mix.n
    src = [0.5 * (a + b) for a, b in zip(mix.L, mix.R)]
    el = [0.0] * n
    er = [0.0] * n
    c = 1.0 - math.exp(-TAU * lp / SR)
    yl = yr = 0.0
    for i in range(d, n):
        yl += c * ((src[i - d] + fb * er[i - d]) - yl)
        yr += c * (fb * el[i - d] - yr)
        el[i] = yl
        er[i] = yr
    mix.L[:] = [a + gain * (e + 0.3 * f) for a, e, f in zip(mix.L, el, er)]
    mix.R[:] = [a + gain * (f + 0.3 * e) for a, e, f in zip(mix.R, el, er)]


# ---------------------------------------------------------------- loudness

def loudness_db(L, R):
    """Approximate short-term loudness: a K-like weighting (high-pass plus a
    high-shelf), mean square over 400 ms windows, the loudest window in dB."""
    out = -120.0
    power = [0.0] * len(L)
    for ch in (L, R):
        w = biquad(ch, "highpass", 60.0, 0.5)
        w = biquad(w, "highshelf", 1500.0, 0.707, 4.0)
        power = [p + v * v for p, v in zip(power, w)]
    win = nsamp(0.4)
    hop = nsamp(0.05)
    cs = [0.0]
    acc = 0.0
    for p in power:
        acc += p
        cs.append(acc)
    n = len(power)
    if n <= win:
        ms = cs[n] / win
        return 10.0 * math.log10(max(ms, 1e-12))
    for s in range(0, n - win + 1, hop):
        ms = (cs[s + win] - cs[s]) / win
        out = max(out, 10.0 * math.log10(max(ms, 1e-12)))
    return out


def limit(L, R, ceiling):
    """Look-ahead peak limiter: the gain curve is a moving average of a
    sliding minimum of the required gain, so it never exceeds the ceiling and
    moves smoothly (about 3 ms), then recovers over about 60 ms."""
    n = len(L)
    req = [min(1.0, ceiling / max(abs(a), abs(b), 1e-9)) for a, b in zip(L, R)]
    if min(req) >= 1.0:
        return 0.0
    w = nsamp(0.0015)
    # sliding minimum over [i - w, i + w] (van Herk / Gil-Werman)
    size = 2 * w + 1
    padded = [1.0] * w + req + [1.0] * (w + size)
    m = len(padded)
    pre = [0.0] * m
    suf = [0.0] * m
    for i in range(m):
        pre[i] = padded[i] if i % size == 0 else min(pre[i - 1], padded[i])
    for i in range(m - 1, -1, -1):
        suf[i] = padded[i] if (i + 1) % size == 0 or i == m - 1 else min(suf[i + 1], padded[i])
    smin = [min(suf[i], pre[i + size - 1]) for i in range(n)]
    # moving average over [i - w, i + w]
    cs = [0.0]
    acc = 0.0
    padded2 = [1.0] * w + smin + [1.0] * w
    for v in padded2:
        acc += v
        cs.append(acc)
    avg = [(cs[i + size] - cs[i]) / size for i in range(n)]
    rel = 1.0 / (0.06 * SR)
    g = 1.0
    worst = 1.0
    for i in range(n):
        g = min(avg[i], g + rel)
        worst = min(worst, g)
        L[i] *= g
        R[i] *= g
    return -20.0 * math.log10(worst)


# ---------------------------------------------------------------- output

def write_wav(path, L, R, seed=1):
    """16-bit stereo WAV with TPDF dither (seeded)."""
    rng = random.Random(seed)
    data = array.array("h")
    lsb = 1.0 / 32768.0
    for a, b in zip(L, R):
        for v in (a, b):
            d = (rng.random() - rng.random()) * lsb
            s = int(round((v + d) * 32767.0))
            data.append(max(-32768, min(32767, s)))
    if sys.byteorder == "big":
        data.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(data.tobytes())


def run_generator(argv, table, render, kind, doc, label_width):
    """Command line of a generator: argv = [script, outdir, name ...]; renders the
    named entries of `table` (all without names) with render(name, outdir), which
    returns (loudness in dB, limiter reduction in dB)."""
    import os
    import time
    if len(argv) < 2:
        print(doc)
        return 2
    outdir = argv[1]
    names = argv[2:] or list(table)
    unknown = [n for n in names if n not in table]
    if unknown:
        print("unknown %s(s): %s; known: %s" % (kind, ", ".join(unknown), ", ".join(table)), file=sys.stderr)
        return 2
    os.makedirs(outdir, exist_ok=True)
    for name in names:
        t0 = time.time()
        loud, red = render(name, outdir)
        print("%-*s loudness %6.1f dB, limiter %4.1f dB, %.1f s" % (label_width, name, loud, red, time.time() - t0))
    return 0
