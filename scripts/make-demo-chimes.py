#!/usr/bin/env python3
"""Writes the demo chimes for the pre-broadcast sound slots into data/demo/sounds/.

    scripts/make-demo-chimes.py [output folder]

pinpon.wav     two tones, high then low ("ピンポーン"), the usual next-stop chime
pon.wav        one tone
pinponpan.wav  three rising tones, for the first and the last announcement

Each tone is a struck-bar sound: a fundamental with a few partials, a short attack and an
exponential decay. 22050 Hz, mono, 16-bit; the output is the same on every run.
"""
import math
import os
import struct
import sys
import wave

RATE = 22050


def tone(freq, length, decay, gain):
    """Samples of one struck tone lasting `length` seconds."""
    partials = ((1.0, 1.0), (2.0, 0.35), (2.76, 0.12), (4.0, 0.06))
    attack = int(0.004 * RATE)
    release = int(0.02 * RATE)
    count = int(length * RATE)
    out = []
    for i in range(count):
        t = i / RATE
        envelope = math.exp(-t / decay) * min(1.0, i / attack) * min(1.0, (count - i) / release)
        value = 0.0
        for ratio, level in partials:
            # Higher partials die away sooner, as on a real bar.
            value += level * math.exp(-t * ratio / (2 * decay)) * math.sin(2 * math.pi * freq * ratio * t)
        out.append(gain * envelope * value)
    return out


def mix(parts, length):
    """Tones placed at their start times in one buffer of `length` seconds."""
    buffer = [0.0] * int(length * RATE)
    for start, samples in parts:
        offset = int(start * RATE)
        for i, s in enumerate(samples):
            if offset + i < len(buffer):
                buffer[offset + i] += s
    return buffer


def write(path, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = min(1.0, 0.8 / peak) * 32767
    # A few milliseconds of fade at the end, so that the file does not stop with a click.
    fade = int(0.01 * RATE)
    frames = bytearray()
    for i, s in enumerate(samples):
        if i >= len(samples) - fade:
            s *= (len(samples) - i) / fade
        frames += struct.pack('<h', int(round(max(-1.0, min(1.0, s * scale / 32767)) * 32767)))
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))
    print(path, os.path.getsize(path), 'bytes')


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, 'data', 'demo', 'sounds')
    os.makedirs(folder, exist_ok=True)
    e5, c5, g5, c6 = 659.26, 523.25, 783.99, 1046.50
    write(os.path.join(folder, 'pinpon.wav'),
          mix([(0.0, tone(e5, 0.6, 0.25, 0.8)), (0.45, tone(c5, 1.05, 0.45, 0.8))], 1.5))
    write(os.path.join(folder, 'pon.wav'), mix([(0.0, tone(g5, 0.9, 0.35, 0.8))], 0.9))
    write(os.path.join(folder, 'pinponpan.wav'),
          mix([(0.0, tone(c5, 0.5, 0.22, 0.8)), (0.3, tone(e5, 0.5, 0.22, 0.8)),
               (0.6, tone(g5, 0.5, 0.22, 0.8)), (0.9, tone(c6, 1.1, 0.45, 0.7))], 2.0))


if __name__ == '__main__':
    main()
