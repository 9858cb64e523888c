#!/usr/bin/python3
"""Draws the skin of the setup wizard's window.

Writes into OUTPUT_DIR (default res/skin):
  24-bit bitmaps   title.bmp (1x29), title_left.bmp (5x29), title_right.bmp (5x29),
                   edge.bmp (1x1), page_wide.bmp (556x328), page.bmp (556x329),
                   bottom.bmp (1x31), bottom_left.bmp (5x31), bottom_right.bmp (5x31)
  RGBA PNG strips  btn_min.png (120x19), btn_close.png (136x19),
  (four frames:    btn_browse.png (276x22), btn_next.png, btn_prev.png,
   normal, hover,  btn_install.png, btn_cancel.png, btn_finish.png (240x21 each),
   down, disabled) logo.png (64x16)

Palette: borders RGB 144,170,181; light fields 231,252,255 and 238,244,253;
accent green 67,182,5. Captions use WenQuanYi Micro Hei. All parameters are
fixed, so the output is reproducible.

    /usr/bin/python3 tools/skin/gen_skin.py [OUTPUT_DIR]
"""
import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont
from PIL.PngImagePlugin import PngInfo

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
BORDER = (144, 170, 181)
LIGHT1 = (231, 252, 255)
LIGHT2 = (238, 244, 253)
ACCENT = (67, 182, 5)
TITLE_TOP = (86, 160, 196)
TITLE_BOTTOM = (44, 114, 152)
SS = 4  # supersampling factor for shapes


