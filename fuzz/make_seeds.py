#!/usr/bin/env python3
"""Writes the small seed corpus every fuzz target starts from (fuzz/corpus/<target>/).

Every seed is made here, byte by byte, so the corpus can be regenerated and
reviewed; run it again after changing a seed.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("latin-1")
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def bmp(width, height, bits, table=(), top_down=False, info_size=40):
    row_bytes = ((width * bits + 31) // 32) * 4
    colours = b"".join(struct.pack("<I", c) for c in table)
    pixels = bytes((x * 37 + y * 11) & 0xFF for y in range(height) for x in range(row_bytes))
    if info_size == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
        colours = b"".join(struct.pack("<I", c)[:3] for c in table)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits,
                           0, row_bytes * height, 2835, 2835, len(table), 0)
    offset = 14 + len(info) + len(colours)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return header + info + colours + pixels


def wav(rate, channels, bits, frames, extra_chunk=False):
    frame = channels * bits // 8
    samples = bytes((i * 7) & 0xFF for i in range(frames * frame))
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * frame, frame, bits)
    chunks = b"fmt " + struct.pack("<I", len(fmt)) + fmt
    if extra_chunk:
        chunks += b"LIST" + struct.pack("<I", 5) + b"INFOx\0"  # odd length, padded
    chunks += b"data" + struct.pack("<I", len(samples)) + samples
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def midi(format_, tracks):
    out = b"MThd" + struct.pack(">IHHH", 6, format_, len(tracks), 96)
    for events in tracks:
        out += b"MTrk" + struct.pack(">I", len(events)) + events
    return out


END = b"\x00\xff\x2f\x00"
NOTES = b"\x00\x90\x3c\x40" + b"\x60\x3c\x00" + b"\x00\x3e\x40" + b"\x81\x40\x80\x3e\x00"
META = b"\x00\xff\x51\x03\x07\xa1\x20" + b"\x00\xff\x03\x04reef"
SYSEX = b"\x00\xf0\x05\x7e\x7f\x09\x01\xf7"
CONTROLS = b"\x00\xc0\x05" + b"\x00\xb0\x07\x64" + b"\x00\xe0\x00\x40" + b"\x00\xd0\x30"


def main():
    write("bitmap_file", "mono.bmp", bmp(9, 3, 1, (0x000000, 0xFFFFFF)))
    write("bitmap_file", "sixteen.bmp", bmp(5, 2, 4, tuple(i * 0x111111 for i in range(16))))
    write("bitmap_file", "palette.bmp", bmp(3, 3, 8, tuple(i * 0x010101 for i in range(256))))
    write("bitmap_file", "truecolour.bmp", bmp(3, 2, 24))
    write("bitmap_file", "topdown32.bmp", bmp(2, 2, 32, top_down=True))
    write("bitmap_file", "core_header.bmp", bmp(4, 2, 8, (0x00FF00, 0x0000FF), info_size=12))

    write("wave", "mono8.wav", wav(11025, 1, 8, 16))
    write("wave", "stereo16.wav", wav(22050, 2, 16, 8))
    write("wave", "with_list.wav", wav(8000, 1, 16, 5, extra_chunk=True))

    write("midi", "format0.mid", midi(0, [META + CONTROLS + NOTES + SYSEX + END]))
    write("midi", "format1.mid", midi(1, [META + END, CONTROLS + NOTES + END]))
    write("midi", "running_status.mid", midi(0, [b"\x00\x90\x40\x40\x10\x41\x40\x10\x40\x00" + END]))

    settings = ("[Bluvessa]\r\nfirstrun=1\r\nspeed = 3\r\nmessage=\"Hello, reef\"\r\n"
                "; a comment\r\n\r\n[Other]\r\nkey=value\r\n")
    for target in ("profile_text", "profile_file"):
        # The readers' inputs: section, key and value (each ended by a lone
        # backslash, as the fuzz input splitter expects), then the file.
        write(target, "replace.txt", "Bluvessa\\\nspeed\\\n5\\\n" + settings)
        write(target, "new_key.txt", "bluvessa\\\nClock\\\n 'on' \\\n" + settings)
        write(target, "new_section.txt", "Fresh\\\nk\\\nv\\\n" + settings.replace("\r\n", "\n"))
        write(target, "bare.txt", "s\\\nk\\\nv\\\nno ending[s]\rk=old")

    for name, line in (("saver", "/s"), ("preview", "/p 1234567"), ("colon", "/c:8812"),
                       ("password", "/a 42"), ("support", " /H "), ("home", "/w"),
                       ("exponent", "/p 1.5e3"), ("blank", "")):
        write("command_line", name + ".txt", line)


if __name__ == "__main__":
    main()
