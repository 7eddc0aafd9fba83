#!/usr/bin/env python3
"""Writes the resource bundle's SVGs that come in families or share a glyph.

Run it by hand after changing a drawing here, then commit the SVGs it wrote:

    python3 resources/generate-icons.py

The build never runs it; it only renders the committed SVGs to PNG (see CMakeLists.txt).

Files written (all under LumoraBundle.bundle/):
  Battery/Battery0 ... Battery100, Battery/BatteryCharging      white level, white bolt
  Battery/LowBattery0 ... LowBattery100, Battery/LowBatteryCharging  the same in low-power yellow
  Ampiro/BoltAnimated/0 ... 10                                   the big bolt filled 0 % ... 100 %
  Alarm, Timer                                                   the clock glyphs of the alarm/timer line
  SetAlarm, SetTimer                                             the overlay's buttons, with those glyphs
Every other SVG in the bundle is drawn by hand and left alone.

Sizes are in points, the size the system shows each image at; the build renders each at
1x, 2x and 3x.
"""

from pathlib import Path

BUNDLE = Path(__file__).resolve().parent / "LumoraBundle.bundle"
WHITE = "#FFFFFF"
LOW_POWER_YELLOW = "#FFCC00"


def number(value):
    return f"{round(value, 2):g}"


def svg(width, height, body):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}">\n{body}</svg>\n'
    )


def write(name, text):
    path = BUNDLE / f"{name}.svg"
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text)


# Battery: 26 x 13 points, shown at 25 x 12.5.
BATTERY_STROKE = 1.2
BATTERY_INSIDE = (2.4, 2.4, 17.8, 8.2)  # x, y, full width, height of the level bar


def battery_outline():
    s = BATTERY_STROKE
    return (
        f'  <rect x="{number(s / 2)}" y="{number(s / 2)}" width="{number(22.6 - s)}" height="{number(13 - s)}" rx="2.6" '
        f'fill="none" stroke="{WHITE}" stroke-width="{s}"/>\n'
        f'  <path d="M23.6 4.4h0.9a1 1 0 0 1 1 1v2.2a1 1 0 0 1-1 1h-0.9z" fill="{WHITE}" fill-opacity="0.8"/>\n'
    )


def battery_level(percent, colour):
    if percent == 0:
        return ""
    x, y, width, height = BATTERY_INSIDE
    return (
        f'  <rect x="{x}" y="{y}" width="{number(width * percent / 100)}" height="{height}" rx="1.2" '
        f'fill="{colour}"/>\n'
    )


def battery_bolt(colour):
    return (
        f'  <path d="M12.4 1.9 7.2 7.3h3.5l-1.4 3.8 5.3-5.5h-3.5z" fill="{colour}" '
        f'stroke="{colour}" stroke-width="0.4" stroke-linejoin="round"/>\n'
    )


def write_batteries():
    for prefix, colour in (("Battery", WHITE), ("LowBattery", LOW_POWER_YELLOW)):
        for percent in range(0, 101, 10):
            write(f"Battery/{prefix}{percent}", svg(26, 13, battery_outline() + battery_level(percent, colour)))
        write(f"Battery/{prefix}Charging", svg(26, 13, battery_outline() + battery_bolt(colour)))


# The big bolt: 100 x 100 points. Frame 0 is empty and frame 10 full; the frames between fill
# from the bottom in even steps over the part of the inside that the outline does not cover, so
# that each step shows.
BOLT_PATH = "M62 4 18 58h29l-9 38 44-56H53z"
BOLT_VISIBLE_TOP, BOLT_VISIBLE_BOTTOM = 14, 90


def bolt_level(frame):
    if frame == 0:
        return 100
    if frame == 10:
        return 0
    return BOLT_VISIBLE_BOTTOM - (BOLT_VISIBLE_BOTTOM - BOLT_VISIBLE_TOP) * frame / 10


def write_bolts():
    for frame in range(11):
        level = bolt_level(frame)
        body = (
            '  <defs><clipPath id="level">'
            f'<rect x="0" y="{number(level)}" width="100" height="{number(100 - level)}"/></clipPath></defs>\n'
            f'  <path d="{BOLT_PATH}" fill="{WHITE}" fill-opacity="0.12"/>\n'
            f'  <path d="{BOLT_PATH}" fill="{WHITE}" clip-path="url(#level)"/>\n'
            f'  <path d="{BOLT_PATH}" fill="none" stroke="{WHITE}" stroke-width="3.5" stroke-linejoin="round"/>\n'
        )
        write(f"Ampiro/BoltAnimated/{frame}", svg(100, 100, body))


# The clock glyphs, drawn on a 15 x 15 grid with a 1.3-point line.
def alarm_glyph():
    return (
        '<circle cx="7.5" cy="7.9" r="4.9"/>'
        '<path d="M7.5 5.4v2.5l1.8 1.1"/>'
        '<path d="M1.6 3.9a3 3 0 0 1 2.6-2.7M13.4 3.9a3 3 0 0 0-2.6-2.7"/>'
        '<path d="M4.3 12.6l-1 1.2M10.7 12.6l1 1.2"/>'
    )


def timer_glyph():
    return (
        '<circle cx="7.5" cy="8.6" r="5.2"/>'
        '<path d="M7.5 3.4V1.3M5.8 1.1h3.4M12 3.9l1-1"/>'
        '<path d="M7.5 8.6V5.9"/>'
    )


def glyph_group(glyph, transform=""):
    placed = f' transform="{transform}"' if transform else ""
    return (
        f'  <g{placed} fill="none" stroke="{WHITE}" stroke-width="1.3" stroke-linecap="round" '
        f'stroke-linejoin="round">{glyph}</g>\n'
    )


# The overlay's buttons: 164 x 48 points, shown at about 163 x 47.5 with corners of 12.
def button(glyph, title):
    return svg(
        164,
        48,
        f'  <rect x="0.75" y="0.75" width="162.5" height="46.5" rx="12" fill="{WHITE}" fill-opacity="0.1" '
        f'stroke="{WHITE}" stroke-opacity="0.5" stroke-width="1.5"/>\n'
        + glyph_group(glyph, "translate(18 9) scale(2)")
        + f'  <text x="56" y="30.5" font-family="Inter" font-weight="300" font-size="18" fill="{WHITE}">'
        f"{title}</text>\n",
    )


def write_clock_images():
    write("Alarm", svg(15, 15, glyph_group(alarm_glyph())))
    write("Timer", svg(15, 15, glyph_group(timer_glyph())))
    write("SetAlarm", button(alarm_glyph(), "Set Alarm"))
    write("SetTimer", button(timer_glyph(), "Start Timer"))


if __name__ == "__main__":
    write_batteries()
    write_bolts()
    write_clock_images()
