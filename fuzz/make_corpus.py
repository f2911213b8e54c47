#!/usr/bin/env python3
# Writes the seed corpus of fuzz_inspect into fuzz/corpus/: small crafted
# documents for the fuzzer's search start of 64, in both byte orders, every
# known release byte, with and without marker and record, and odd headers.
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus')


def doc(be, release, body=b'', order_byte=None):
    d = bytearray(64)
    d[24] = order_byte if order_byte is not None else (2 if be else 1)
    d[32 if be else 29] = release
    return bytes(d + body)


def sep(be):
    return b'\x40\x09' if be else b'\x09\x40'


def marker47(be):
    return bytes.fromhex('4e0d660e306a30' if be else '4e0e666a30e630')


def record(be, edition, sub):
    return bytes([edition]) + b'f' * (11 if be else 12) + sep(be) + sub


files = {}
for be in (True, False):
    o = 'big' if be else 'little'
    for r in range(3, 8):
        marker = sep(be) + b'3.' if r == 3 else marker47(be)
        files[f'{o}-{r:02x}-record'] = doc(
            be, r, b'x' * 20 + marker + b'y' * 30 + record(be, r % 2, b'7.5.0.149'))
    files[f'{o}-06-no-marker'] = doc(be, 6, b'z' * 100 + sep(be) + b'abc')
    files[f'{o}-03-wrong-marker'] = doc(be, 3, marker47(be) + record(be, 0, b'6.0'))
    files[f'{o}-05-short-edition-field'] = doc(
        be, 5, marker47(be) + sep(be) + b'\x01' + sep(be) + b'75')
    files[f'{o}-07-straddle'] = doc(
        be, 7, b'q' * (4096 - 3) + marker47(be) + b'r' * 4000 + record(be, 1, b'5.5.5'))
files['unknown-08'] = doc(False, 8)
files['order-byte-ff'] = doc(False, 4, order_byte=0xff)
files['short-24'] = bytes(24)
files['short-30-big'] = bytes([0] * 24 + [2] + [3] * 5)
files['empty'] = b''

os.makedirs(OUT, exist_ok=True)
for name, data in files.items():
    with open(os.path.join(OUT, name + '.indd'), 'wb') as f:
        f.write(data)
