#!/usr/bin/env python3
"""Makes the program's voices and sound effects.

Voices come from espeak-ng (British English, a little slower than its default), trimmed of the
silence at both ends with sox so that letters spelled one a second never run into each other.
Effects are synthesised here. Everything is 16-bit PCM mono WAV.

Usage: make_sounds.py <program folder> [jobs]
"""
import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import wave
from concurrent.futures import ThreadPoolExecutor

RATE = 22050
VOICE = ["-v", "en-gb", "-s", "140", "-p", "55"]

LETTER_WORDS = [
    "Apple", "Boat", "Cow", "Dog", "Eggs", "Frog", "Guitar", "Horse", "Insect", "Jug", "Kite",
    "Lion", "Mouse", "Nuts", "Orange", "Parrot", "Quill", "Rabbit", "Sheep", "Teddy", "Umbrella",
    "Violin", "Watch", "Box", "Yacht", "Zebra",
]

# What the pictures 1.jpg to 10.jpg show, so that the sentence names what the child counts.
NUMBER_THINGS = ["owl", "ducks", "fish", "balloons", "flowers", "butterflies", "stars",
                 "strawberries", "balls", "cars"]

ONES = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
        "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen",
        "nineteen"]
TENS = {2: "twenty", 3: "thirty"}


def number_name(n):
    if n < 20:
        return ONES[n]
    tens, units = divmod(n, 10)
    return TENS[tens] + ("" if units == 0 else "-" + ONES[units])


def letter(ch):
    """SSML that makes espeak-ng say the letter's name rather than a word."""
    return '<say-as interpret-as="characters">%s</say-as>' % ch


# (relative path, text, is SSML)
def voice_jobs():
    jobs = []

    def app(name, text):
        jobs.append(("Sounds/App/" + name, text, False))

    app("MnuClose.Wav", "Close")
    for i, t in enumerate(["Options", "Lessons", "Music", "Level", "Alphabets"]):
        app("Mnu%d.Wav" % i, t)
    for i, t in enumerate(["Tracing", "Puzzle"]):
        app("MnuLes%d.Wav" % i, t)
    for i, t in enumerate(["Drum", "Saxophone", "Guitar", "Caribbean drums", "Trumpet", "Banjo"]):
        app("MnuMus%d.Wav" % i, t)
    for i, t in enumerate(["Level one", "Level two", "Level three"]):
        app("MnuLevel%d.Wav" % i, t)
    for i, t in enumerate(["Capital letters", "Small letters", "Capital and small letters",
                           "Numbers"]):
        app("MnuAlpha%d.Wav" % i, t)
    for i, t in enumerate(["Next", "Previous", "Show me the next step", "Show me how"]):
        app("SubMnu%d.Wav" % i, t)
    for i, t in enumerate(["Back", "Forward", "New game", "Puzzle"]):
        app("PuzMnu%d.Wav" % i, t)
    app("CompTrc.Wav", "Level completed")
    app("CompPuz.Wav", "Puzzle completed")
    app("CompWDTrc.Wav", "Well done! You completed the level!")
    app("CompWDPuz.Wav", "Well done! You solved the puzzle!")
    app("CompOK.Wav", "OK")
    app("PWLock.Wav", "This program is locked")
    app("PWOK.Wav", "OK")
    app("PWCancel.Wav", "Cancel")
    app("PW.Wav", "Password")
    app("PWPlease.Wav", "Please enter your password")
    app("PWIncorrect.Wav", "Incorrect password")
    for i, t in enumerate(["Well done!", "Great!", "Super!", "Brilliant!", "Fantastic!",
                           "Good job!", "Excellent!", "Wonderful!", "You did it!", "Amazing!"]):
        app("Encrg%d.Wav" % i, t)

    for i, word in enumerate(LETTER_WORDS):
        ch = chr(65 + i)
        spoken = word.lower()
        jobs.append(("Sounds/Alphabets/Basic_%s.Wav" % ch, letter(ch), True))
        jobs.append(("Sounds/Alphabets/Word_%s.Wav" % ch, word, False))
        if ch == "X":
            sentence = "%s, as in box." % letter(ch)
        else:
            sentence = "%s for %s." % (letter(ch), spoken)
        jobs.append(("Sounds/Alphabets/Sentence_%s.Wav" % ch, sentence, True))

    for n in range(1, 31):
        name = number_name(n)
        jobs.append(("Sounds/Numbers/Basic_%d.Wav" % n, name, False))
        if n <= 10:
            sentence = "%s. %s %s." % (name.capitalize(), name.capitalize(), NUMBER_THINGS[n - 1])
        else:
            tens, units = divmod(n, 10)
            sentence = "%s plus %s is %s." % (number_name(tens * 10).capitalize(),
                                             ONES[units], name)
        jobs.append(("Sounds/Numbers/Sentence_%d.Wav" % n, sentence, False))
    return jobs


