#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/: a few small files
each, valid ones and the damaged kinds the readers must survive. The files are kept in the
repository; run this again only to change them.

  fuzz/make-corpus.py [path of a settings file written by the program] [path of a small ELF]

The settings file and the shared library come from outside: a 731.in4 saved by the program at
exit, and a library built with
  gcc -shared -nostdlib -fPIC -Os -s -Wl,--hash-style=gnu -Wl,-z,norelro \
      -Wl,-z,noseparate-code -Wl,--build-id=none -o tiny.so tiny.c
from `int SeirikenInfo(void) { return 1; }`.
"""
import math
import os
import shutil
import struct
import sys

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)
corpus = os.path.join(here, "corpus")


def put(target, name, data):
    folder = os.path.join(corpus, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def hy3(records, count=None):
    out = struct.pack("<h", len(records) if count is None else count)
    for name, ticket, fares in records:
        raw = name.encode("cp932")
        out += struct.pack("<H", len(raw)) + raw + struct.pack("<h", ticket)
        out += struct.pack("<150h", *(fares + [0] * (150 - len(fares))))
    return out


def wav(samples, rate=22050, bits=16, channels=1, fmt=1):
    if fmt == 3:
        data = struct.pack("<%df" % len(samples), *samples)
    elif bits == 8:
        data = bytes(int(128 + 127 * s) for s in samples)
    else:
        data = struct.pack("<%dh" % len(samples), *(int(32767 * s) for s in samples))
    block = channels * bits // 8
    fmt_chunk = struct.pack("<HHIIHH", fmt, channels, rate, rate * block, block, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt_chunk)) + fmt_chunk
    body += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)


def midi(notes, division=96):
    track = b"\x00\xc0\x00"  # piano
    for delta, length, key in notes:
        track += vlq(delta) + bytes([0x90, key, 100]) + vlq(length) + bytes([0x80, key, 0])
    track += b"\x00\xff\x2f\x00"
    return b"MThd" + struct.pack(">IHHH", 6, 0, 1, division) + b"MTrk" + struct.pack(">I", len(track)) + track


def fare_seeds():
    stops = [("駅前", 1, [0]), ("中央通り", 2, [170, 0]), ("市役所前", 3, [210, 170, 0])]
    put("fuzz_hy3", "three-stops.hy3", hy3(stops))
    put("fuzz_hy3", "demo-2.hy3", read(os.path.join(root, "data/demo/2.hy3")))
    put("fuzz_hy3", "cut-in-a-record.hy3", hy3(stops)[:400])
    put("fuzz_hy3", "negative-count.hy3", hy3([], count=-1))
    put("fuzz_hy3", "bad-name.hy3", struct.pack("<hH", 1, 2) + b"\x81\x20" + b"\0" * 302)


def broadcast_seeds():
    put("fuzz_broadcast", "demo-2tp.csv", read(os.path.join(root, "data/demo/2tp.csv")))
    lines = ['"次は、中央通りです。お降りの方はお知らせください。",1,1', '"運賃は、""整理券""と",0,3', "終点です,1,"]
    put("fuzz_broadcast", "quoted.csv", "\r\n".join(lines).encode("cp932") + b"\r\n")
    put("fuzz_broadcast", "bad-flag.csv", "次は、駅前です,99999,1\n".encode("cp932"))
    put("fuzz_broadcast", "open-quote.csv", '"次は、駅前です,1,1\n'.encode("cp932"))


def settings_seeds(in4):
    data = read(in4)
    put("fuzz_settings", "saved.in4", data)
    put("fuzz_settings", "first-100-bytes.in4", data[:100])
    put("fuzz_settings", "long-text-count.in4", data[:10] + b"\xff\xff" + data[12:40])


def csv_seeds():
    header = "name,ticket," + ",".join("f%d" % i for i in range(1, 151))
    put("fuzz_tool_csv", "fares.csv", (header + "\n駅前,1,0\n\"中央通り, 北\",2,170,0\n市役所前,3,210,170,0,-1\n").encode())
    put("fuzz_tool_csv", "multi-line.csv", b'"two\nlines",1,2\r\n"unclosed,1\n')
    put("fuzz_tool_csv", "not-cp932.csv", "müller,1,99999\n".encode())
    put("fuzz_tool_csv", "tp.csv", read(os.path.join(root, "data/demo/2tp.csv")))
    put("fuzz_tool_csv", "sjis-japanese-header.csv",
        "停留所名,整理券番号,運賃1\r\n駅前,1,0\r\nﾊﾙﾈ①髙島屋前,2,16384,-1\r\n本町,,170\r\n".encode("cp932"))
    put("fuzz_tool_csv", "bom-controls.csv", "\ufeff\"\u241b[31m赤\u2407\",1,1\r\n放送文,送り,音\rtext,1,0\r".encode())


def mci_seeds():
    commands = {
        "open-wave": 'open "/home/user/サウンド/chime 1.wav" type waveaudio alias 731S1 wait',
        "open-midi": 'open "c:\\sounds\\a.mid" type sequencer alias 731_copyS3 wait',
        "play-wait": "play 731S2 from 0 wait",
        "stop": "STOP 731S2",
        "close-all": "close all wait",
        "quote-inside": 'open "a" type sequencer alias 731S4 wait "b.wav" type waveaudio alias x',
    }
    for name, text in commands.items():
        put("fuzz_mci", name, text.encode())


def sound_seeds():
    tone = [0.5 * math.sin(2 * math.pi * 440 * i / 8000) for i in range(400)]
    put("fuzz_sound_files", "pcm16.wav", wav(tone, rate=8000))
    put("fuzz_sound_files", "pcm8.wav", wav(tone[:200], rate=11025, bits=8))
    put("fuzz_sound_files", "float-stereo.wav", wav(tone[:200], rate=48000, bits=32, channels=2, fmt=3))
    put("fuzz_sound_files", "cut.wav", wav(tone, rate=8000)[:60])
    put("fuzz_sound_files", "chime.mid", midi([(0, 48, 72), (0, 48, 76), (24, 96, 79)]))
    rmid = midi([(0, 96, 60)])
    body = b"RMID" + b"data" + struct.pack("<I", len(rmid)) + rmid
    put("fuzz_sound_files", "chime.rmi", b"RIFF" + struct.pack("<I", len(body)) + body)
    put("fuzz_sound_files", "long-pause.mid", midi([(0, 24, 60), (96 * 3600, 24, 62)]))
    # Found by fuzzing: FluidSynth 2.3 read the chunk "MTr\0" of length -4 for ever.
    put("fuzz_sound_files", "endless-chunk.rmi", bytes.fromhex(
        "5249464631000000524d49446461d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1"
        "d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d1d16773d10000010000"
        "903c6418800195008c009000183e803e6400ff004d546864001702060000000100604d54"
        "7200fffffffc0000002b008c6460803c0000ff2f00"))


def plugin_seeds(elf):
    data = read(elf)
    put("fuzz_plugin_file", "tiny.so", data)
    put("fuzz_plugin_file", "cut-in-headers.so", data[:120])
    put("fuzz_plugin_file", "elf32-header", b"\x7fELF\x01\x01\x01" + b"\0" * 45)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    shutil.rmtree(corpus, ignore_errors=True)
    fare_seeds()
    broadcast_seeds()
    settings_seeds(sys.argv[1])
    csv_seeds()
    mci_seeds()
    sound_seeds()
    plugin_seeds(sys.argv[2])


if __name__ == "__main__":
    main()
