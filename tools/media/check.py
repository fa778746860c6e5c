# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the archive's pictures and clips against tools/media/manifest.tsv.

    python3 tools/media/check.py REPO

- every manifest line names an archive file that exists, a source that exists,
  a command and a licence; no entry twice;
- every picture and clip of assets/ (Images, Sounds, Musical and the pictures
  of User) has its manifest line;
- every source in tools/media/bilder, noten, klaenge has a well-formed name
  and the manifest line of what it makes;
- what tools/media/build.sh makes is in range: square pictures of 150 to
  600 px; clips 2 to 15 s, at most 200 KB, at the agreed loudness (measured
  with ffmpeg when it is installed).
Prints one line per fault and exits 1 when there is one. Standard library only.
"""
import os
import re
import shutil
import struct
import subprocess
import sys

MEDIA_COMMAND = "tools/media/build.sh"
PICTURE_EXT = (".png", ".jpg", ".jpeg", ".gif")
CLIP_EXT = (".ogg",)
MAX_SIDE = 600
MIN_SIDE = 150  # the screen enlarges at most twice: smaller never fills its 300 px box
MIN_SECONDS, MAX_SECONDS = 2.0, 15.0
MAX_BYTES = 204800
TARGET_LUFS, LUFS_TOLERANCE = -20.0, 1.0
CEILING_DBTP = -1.0
NAME = re.compile(r"^[A-Za-z0-9_]+$")


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def ogg_seconds(path):
    """Length from the Vorbis identification header and the last granule position."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"OggS":
        return None
    i = data.find(b"\x01vorbis")
    if i < 0 or i + 16 > len(data):
        return None
    rate = struct.unpack("<I", data[i + 12:i + 16])[0]
    last = data.rfind(b"OggS")
    if rate <= 0 or last < 0 or last + 14 > len(data):
        return None
    granule = struct.unpack("<q", data[last + 6:last + 14])[0]
    return granule / rate if granule > 0 else None


def loudness(path):
    """(integrated LUFS, true peak dBTP) measured by ffmpeg, or None. A mono
    clip is measured as the game plays it: the same signal on both sides."""
    if not shutil.which("ffmpeg"):
        return None
    out = subprocess.run(["ffmpeg", "-nostats", "-hide_banner", "-i", path, "-af", "ebur128=peak=true:dualmono=true",
                          "-f", "null", "-"], capture_output=True, text=True).stderr
    i = re.findall(r"^\s+I:\s+(-?[\d.]+|-inf) LUFS", out, re.M)
    p = re.findall(r"^\s+Peak:\s+(-?[\d.]+|-inf) dBFS", out, re.M)
    if not i or not p:
        return None
    return float(i[-1]), float(p[-1])


