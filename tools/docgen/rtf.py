"""Writes simple, portable RTF: headings, paragraphs, bullet and numbered lists, tables, pictures.

The output keeps to what every RTF reader understands (RichEdit, word processors and the
program's own reader): code page 1252 with \\'hh escapes, \\uN for anything outside it, the
older \\pn bullets with \\pntext fallback text, and PNG pictures as hex.
"""

FONT_TEXT = 0
FONT_SYMBOL = 1

MAROON = 2
RED = 3
GREEN = 4
SHADE = 5
GREY = 6

TWIPS_PER_PIXEL = 15


def escape(text):
    out = []
    for char in text:
        code = ord(char)
        if char in "\\{}":
            out.append("\\" + char)
        elif char == "\t":
            out.append("\\tab ")
        elif code < 128:
            out.append(char)
        else:
            try:
                byte = char.encode("cp1252")
                out.append("\\'%02x" % byte[0])
            except UnicodeEncodeError:
                value = code if code < 32768 else code - 65536
                out.append("\\u%d?" % value)
    return "".join(out)


def inline(text):
    """Escapes text, turning **words** into bold."""
    parts = text.split("**")
    out = []
    for index, part in enumerate(parts):
        if index % 2:
            out.append("{\\b " + escape(part) + "}")
        else:
            out.append(escape(part))
    return "".join(out)


class Document:
    def __init__(self, title):
        self.parts = []
        self.title = title

    def heading(self, text, level=1):
        size = {0: 40, 1: 30, 2: 25}[level]
        before = {0: 0, 1: 280, 2: 200}[level]
        self.parts.append("\\pard\\sb%d\\sa100\\keepn\\plain\\f0\\fs%d\\b\\cf%d %s\\par\n"
                          % (before, size, MAROON, escape(text)))

    def paragraph(self, text, align="l"):
        self.parts.append("\\pard\\q%s\\sa120\\plain\\f0\\fs22 %s\\par\n" % (align, inline(text)))

    def note(self, text):
        """A highlighted remark: red bold lead-in, indented."""
        self.parts.append("\\pard\\li360\\ri360\\sb60\\sa160\\plain\\f0\\fs22\\cf%d %s\\par\n" % (RED, inline(text)))

    def bullets(self, items):
        for item in items:
            self.parts.append(
                "\\pard\\li540\\fi-270\\sa60\\plain\\f0\\fs22"
                "{\\pntext\\f%d\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf%d\\pnindent270{\\pntxtb\\'b7}}%s\\par\n"
                % (FONT_SYMBOL, FONT_SYMBOL, inline(item)))
        self.parts.append("\\pard\\sa60\\fs8\\par\n")

    def steps(self, items, start=1):
        """A numbered list; the numbers are plain text so every reader shows the same ones."""
        for number, item in enumerate(items, start=start):
            self.parts.append("\\pard\\li540\\fi-400\\tx540\\sa80\\plain\\f0\\fs22"
                              "{\\b\\cf%d %d.}\\tab %s\\par\n" % (RED, number, inline(item)))

    def table(self, header, rows, widths):
        """A simple grid; widths are in twips."""
        def row(cells, bold):
            edges = []
            position = 0
            for width in widths:
                position += width
                edges.append("\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                             "\\clbrdrr\\brdrs\\brdrw10%s\\cellx%d" % ("\\clcbpat%d" % SHADE if bold else "", position))
            text = "".join("\\pard\\intbl\\plain\\f0\\fs20%s %s\\cell " % ("\\b" if bold else "", inline(cell))
                           for cell in cells)
            return "\\trowd\\trgaph80\\trleft0" + "".join(edges) + "\n" + text + "\\row\n"
        self.parts.append(row(header, True))
        for cells in rows:
            self.parts.append(row(cells, False))
        self.parts.append("\\pard\\sa120\\par\n")

    def picture(self, png, width, height, caption=None):
        data = png.hex()
        lines = "\n".join(data[i:i + 128] for i in range(0, len(data), 128))
        self.parts.append("\\pard\\qc\\sb120\\sa60{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n%s}\\par\n"
                          % (width, height, width * TWIPS_PER_PIXEL, height * TWIPS_PER_PIXEL, lines))
        if caption:
            self.parts.append("\\pard\\qc\\sa200\\plain\\f0\\fs18\\i\\cf%d %s\\par\n" % (GREY, escape(caption)))

    def rtf(self):
        header = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                  "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\ftech\\fcharset2 Symbol;}}\n"
                  "{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red192\\green0\\blue0;"
                  "\\red0\\green110\\blue50;\\red235\\green235\\blue235;\\red90\\green90\\blue90;}\n"
                  "{\\info{\\title %s}{\\author Tarmika}}\n"
                  "\\viewkind4\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\n"
                  % escape(self.title))
        return (header + "".join(self.parts) + "}\n").encode("ascii")
