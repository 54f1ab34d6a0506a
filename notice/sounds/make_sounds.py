#!/usr/bin/env python3
"""Makes the balloon notice's six sounds (mono 16-bit PCM WAV images) and the resource script that embeds
them under type "SOUND", identifiers 101 to 106, Russian.

Usage: make_sounds.py OUTPUT_DIR     (writes sound101.wav ... sound106.wav and sounds.rc)

Deterministic: the same bytes every run. Each sound has its fixed rate and sample count; its peak is set
to its level exactly.
"""
import math
import os
import struct
import sys


def clamp01(x):
    return max(0.0, min(1.0, x))


def envelope_peak(t, at, rise, fall):
    """Rises to 1 at `at`, falls off exponentially after it."""
    if t < at:
        return clamp01(t / rise) if t < rise else 1.0
    return math.exp(-(t - at) / fall)


def click(t):
    # Short quiet click about 850 Hz, loudest at about 90 ms.
    env = math.exp(-((t - 0.090) / 0.022) ** 2)
    return env * math.sin(2 * math.pi * 850 * t)


def tick(t):
    # Short soft tick about 600 Hz, faded out by about 100 ms.
    env = math.exp(-t / 0.022) * clamp01((0.100 - t) / 0.015 + 0.0)
    return env * math.sin(2 * math.pi * 600 * t)


def double_pulse(t):
    # Two bursts of about 40 ms at about 400 Hz.
    def burst(start):
        u = t - start
        if u < 0 or u > 0.040:
            return 0.0
        return math.sin(math.pi * u / 0.040)
    return (burst(0.005) + burst(0.055)) * math.sin(2 * math.pi * 400 * t)


def swell(t):
    # Quiet tone that swells to about 0.2 s and decays to silence.
    env = (t / 0.2) ** 2 if t < 0.2 else math.exp(-(t - 0.2) / 0.12)
    return env * (math.sin(2 * math.pi * 660 * t) + 0.3 * math.sin(2 * math.pi * 990 * t))


def low_tone(t, duration):
    # Loud low tone, 100 to 300 Hz, decaying while pulsing in loudness.
    env = math.exp(-t / (duration / 3.0)) * (0.6 + 0.4 * math.sin(2 * math.pi * 12 * t))
    return env * (math.sin(2 * math.pi * 110 * t) + 0.5 * math.sin(2 * math.pi * 220 * t)
                  + 0.25 * math.sin(2 * math.pi * 290 * t))


def buzz(t, duration):
    # Full-scale low buzz, 100 to 300 Hz, pulsing about every 30 ms, fading after about 0.55 s.
    pulse = 0.55 + 0.45 * math.cos(2 * math.pi * t / 0.030)
    fade = 1.0 if t < 0.55 else clamp01((duration - t) / (duration - 0.55))
    saw = sum(math.sin(2 * math.pi * f * t) / k for k, f in enumerate((120, 240, 300), start=1))
    return pulse * fade * saw


# identifier: (rate, samples, peak dBFS, shape, extra chunk)
SOUNDS = {
    101: (22050, 3178, -18.0, click, None),
    102: (11025, 1272, -22.0, tick, None),
    103: (22050, 2196, -4.0, double_pulse, b"INFOICMT" + struct.pack("<I", 16) + b"ZVK member note\0"),
    104: (22050, 18296, -15.0, swell, None),
    105: (22050, 19669, -3.0, lambda t: low_tone(t, 19669 / 22050), None),
    106: (22050, 18433, -0.2, lambda t: buzz(t, 18433 / 22050), None),
}


def samples(rate, count, peak_db, shape):
    raw = [shape(i / rate) for i in range(count)]
    top = max(abs(v) for v in raw)
    peak = round(32767 * 10 ** (peak_db / 20))
    return [int(round(v / top * peak)) for v in raw]


def wav_image(rate, values, extra):
    data = struct.pack("<%dh" % len(values), *values)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    if extra is not None:
        body += b"LIST" + struct.pack("<I", len(extra)) + extra
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    script = ["// Made by make_sounds.py: the notice's sounds, type \"SOUND\", Russian.",
              "LANGUAGE 0x19, 0x01"]
    for ident, (rate, count, peak_db, shape, extra) in SOUNDS.items():
        name = "sound%d.wav" % ident
        with open(os.path.join(out, name), "wb") as f:
            f.write(wav_image(rate, samples(rate, count, peak_db, shape), extra))
        script.append('%d SOUND "%s"' % (ident, os.path.join(out, name).replace("\\", "/")))
    with open(os.path.join(out, "sounds.rc"), "w") as f:
        f.write("\n".join(script) + "\n")


if __name__ == "__main__":
    main()