def read_manifest(path, faults):
    lines = {}
    with open(path, encoding="utf-8") as f:
        rows = f.read().splitlines()
    if not rows or rows[0].split("\t") != ["entry", "source", "command", "origin", "licence"]:
        faults.append(f"{path}: the first line must be the header entry, source, command, origin, licence")
        return lines
    for n, row in enumerate(rows[1:], start=2):
        if not row.strip() or row.startswith("#"):
            continue
        cols = row.split("\t")
        if len(cols) != 5 or not all(c.strip() for c in cols):
            faults.append(f"manifest.tsv:{n}: five tab-separated, non-empty columns expected")
            continue
        if cols[0] in lines:
            faults.append(f"manifest.tsv:{n}: {cols[0]} listed twice")
            continue
        lines[cols[0]] = (n, cols)
    return lines


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", ".."))
    assets = os.path.join(root, "assets")
    media = os.path.join(root, "tools", "media")
    faults = []
    manifest = read_manifest(os.path.join(media, "manifest.tsv"), faults)

    for entry, (n, cols) in manifest.items():
        if not os.path.isfile(os.path.join(assets, entry)):
            faults.append(f"manifest.tsv:{n}: {entry} is not in assets/")
        for source in cols[1].split(" + "):
            if not os.path.exists(os.path.join(root, source)):
                faults.append(f"manifest.tsv:{n}: source {source} does not exist")
        script = cols[2].split()[0]
        if not os.path.isfile(os.path.join(root, script)):
            faults.append(f"manifest.tsv:{n}: command {script} does not exist")

    archived = []
    for folder in ("Images", "Sounds", "Musical", "User"):
        d = os.path.join(assets, folder)
        for name in sorted(os.listdir(d)) if os.path.isdir(d) else []:
            if name.lower().endswith(PICTURE_EXT + CLIP_EXT):
                archived.append(f"{folder}/{name}")
    for entry in archived:
        if entry not in manifest:
            faults.append(f"assets/{entry}: no line in tools/media/manifest.tsv")

    # sources of the media pipeline and what they make
    made = {}
    for kind, ext, outs in (("bilder", ".svg", ["Images"]), ("noten", ".ly", ["Images"]), ("klaenge", ".ly", ["Sounds"])):
        d = os.path.join(media, kind)
        for f in sorted(os.listdir(d)) if os.path.isdir(d) else []:
            if not f.endswith(ext):
                continue
            name = f[: -len(ext)]
            if not NAME.match(name):
                faults.append(f"tools/media/{kind}/{f}: a name has letters, digits and _ only")
            targets = list(outs)
            if kind == "noten":
                with open(os.path.join(d, f), encoding="utf-8") as src:
                    if re.search(r"\\midi\b", src.read()):
                        targets.append("Sounds")
            for t in targets:
                entry = f"{t}/{name}{'.png' if t == 'Images' else '.ogg'}"
                if entry in made:
                    faults.append(f"tools/media/{kind}/{f}: {entry} is also made from {made[entry]}")
                made[entry] = f"tools/media/{kind}/{f}"
                if entry not in manifest:
                    faults.append(f"tools/media/{kind}/{f}: {entry} has no line in manifest.tsv")
                elif manifest[entry][1][1] != f"tools/media/{kind}/{f}":
                    faults.append(f"manifest.tsv:{manifest[entry][0]}: source of {entry} should be tools/media/{kind}/{f}")

    report = []
    for entry, (n, cols) in sorted(manifest.items()):
        path = os.path.join(assets, entry)
        if cols[2].split()[0] != MEDIA_COMMAND or not os.path.isfile(path):
            continue
        if entry.lower().endswith(".png"):
            size = png_size(path)
            if not size or not MIN_SIDE <= max(size) <= MAX_SIDE:
                faults.append(f"assets/{entry}: {size} is not a picture of {MIN_SIDE} to {MAX_SIDE} px")
            elif size[0] != size[1]:
                faults.append(f"assets/{entry}: {size[0]} x {size[1]} is not square")
            else:
                report.append(f"{entry:45} {size[0]:4} x {size[1]:<4}")
        elif entry.lower().endswith(".ogg"):
            secs = ogg_seconds(path)
            kb = os.path.getsize(path)
            if secs is None or not MIN_SECONDS <= secs <= MAX_SECONDS:
                faults.append(f"assets/{entry}: {secs} s, a clip lasts {MIN_SECONDS:g} to {MAX_SECONDS:g} s")
            if kb > MAX_BYTES:
                faults.append(f"assets/{entry}: {kb} bytes, at most {MAX_BYTES}")
            level = loudness(path)
            text = ""
            if level:
                lufs, tp = level
                text = f"{lufs:6.1f} LUFS {tp:5.1f} dBTP"
                if tp > CEILING_DBTP + 0.5:
                    faults.append(f"assets/{entry}: true peak {tp} dBTP above {CEILING_DBTP}")
                if abs(lufs - TARGET_LUFS) > LUFS_TOLERANCE:
                    faults.append(f"assets/{entry}: {lufs} LUFS, the clips sit at {TARGET_LUFS:g} "
                                  f"(a clip that peaks too high for its loudness cannot reach it: soften the accents)")
            report.append(f"{entry:45} {secs or 0:5.2f} s {kb / 1024:6.1f} KB {text}")

    for line in report:
        print(line)
    for f in faults:
        print("fault: " + f, file=sys.stderr)
    print(f"{len(manifest)} manifest lines, {len(archived)} archive pictures and clips, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