def run(cmd):
    r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if r.returncode != 0:
        raise RuntimeError("%s failed: %s" % (cmd[0], r.stderr.decode(errors="replace")))


def duration(path):
    with wave.open(path) as w:
        return w.getnframes() / w.getframerate()


# Trim below 0.5 % of full scale at both ends, then pad a little so that no start is clipped by
# the sound device's own ramp-up; loudness is brought to -1 dBFS so all voices match.
TRIM = ["silence", "1", "0.01", "0.5%", "reverse", "silence", "1", "0.01", "0.5%", "reverse"]


def make_voice(out_dir, job):
    rel, text, ssml = job
    dest = os.path.join(out_dir, rel)
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "raw.wav")
        args = ["espeak-ng"] + VOICE + ["-w", raw]
        if ssml:
            args += ["-m", "<speak>%s</speak>" % text]
        else:
            args += [text]
        run(args)
        trimmed = os.path.join(tmp, "trim.wav")
        run(["sox", raw, "-b", "16", "-c", "1", "-r", str(RATE), trimmed] + TRIM +
            ["norm", "-1", "pad", "0.03", "0.05"])
        # A letter's name must fit in the second the spelling gives it: a long name ("W") is
        # spoken a little faster rather than cut.
        if "/Basic_" in rel and "Alphabets" in rel and duration(trimmed) > 0.9:
            factor = duration(trimmed) / 0.85
            fast = os.path.join(tmp, "fast.wav")
            run(["sox", trimmed, fast, "tempo", "-s", "%.3f" % factor])
            trimmed = fast
        shutil.move(trimmed, dest)
    return rel


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        frames = bytearray()
        for s in samples:
            frames += struct.pack("<h", max(-32767, min(32767, int(s * 32767))))
        w.writeframes(bytes(frames))


def tone(seconds, parts, attack=0.004):
    """parts: (frequency start, frequency end, amplitude, decay time constant)."""
    n = int(seconds * RATE)
    out = [0.0] * n
    for f0, f1, amp, tau in parts:
        phase = 0.0
        for i in range(n):
            t = i / RATE
            f = f0 + (f1 - f0) * min(1.0, t / seconds)
            phase += 2 * math.pi * f / RATE
            env = math.exp(-t / tau) * min(1.0, t / attack)
            out[i] += amp * env * math.sin(phase)
    fade = int(0.01 * RATE)
    for i in range(fade):
        out[n - 1 - i] *= i / fade
    return out


def click(seconds, freq, amp, seed):
    rnd = random.Random(seed)
    n = int(seconds * RATE)
    out, low = [], 0.0
    for i in range(n):
        t = i / RATE
        low += 0.35 * (rnd.uniform(-1, 1) - low)
        out.append(amp * math.exp(-t / 0.006) * (0.6 * low + 0.4 * math.sin(2 * math.pi * freq * t)))
    return out


def effects():
    # A soft wooden plonk: a low sine that drops a little in pitch, with a fast decay.
    plonk = tone(0.22, [(420, 300, 0.7, 0.05), (840, 600, 0.2, 0.025)])
    # A light tick.
    tick = click(0.04, 2400, 0.6, 1)
    # A hint chime: two bell notes, a fifth apart.
    chime = [a + b for a, b in zip(tone(0.6, [(1047, 1047, 0.45, 0.18), (2094, 2094, 0.1, 0.08)]),
                                   [0.0] * int(0.09 * RATE) +
                                   tone(0.51, [(1568, 1568, 0.4, 0.16), (3136, 3136, 0.08, 0.06)]))]
    pop = tone(0.12, [(700, 1100, 0.6, 0.03)])
    bloop = tone(0.18, [(500, 900, 0.5, 0.06), (1000, 1800, 0.15, 0.03)])
    return {
        "Sounds/App/SndPlonk.Wav": plonk,
        "Sounds/App/SndCPMove.Wav": tick,
        "Sounds/App/SndCPOver.Wav": chime,
        "Sounds/App/ColPickMove.wav": click(0.03, 3000, 0.5, 2),
        "Sounds/App/ColPickClick.wav": pop,
        "Sounds/App/ColPickClickMe.Wav": bloop,
    }


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out_dir = sys.argv[1]
    jobs_n = int(sys.argv[2]) if len(sys.argv) > 2 else (os.cpu_count() or 4)
    for sub in ("Sounds/App", "Sounds/Alphabets", "Sounds/Numbers"):
        os.makedirs(os.path.join(out_dir, sub), exist_ok=True)
    for tool in ("espeak-ng", "sox"):
        if shutil.which(tool) is None:
            sys.exit("make_sounds: %s is missing; run scripts/setup.sh" % tool)
    with ThreadPoolExecutor(max_workers=jobs_n) as pool:
        list(pool.map(lambda j: make_voice(out_dir, j), voice_jobs()))
    for rel, samples in effects().items():
        write_wav(os.path.join(out_dir, rel), samples)


if __name__ == "__main__":
    main()
