#!/usr/bin/env python3
"""Writes data/yippee.wav: a short rising three-note chime, 16-bit mono PCM at 22050 Hz."""
import math
import struct
import sys

RATE = 22050
NOTES = [(0.00, 783.99), (0.11, 1046.50), (0.22, 1318.51)]  # G5, C6, E6
LENGTH = 0.75


def sample(t):
    value = 0.0
    for start, freq in NOTES:
        dt = t - start
        if dt < 0:
            continue
        attack = min(1.0, dt / 0.005)
        envelope = attack * math.exp(-dt * 6.0)
        # A bell-like tone: the fundamental with a soft octave and twelfth.
        value += envelope * (math.sin(2 * math.pi * freq * dt)
                             + 0.3 * math.sin(2 * math.pi * 2 * freq * dt)
                             + 0.1 * math.sin(2 * math.pi * 3 * freq * dt))
    fade = min(1.0, (LENGTH - t) / 0.05)
    return value * fade * 0.28


def main(path):
    frames = bytearray()
    for n in range(int(RATE * LENGTH)):
        v = max(-1.0, min(1.0, sample(n / RATE)))
        frames += struct.pack('<h', int(v * 32767))
    header = b'RIFF' + struct.pack('<I', 36 + len(frames)) + b'WAVE'
    header += b'fmt ' + struct.pack('<IHHIIHH', 16, 1, 1, RATE, RATE * 2, 2, 16)
    header += b'data' + struct.pack('<I', len(frames))
    with open(path, 'wb') as f:
        f.write(header + frames)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'data/yippee.wav')
