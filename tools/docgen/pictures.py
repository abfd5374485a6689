"""The illustrations of the study documents: vehicles with numbered check points.

Each function returns PNG bytes; the numbers on a picture match the numbered steps of the
document that shows it, so the learner can follow the walk-around on the picture.
"""

import math

from canvas import Canvas

SKY = (236, 243, 250)
GROUND = (150, 150, 150)
TYRE = (35, 35, 35)
RIM = (185, 188, 192)
GLASS = (170, 205, 230)
DARK = (60, 60, 60)
HEADLIGHT = (255, 236, 150)
TAILLIGHT = (210, 30, 30)
AMBER = (255, 160, 0)
WHITE = (255, 255, 255)
MAROON = (128, 0, 0)


def wheel(c, cx, cy, r, background):
    c.circle(cx, cy, r + 5, background)
    c.circle(cx, cy, r, TYRE)
    c.circle(cx, cy, r * 0.58, RIM)
    c.circle(cx, cy, r * 0.2, DARK)
    for k in range(5):  # wheel nuts
        a = k * 2 * math.pi / 5
        c.circle(cx + math.cos(a) * r * 0.36, cy + math.sin(a) * r * 0.36, 2, DARK)


def light_vehicle():
    c = Canvas(560, 240, SKY)
    c.rect(0, 200, 560, 40, (225, 225, 220))
    c.ellipse(300, 212, 45, 5, (120, 110, 90))  # what may drip from underneath
    body = (52, 110, 170)
    c.polygon([(52, 168), (52, 124), (72, 111), (185, 102), (245, 64), (378, 62), (440, 100), (505, 110),
               (521, 128), (521, 168)], body)
    c.polygon([(250, 72), (304, 70), (304, 100), (200, 102)], GLASS)
    c.polygon([(316, 70), (374, 70), (420, 100), (316, 100)], GLASS)
    c.line(380, 64, 438, 100, 4, (120, 150, 175))  # windscreen edge
    c.line(310, 102, 310, 165, 2, (30, 80, 130))  # door gap
    c.line(200, 104, 200, 165, 2, (30, 80, 130))
    c.rect(330, 112, 16, 4, DARK)  # door handles
    c.rect(220, 112, 16, 4, DARK)
    c.polygon([(384, 100), (398, 90), (404, 92), (396, 104)], DARK)  # mirror
    c.polygon([(504, 114), (520, 129), (520, 136), (498, 133)], HEADLIGHT)
    c.rect(508, 138, 12, 5, AMBER)
    c.rect(52, 120, 8, 16, TAILLIGHT)
    c.rect(500, 152, 24, 12, DARK)  # bumpers
    c.rect(48, 152, 22, 12, DARK)
    c.circle(118, 120, 6, (30, 80, 130))  # fuel flap
    c.rect(56, 172, 28, 6, (110, 110, 110))  # exhaust
    wheel(c, 150, 172, 28, SKY)
    wheel(c, 425, 172, 28, SKY)
    c.rect(0, 200, 560, 2, GROUND)
    for n, (x, y) in enumerate([(540, 124), (418, 60), (468, 176), (406, 76), (300, 132), (108, 176),
                                (118, 96), (30, 128), (70, 190), (300, 224)], start=1):
        c.marker(n, x, y)
    return c.png()


def heavy_vehicle():
    c = Canvas(600, 250, SKY)
    c.rect(0, 205, 600, 45, (225, 225, 220))
    c.ellipse(330, 218, 50, 5, (120, 110, 90))
    c.rect(40, 48, 380, 118, (235, 235, 235))  # load body
    c.rect(40, 48, 380, 4, (180, 180, 180))
    c.rect(40, 48, 4, 118, (180, 180, 180))
    for x in range(50, 410, 28):  # side contour markings
        c.rect(x, 156, 16, 5, (250, 200, 0))
    c.rect(30, 60, 10, 100, (200, 200, 200))  # rear doors seen edge-on
    for k in range(5):  # rear chevron edge
        c.rect(30, 62 + k * 20, 10, 10, TAILLIGHT)
    c.rect(36, 168, 500, 10, DARK)  # chassis
    c.rect(24, 176, 28, 6, (90, 90, 90))  # under-run bar
    cab = (200, 40, 40)
    c.polygon([(430, 175), (430, 58), (500, 54), (540, 90), (548, 150), (548, 175)], cab)
    c.polygon([(440, 66), (496, 63), (528, 94), (440, 96)], GLASS)
    c.line(498, 56, 540, 92, 4, (150, 30, 30))
    c.line(548, 70, 560, 70, 3, DARK)  # mirror arm
    c.rect(558, 60, 8, 28, DARK)
    c.rect(540, 128, 10, 14, HEADLIGHT)
    c.rect(540, 146, 10, 6, AMBER)
    c.rect(458, 140, 30, 4, DARK)  # grab handle / step
    c.rect(452, 178, 40, 5, DARK)
    c.rect(290, 174, 70, 26, (170, 170, 170))  # fuel tank
    c.circle(300, 178, 4, DARK)
    c.rect(220, 176, 50, 16, (120, 120, 140))  # air tank
    c.rect(120, 180, 8, 26, (20, 20, 20))  # mudflaps
    wheel(c, 160, 186, 24, SKY)
    wheel(c, 212, 186, 24, SKY)
    c.rect(120, 180, 8, 24, (20, 20, 20))
    wheel(c, 492, 186, 24, SKY)
    c.rect(0, 206, 600, 2, GROUND)
    for n, (x, y) in enumerate([(575, 138), (512, 40), (576, 48), (492, 150), (330, 200), (245, 160),
                                (186, 146), (230, 100), (16, 100), (112, 214), (330, 232)], start=1):
        c.marker(n, x, y)
    return c.png()


