#!/usr/bin/python3
"""What a user would write instead of sefaro-cli spectrum over a corpus: read each WAVE file
with SciPy, keep its first half second, take the segment, apply a Hamming window, transform
it with NumPy's FFT scaled by 1/N and write the same CSV columns as
`sefaro-cli spectrum --files-from LIST`, each float as Python's repr.

usage: numpy_reference.py LIST [--size N] [--position P]   (LIST: one path a line)
"""
import argparse
import sys

import numpy as np
from scipy.io import wavfile

KEPT_SAMPLES = 22050


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("list")
    parser.add_argument("--size", type=int, default=1024)
    parser.add_argument("--position", type=int, default=0)
    args = parser.parse_args()
    size, position = args.size, args.position
    window = np.hamming(size)
    out = sys.stdout
    out.write("file,bin,frequency_hz,log_power,phase_rad\n")
    with open(args.list) as paths:
        for path in (line.rstrip("\n") for line in paths):
            if not path:
                continue
            rate, samples = wavfile.read(path)
            segment = samples[:KEPT_SAMPLES][position:position + size].astype(np.float64)
            spectrum = np.fft.fft(segment * window)[: size // 2] / size
            log_power = np.log1p(spectrum.real**2 + spectrum.imag**2)
            phase = np.arctan2(spectrum.imag, spectrum.real)
            frequency = np.arange(size // 2) * rate / size
            out.write("".join(
                f"{path},{k},{f!r},{p!r},{q!r}\n"
                for k, (f, p, q) in enumerate(zip(frequency.tolist(), log_power.tolist(),
                                                  phase.tolist()))))


if __name__ == "__main__":
    main()
