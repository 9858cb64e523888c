#!/usr/bin/python3
"""Draws the four slides shown while the player's files are copied.

Each slide is a 503 x 186 JPEG: a painted scene (gradients, shapes) with a
short caption. All parameters are fixed, so the output is reproducible.

    /usr/bin/python3 tools/slides/gen_slides.py [OUTPUT_DIR]   (default res/slides)
"""
import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

W, H = 503, 186
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def vgradient(img, top, bottom, y0=0, y1=None):
    d = ImageDraw.Draw(img)
    y1 = img.height if y1 is None else y1
    for y in range(y0, y1):
        d.line([(0, y), (img.width, y)], fill=lerp(top, bottom, (y - y0) / max(1, y1 - y0 - 1)))


def caption(img, title, sub, colour=(255, 255, 255), shadow=(0, 0, 0, 110), x=22, y=118):
    big = ImageFont.truetype(FONT, 26)
    small = ImageFont.truetype(FONT, 13)
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    d.text((x + 2, y + 2), title, font=big, fill=shadow)
    d.text((x + 1, y + 37), sub, font=small, fill=shadow)
    layer = layer.filter(ImageFilter.GaussianBlur(1.5))
    d = ImageDraw.Draw(layer)
    d.text((x, y), title, font=big, fill=colour + (255,))
    d.text((x, y + 36), sub, font=small, fill=colour + (230,))
    img.alpha_composite(layer)


def hills(img, base, amp, freq, phase, colour):
    d = ImageDraw.Draw(img)
    pts = [(0, H)]
    for x in range(0, W + 1, 3):
        y = base - amp * math.sin(x * freq + phase) - amp * 0.4 * math.sin(x * freq * 2.7 + phase * 1.3)
        pts.append((x, y))
    pts.append((W, H))
    d.polygon(pts, fill=colour)


def slide_meadow():
    """Sunrise over green hills."""
    img = Image.new("RGBA", (W, H))
    vgradient(img, (255, 196, 120), (150, 214, 250), 0, 110)
    vgradient(img, (150, 214, 250), (150, 214, 250), 110, H)
    glow = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    ImageDraw.Draw(glow).ellipse((330, 20, 420, 110), fill=(255, 240, 190, 255))
    glow = glow.filter(ImageFilter.GaussianBlur(14))
    img.alpha_composite(glow)
    ImageDraw.Draw(img).ellipse((350, 40, 400, 90), fill=(255, 250, 225))
    hills(img, 120, 14, 0.011, 0.5, (120, 190, 90))
    hills(img, 140, 10, 0.017, 2.0, (85, 165, 45))
    hills(img, 162, 8, 0.023, 4.0, (67, 140, 25))
    caption(img, "Vadode播放器2010", "高清画质 · 流畅播放 · 轻松享受每一部影片")
    return img


def slide_ocean():
    """Night sea with moon, stars and a sound wave."""
    img = Image.new("RGBA", (W, H))
    vgradient(img, (16, 34, 84), (48, 110, 170), 0, 112)
    vgradient(img, (30, 80, 140), (8, 30, 70), 112, H)
    rnd = random.Random(7)
    d = ImageDraw.Draw(img)
    for _ in range(70):
        x, y = rnd.randrange(W), rnd.randrange(100)
        r = rnd.choice((0, 0, 1))
        d.ellipse((x - r, y - r, x + r, y + r), fill=(255, 255, 230))
    d.ellipse((70, 22, 110, 62), fill=(250, 246, 215))
    d.ellipse((82, 16, 122, 56), fill=lerp((16, 34, 84), (48, 110, 170), 0.25))
    for i in range(14):
        y = 118 + i * 5
        d.line([(60 + i * 2, y), (130 - i * 2, y)], fill=(230, 225, 180), width=1)
    # the wave of a sound track across the sea
    pts = [(x, 150 - 16 * math.sin(x * 0.045) * math.exp(-((x - 300) / 150.0) ** 2)) for x in range(W)]
    d.line(pts, fill=(120, 230, 250), width=3)
    caption(img, "音乐随心听", "支持 MP3、WMA、APE、FLAC 等音频格式", x=250, y=24)
    return img


def slide_abstract():
    """Soft overlapping circles in the product's blue and green."""
    img = Image.new("RGBA", (W, H))
    vgradient(img, (231, 252, 255), (190, 222, 238))
    rnd = random.Random(11)
    for _ in range(18):
        layer = Image.new("RGBA", (W, H), (0, 0, 0, 0))
        x, y, r = rnd.randrange(W), rnd.randrange(H), rnd.randrange(18, 70)
        c = rnd.choice([(67, 182, 5), (144, 170, 181), (50, 140, 210), (120, 200, 230)])
        ImageDraw.Draw(layer).ellipse((x - r, y - r, x + r, y + r), fill=c + (rnd.randrange(50, 120),))
        img.alpha_composite(layer.filter(ImageFilter.GaussianBlur(2)))
    d = ImageDraw.Draw(img)
    # a play symbol in a ring
    d.ellipse((392, 48, 472, 128), outline=(255, 255, 255), width=5)
    d.polygon([(420, 66), (420, 110), (456, 88)], fill=(255, 255, 255))
    caption(img, "格式全面", "RMVB、AVI、MKV、MP4、FLV……一个播放器全部搞定",
            colour=(30, 70, 90), shadow=(255, 255, 255, 160), y=112)
    return img


def slide_city():
    """Evening city skyline with lit windows."""
    img = Image.new("RGBA", (W, H))
    vgradient(img, (70, 40, 110), (250, 140, 90), 0, 140)
    vgradient(img, (40, 30, 60), (30, 20, 45), 140, H)
    rnd = random.Random(23)
    d = ImageDraw.Draw(img)
    x = 0
    while x < W:
        bw = rnd.randrange(22, 48)
        bh = rnd.randrange(40, 120)
        shade = rnd.randrange(28, 55)
        d.rectangle((x, H - bh, x + bw - 2, H), fill=(shade, shade - 8, shade + 20))
        for wy in range(H - bh + 6, H - 6, 9):
            for wx in range(x + 4, x + bw - 6, 7):
                if rnd.random() < 0.45:
                    d.rectangle((wx, wy, wx + 3, wy + 4), fill=(255, 220, 120))
        x += bw
    caption(img, "在线影视 精彩不停", "海量影视资源，一点即播", y=20)
    return img


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "slides")
    os.makedirs(out, exist_ok=True)
    for n, make in enumerate((slide_meadow, slide_ocean, slide_abstract, slide_city), 1):
        img = make().convert("RGB")
        assert img.size == (W, H)
        img.save(os.path.join(out, "ipic%d.jpg" % n), "JPEG", quality=90, optimize=True)


if __name__ == "__main__":
    main()
