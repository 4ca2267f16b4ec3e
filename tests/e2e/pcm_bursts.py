#!/usr/bin/python3
"""Counts the bursts of sound in what SDL's disk audio driver rendered (16-bit little-endian stereo, 44100 Hz):
stretches louder than 1000 separated by at least 20 ms of quiet. Prints the count.
Usage: pcm_bursts.py FILE (none yet: 0)"""
import array
import sys

RATE = 44100


def count_bursts(path, threshold=1000, gap_ms=20):
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read()
    samples.frombytes(data[: len(data) // 4 * 4])
    if sys.byteorder != "little":
        samples.byteswap()
    gap = gap_ms * RATE // 1000
    bursts, quiet = 0, gap
    for left in samples[::2]:
        if left > threshold or left < -threshold:
            if quiet >= gap:
                bursts += 1
            quiet = 0
        else:
            quiet += 1
    return bursts


if __name__ == "__main__":
    try:
        print(count_bursts(sys.argv[1]))
    except FileNotFoundError:
        print(0)
