#!/usr/bin/env python3
"""A single-precision model of hddcalc's two calculations, written apart from
the program, that works out the texts the window must show. Every step rounds
to a 32-bit float, in the order the calculation is written.

    tools/estimate-model.py size CHANNELS MOTION DAYS MAIN_KBITS SECOND_KBITS [both]
    tools/estimate-model.py days CHANNELS MOTION TERABYTES MAIN_KBITS SECOND_KBITS [both]
"""
import struct
import sys


def f(x):
    """Rounds a Python float (a double) to the nearest single-precision float."""
    return struct.unpack('f', struct.pack('f', x))[0]


def seconds(motion):
    hours = f(f(motion * 24.0) / 100.0)
    return f(hours * 3600.0)


def volume(rate, channels, secs):
    v = f(rate * f(1 / 1024))
    v = f(v * channels)
    v = f(v * secs)
    return f(v * 0.125)


def text(value):
    # Two decimals of the float's exact value; no row relies on a tie.
    return '%.2f' % value


def size(channels, motion, days, main, second, both):
    secs = seconds(motion)
    main_only = f(f(days * volume(main, channels, secs)) * f(1 / 1024))
    gb = main_only
    if both:
        gb = f(f(f(days * volume(second, channels, secs)) * f(1 / 1024)) + main_only)
    if gb < 1:
        return text(f(gb * 1024)) + '[MB]'
    if gb < 1024:
        return text(gb) + '[GB]'
    return text(f(gb * f(1 / 1024))) + '[TB]'


def days(channels, motion, terabytes, main, second, both):
    secs = seconds(motion)
    per_day = volume(main, channels, secs)
    if both:
        per_day = f(volume(second, channels, secs) + per_day)
    return text(f(f(f(terabytes / per_day) * 1024) * 1024))


if __name__ == '__main__':
    kind, *numbers = sys.argv[1:]
    both = numbers[-1:] == ['both']
    values = [float(n) for n in numbers[:5]]
    print((size if kind == 'size' else days)(*values, both))