def motorcycle():
    c = Canvas(520, 250, SKY)
    c.rect(0, 212, 520, 38, (225, 225, 220))
    for cx in (130, 400):
        c.circle(cx, 170, 42, TYRE)
        c.circle(cx, 170, 33, SKY)
        c.ring(cx, 170, 33, 3, RIM, SKY)
        for k in range(12):  # spokes
            a = k * math.pi / 6
            c.line(cx, 170, cx + math.cos(a) * 31, 170 + math.sin(a) * 31, 1.2, RIM)
    c.ring(400, 170, 15, 4, (120, 120, 120), SKY)  # front brake disc
    c.circle(130, 170, 12, (120, 120, 120))  # rear sprocket
    c.circle(255, 160, 7, (90, 90, 90))  # front sprocket
    c.line(130, 158, 255, 153, 2.2, DARK)  # chain
    c.line(130, 182, 255, 167, 2.2, DARK)
    c.line(130, 170, 200, 120, 6, (90, 90, 90))  # swing arm / frame
    c.line(200, 120, 350, 80, 7, (90, 90, 90))
    c.line(240, 155, 200, 120, 6, (90, 90, 90))
    c.rounded_rect(215, 120, 85, 52, 8, (110, 110, 115))  # engine
    c.line(230, 168, 100, 150, 7, (160, 160, 160))  # exhaust
    c.polygon([(228, 100), (318, 86), (336, 112), (242, 122)], (160, 20, 30))  # tank
    c.circle(300, 92, 5, (60, 60, 60))  # filler cap
    c.polygon([(140, 104), (236, 100), (236, 116), (150, 120)], (30, 30, 30))  # seat
    c.rect(108, 104, 14, 8, TAILLIGHT)
    c.rect(103, 113, 20, 16, DARK)  # number plate
    c.rect(105, 115, 16, 12, WHITE)
    c.line(400, 170, 356, 72, 6, (150, 150, 150))  # fork
    c.line(340, 66, 384, 58, 4, DARK)  # handlebar
    c.line(350, 64, 340, 36, 2, DARK)  # mirror stalk
    c.ellipse(338, 32, 10, 6, DARK)
    c.circle(382, 92, 11, HEADLIGHT)
    c.rect(390, 78, 10, 5, AMBER)
    c.line(230, 172, 214, 206, 3, DARK)  # side stand
    c.rect(0, 212, 520, 2, GROUND)
    for n, (x, y) in enumerate([(455, 140), (420, 200), (410, 92), (322, 30), (388, 42), (278, 72),
                                (190, 148), (130, 222), (84, 116), (195, 206)], start=1):
        c.marker(n, x, y)
    return c.png()