def lerp(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def vgradient(size, stops):
    """stops: list of (t, colour) with t in 0..1 over the height."""
    w, h = size
    img = Image.new("RGB", size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / max(1, h - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                d.line([(0, y), (w, y)], fill=lerp(c0, c1, (t - t0) / max(1e-9, t1 - t0)))
                break
    return img


def save_png(img, path):
    info = PngInfo()
    info.add(b"gAMA", struct.pack(">I", 45455))
    img.save(path, "PNG", pnginfo=info)


def save_bmp(img, path):
    img.convert("RGB").save(path, "BMP")


# ---------------------------------------------------------------- frame pieces

def title_column():
    img = vgradient((1, 29), [(0.0, TITLE_TOP), (1.0, TITLE_BOTTOM)])
    img.putpixel((0, 0), (62, 128, 162))
    img.putpixel((0, 1), (132, 194, 222))  # highlight under the top edge
    img.putpixel((0, 28), (38, 100, 134))
    return img


def title_corner(left):
    col = title_column()
    img = Image.new("RGB", (5, 29))
    for x in range(5):
        img.paste(col, (x, 0))
    edge = 0 if left else 4
    for y in range(29):
        img.putpixel((edge, y), (62, 128, 162))
    return img


def bottom_column():
    img = vgradient((1, 31), [(0.0, (246, 250, 254)), (1.0, (218, 232, 242))])
    img.putpixel((0, 0), (205, 220, 230))
    img.putpixel((0, 30), BORDER)
    return img


def bottom_corner(left):
    col = bottom_column()
    img = Image.new("RGB", (5, 31))
    for x in range(5):
        img.paste(col, (x, 0))
    edge = 0 if left else 4
    for y in range(31):
        img.putpixel((edge, y), BORDER)
    return img


def draw_logo_mark(size, ring, fill, arrow=(255, 255, 255)):
    """A round play mark drawn supersampled and scaled down to size x size."""
    big = size * SS
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse((0, 0, big - 1, big - 1), fill=ring)
    m = big * 0.09
    d.ellipse((m, m, big - 1 - m, big - 1 - m), fill=fill)
    cx, cy = big * 0.54, big * 0.5
    r = big * 0.24
    d.polygon([(cx - r * 0.8, cy - r), (cx - r * 0.8, cy + r), (cx + r, cy)], fill=arrow)
    return img.resize((size, size), Image.LANCZOS)


def page_wide():
    """Welcome and finish pages: an art column on the left, light field right."""
    w, h = 556, 328
    img = Image.new("RGB", (w, h))
    field = vgradient((w, h), [(0.0, (255, 255, 255)), (0.35, LIGHT1), (1.0, LIGHT2)])
    img.paste(field, (0, 0))
    art_w = 182
    art = Image.new("RGB", (art_w, h))
    d = ImageDraw.Draw(art)
    for x in range(art_w):  # horizontal gradient: tiles seamlessly vertically
        d.line([(x, 0), (x, h)], fill=lerp((58, 140, 182), (108, 186, 214), x / (art_w - 1)))
    art = art.convert("RGBA")
    # soft rings
    rings = Image.new("RGBA", (art_w * SS, h * SS), (0, 0, 0, 0))
    rd = ImageDraw.Draw(rings)
    for cx, cy, r, a in ((30, 250, 120, 40), (160, 70, 90, 34), (120, 300, 60, 46)):
        rd.ellipse(((cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS),
                   outline=(255, 255, 255, a), width=10 * SS)
    rings = rings.resize((art_w, h), Image.LANCZOS)
    # Fade the rings out towards the top and bottom rows: the 330-pixel page
    # repeats the first two rows under the last, which must not cut a ring.
    fade = Image.new("L", (1, h))
    for y in range(h):
        fade.putpixel((0, y), int(255 * min(1.0, max(0.0, (min(y, h - 1 - y) - 2) / 40.0))))
    alpha = Image.composite(rings.split()[3], Image.new("L", (art_w, h), 0), fade.resize((art_w, h)))
    rings.putalpha(alpha)
    art.alpha_composite(rings)
    mark = draw_logo_mark(72, (255, 255, 255, 255), ACCENT + (255,))
    shadow = Image.new("RGBA", (art_w, h), (0, 0, 0, 0))
    shadow.paste((0, 40, 60, 90), (55, 77, 127, 149), mark.split()[3])
    art.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(3)))
    art.alpha_composite(mark, (54, 74))
    d = ImageDraw.Draw(art)
    f1 = ImageFont.truetype(FONT, 22)
    f2 = ImageFont.truetype(FONT, 12)
    for text, font, y, colour in (("Vadode播放器", f1, 168, (255, 255, 255)),
                                  ("2010", f2, 198, (225, 245, 255)),
                                  ("高清 · 流畅 · 全格式", f2, 226, (225, 245, 255))):
        tw = d.textlength(text, font=font)
        d.text(((art_w - tw) / 2, y), text, font=font, fill=colour)
    img.paste(art.convert("RGB"), (0, 0))
    d = ImageDraw.Draw(img)
    d.line([(art_w, 0), (art_w, h)], fill=(190, 214, 224))
    return img


def page_plain():
    """Pages with a header band: title and subtitle sit in the band."""
    w, h = 556, 329
    img = vgradient((w, h), [(0.0, LIGHT2), (0.6, LIGHT2), (1.0, (226, 236, 248))])
    band = vgradient((w, 54), [(0.0, (255, 255, 255)), (1.0, LIGHT1)])
    img.paste(band, (0, 2))
    d = ImageDraw.Draw(img)
    # rows 0 and 1 repeat below the bottom of the 330-pixel page: keep them
    # the body colour so that the repeat is invisible
    d.line([(0, 56), (w, 56)], fill=(196, 216, 226))
    d.line([(0, 57), (w, 57)], fill=(255, 255, 255))
    mark = draw_logo_mark(40, (255, 255, 255, 255), ACCENT + (255,))
    img.paste(mark.convert("RGB"), (w - 58, 8), mark.split()[3])
    return img


# ---------------------------------------------------------------- buttons

STATES = ("normal", "hover", "down", "disabled")


def push_frame(w, h, state, text):
    looks = {
        "normal":   ((255, 255, 255), LIGHT1, (214, 234, 242), BORDER, (32, 62, 76)),
        "hover":    ((252, 255, 246), (226, 248, 208), (196, 236, 164), ACCENT, (26, 70, 10)),
        "down":     ((186, 220, 232), (208, 232, 242), (232, 246, 252), (104, 136, 150), (20, 48, 60)),
        "disabled": ((246, 247, 248), (236, 238, 240), (226, 229, 231), (190, 198, 202), (160, 166, 170)),
    }
    top, mid, bottom, edge, ink = looks[state]
    big = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    fill = vgradient((w * SS, h * SS), [(0.0, top), (0.5, mid), (1.0, bottom)])
    mask = Image.new("L", big.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w * SS - 1, h * SS - 1), radius=3 * SS, fill=255)
    big.paste(fill, (0, 0), mask)
    d = ImageDraw.Draw(big)
    d.rounded_rectangle((0, 0, w * SS - 1, h * SS - 1), radius=3 * SS, outline=edge, width=SS)
    if state in ("normal", "hover"):  # inner highlight
        d.rounded_rectangle((SS, SS, w * SS - 1 - SS, h * SS - 1 - SS), radius=2 * SS,
                            outline=(255, 255, 255, 150), width=SS)
    img = big.resize((w, h), Image.LANCZOS)
    font = ImageFont.truetype(FONT, 12)
    d = ImageDraw.Draw(img)
    l, t, r, b = d.textbbox((0, 0), text, font=font)
    x = (w - (r - l)) / 2 - l
    y = (h - (b - t)) / 2 - t
    if state == "down":
        x, y = x + 1, y + 1
    d.text((x, y), text, font=font, fill=ink)
    return img


def title_frame(w, h, state, glyph):
    img = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    backs = {
        "normal": None,
        "hover": (255, 255, 255, 70) if glyph == "min" else (226, 72, 56, 235),
        "down": (0, 40, 70, 90) if glyph == "min" else (170, 40, 30, 245),
        "disabled": None,
    }
    back = backs[state]
    if back:
        d.rounded_rectangle((0, 0, w * SS - 1, h * SS - 1), radius=3 * SS, fill=back)
    ink = (255, 255, 255, 110) if state == "disabled" else (255, 255, 255, 255)
    cx, cy = w * SS / 2, h * SS / 2
    off = SS if state == "down" else 0
    if glyph == "min":
        d.rectangle((cx - 5 * SS, cy + 2 * SS + off, cx + 5 * SS, cy + 4 * SS + off), fill=ink)
    else:
        s = 4.5 * SS
        for a, b in (((cx - s, cy - s), (cx + s, cy + s)), ((cx - s, cy + s), (cx + s, cy - s))):
            d.line([(a[0], a[1] + off), (b[0], b[1] + off)], fill=ink, width=int(2 * SS))
    return img.resize((w, h), Image.LANCZOS)


def strip(frames):
    w, h = frames[0].size
    out = Image.new("RGBA", (w * len(frames), h), (0, 0, 0, 0))
    for i, f in enumerate(frames):
        out.paste(f, (i * w, 0))
    return out


def logo_strip():
    looks = {
        "normal": ((255, 255, 255, 255), ACCENT + (255,)),
        "hover": ((255, 255, 255, 255), (96, 208, 30, 255)),
        "down": ((220, 236, 240, 255), (46, 140, 0, 255)),
        "disabled": ((230, 230, 230, 255), (150, 160, 160, 255)),
    }
    return strip([draw_logo_mark(16, *looks[s]) for s in STATES])


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "skin")
    os.makedirs(out, exist_ok=True)
    bitmaps = {
        "title.bmp": (title_column(), (1, 29)),
        "title_left.bmp": (title_corner(True), (5, 29)),
        "title_right.bmp": (title_corner(False), (5, 29)),
        "edge.bmp": (Image.new("RGB", (1, 1), BORDER), (1, 1)),
        "page_wide.bmp": (page_wide(), (556, 328)),
        "page.bmp": (page_plain(), (556, 329)),
        "bottom.bmp": (bottom_column(), (1, 31)),
        "bottom_left.bmp": (bottom_corner(True), (5, 31)),
        "bottom_right.bmp": (bottom_corner(False), (5, 31)),
    }
    for name, (img, size) in bitmaps.items():
        assert img.size == size, name
        save_bmp(img, os.path.join(out, name))
    strips = {
        "btn_min.png": (strip([title_frame(30, 19, s, "min") for s in STATES]), (120, 19)),
        "btn_close.png": (strip([title_frame(34, 19, s, "close") for s in STATES]), (136, 19)),
        "btn_browse.png": (strip([push_frame(69, 22, s, "浏览…") for s in STATES]), (276, 22)),
        "btn_next.png": (strip([push_frame(60, 21, s, "下一步") for s in STATES]), (240, 21)),
        "btn_prev.png": (strip([push_frame(60, 21, s, "上一步") for s in STATES]), (240, 21)),
        "btn_install.png": (strip([push_frame(60, 21, s, "安装") for s in STATES]), (240, 21)),
        "btn_cancel.png": (strip([push_frame(60, 21, s, "取消") for s in STATES]), (240, 21)),
        "btn_finish.png": (strip([push_frame(60, 21, s, "完成") for s in STATES]), (240, 21)),
        "logo.png": (logo_strip(), (64, 16)),
    }
    for name, (img, size) in strips.items():
        assert img.size == size and img.mode == "RGBA", name
        save_png(img, os.path.join(out, name))


if __name__ == "__main__":
    main()