def interior():
    """The driver's place of a right-hand-drive vehicle: the wheel on the right, the gear lever
    and handbrake at the driver's left hand, the pedals clutch, brake, accelerator from left to right."""
    c = Canvas(560, 300, (215, 215, 210))
    c.polygon([(40, 0), (520, 0), (500, 112), (60, 112)], GLASS)  # windscreen
    c.rounded_rect(230, 8, 100, 26, 6, DARK)  # interior mirror
    c.rounded_rect(234, 12, 92, 18, 4, (200, 215, 230))
    c.rect(0, 112, 560, 78, (70, 70, 75))  # dashboard
    c.rounded_rect(14, 122, 40, 30, 6, DARK)  # side mirrors
    c.rounded_rect(18, 126, 32, 22, 4, (200, 215, 230))
    c.rounded_rect(506, 122, 40, 30, 6, DARK)
    c.rounded_rect(510, 126, 32, 22, 4, (200, 215, 230))
    for cx in (290, 370):  # gauges behind the wheel
        c.ring(cx, 148, 30, 3, WHITE, (25, 25, 30))
        for k in range(7):
            a = math.pi * (0.8 + k * 1.4 / 6)
            c.line(cx + math.cos(a) * 21, 148 + math.sin(a) * 21, cx + math.cos(a) * 26, 148 + math.sin(a) * 26,
                   1.5, WHITE)
        c.line(cx, 148, cx + 18, 136, 2.5, (255, 90, 0))
    c.rounded_rect(150, 132, 92, 32, 6, (25, 25, 30))  # warning lights
    for k, colour in enumerate([TAILLIGHT, AMBER, (30, 170, 60), (40, 90, 220)]):
        c.circle(166 + k * 20, 148, 6, colour)
    c.rect(94, 150, 46, 18, (25, 25, 30))  # hazard switch area
    c.polygon([(117, 152), (126, 166), (108, 166)], TAILLIGHT)
    c.ring(330, 222, 70, 11, (30, 30, 30), (215, 215, 210))  # steering wheel
    c.line(260, 222, 400, 222, 10, (30, 30, 30))
    c.line(330, 222, 330, 292, 10, (30, 30, 30))
    c.circle(330, 222, 20, (45, 45, 50))  # hooter pad
    c.line(260, 200, 220, 196, 6, (50, 50, 55))  # wiper stalk
    c.rect(172, 230, 8, 50, (50, 50, 55))  # gear lever
    c.circle(176, 228, 10, (30, 30, 30))
    c.line(150, 292, 118, 236, 9, (50, 50, 55))  # handbrake
    c.rect(412, 268, 24, 26, (80, 80, 80))  # pedals, seen past the wheel
    c.rect(444, 268, 30, 26, (80, 80, 80))
    c.rect(486, 262, 16, 32, (80, 80, 80))
    c.polygon([(12, 190), (40, 190), (120, 300), (90, 300)], (90, 90, 95))  # seat belt
    c.rect(60, 270, 30, 16, (170, 170, 175))
    for n, (x, y) in enumerate([(40, 252), (280, 22), (526, 170), (330, 108), (196, 118), (330, 254),
                                (208, 212), (104, 222), (152, 226), (460, 250)], start=1):
        c.marker(n, x, y)
    return c.png()


def program_steps():
    c = Canvas(604, 150, WHITE)
    boxes = [(8, "person"), (130, "car"), (252, "book"), (374, "tick"), (496, "pie")]
    for index, (x, icon) in enumerate(boxes):
        c.rounded_rect(x, 22, 100, 108, 12, MAROON)
        c.rounded_rect(x + 4, 26, 92, 100, 9, (252, 244, 236))
        cx, cy = x + 50, 80
        if icon == "person":
            c.circle(cx, cy - 18, 14, MAROON)
            c.ellipse(cx, cy + 22, 30, 22, MAROON)
            c.rect(x + 4, cy + 24, 92, 22, (252, 244, 236))
        elif icon == "car":
            c.polygon([(cx - 40, cy + 10), (cx - 40, cy - 4), (cx - 22, cy - 8), (cx - 10, cy - 24),
                       (cx + 16, cy - 24), (cx + 28, cy - 8), (cx + 40, cy - 4), (cx + 40, cy + 10)], (52, 110, 170))
            c.polygon([(cx - 8, cy - 20), (cx + 14, cy - 20), (cx + 22, cy - 8), (cx - 16, cy - 8)], GLASS)
            c.circle(cx - 22, cy + 12, 9, TYRE)
            c.circle(cx + 22, cy + 12, 9, TYRE)
        elif icon == "book":
            c.polygon([(cx - 38, cy - 22), (cx - 2, cy - 16), (cx - 2, cy + 26), (cx - 38, cy + 20)], MAROON)
            c.polygon([(cx + 38, cy - 22), (cx + 2, cy - 16), (cx + 2, cy + 26), (cx + 38, cy + 20)], MAROON)
            for k in range(4):
                c.line(cx - 32, cy - 10 + k * 8, cx - 8, cy - 6 + k * 8, 2, WHITE)
                c.line(cx + 32, cy - 10 + k * 8, cx + 8, cy - 6 + k * 8, 2, WHITE)
        elif icon == "tick":
            c.circle(cx, cy, 32, (30, 150, 60))
            c.line(cx - 16, cy + 2, cx - 4, cy + 14, 8, WHITE)
            c.line(cx - 6, cy + 14, cx + 18, cy - 14, 8, WHITE)
        else:
            c.circle(cx, cy, 32, (200, 200, 200))
            c.polygon([(cx, cy)] + [(cx + 32 * math.cos(a / 20), cy + 32 * math.sin(a / 20))
                                    for a in range(-31, 57)], MAROON)
        c.marker(index + 1, x + 12, 24)
        if index < 4:
            c.arrow(x + 102, 76, x + 120, 76, 3, MAROON)
    return c.png()
