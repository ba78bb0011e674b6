#!/usr/bin/env python3
"""Builds the general settings resource ORG and the layouts ORG1..ORG3 in
resources/rcdata, and the skin guide tools/skins/skin_guide.txt that tells the
skin generator where the layouts put things.

The window is 1030 x 662: a header band (two button rows), a content area
(x 24..1006, y 106..570) that holds each page on a few cards, and a footer band
with the logo and the confirm buttons. Every position below comes from that
grid, so cards, labels and controls line up the same way on all pages.

Layouts 1 and 2 (English, Chinese) share the graphite palette; layout 3 uses
the midnight palette of its skin images. All three place controls alike.

The resources are 8-bit text with CR LF line ends; "//" lines are remarks.

Usage: make_layouts.py [--check]
  --check  only report whether the committed files match this recipe.
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
RESOURCES = ROOT / "resources" / "rcdata"
GUIDE = ROOT / "tools" / "skins" / "skin_guide.txt"

WINDOW_W, WINDOW_H = 1030, 662
MARGIN = 24
CONTENT_TOP, CONTENT_BOTTOM = 106, 570
BODY = (MARGIN, CONTENT_TOP)  # top-left of every page body image (982 x 464)
CARD_PAD = 16  # inner margin of a card: headings and first controls start here
FOOTER_BUTTON_Y = 605

# Sizes of the skin images the layout places (they must match the skin table).
SET_W, SET_H = 100, 30
KEY_W, KEY_H = 150, 30
CHECK, RADIO = 16, 15
BAR1_W, BAR2_W = 26, 20

GENERAL = [
    ("Web_Enable", 0, "the logo button opens no web page"),
    ("Web", "", None),
    ("Web_X", MARGIN, "logo in the footer, left"),
    ("Web_Y", 587, None),
    ("Rev_Manu_ID", 0, "reserved"),
    ("Rev_Pro_ID", 0, None),
    ("Path", "", "empty: the macro library lives beside the program"),
    ("TR_Enable", 0, "no text rolling on hovered captions"),
    ("BE_Enable", 1, "button-effect switch offered"),
    ("GD_Enable", 1, "profile 2 is the gun-key profile: fire macro page reachable"),
    ("DPILED_Status", 1, "bar style: only the current step is lit"),
    ("Gun6_Num", 2, None),
    ("Gun7_Num", 3, None),
    ("Num_Order", 1, "lighting scale numbers hidden"),
    ("IC_Config_Type", 0, "both chip variants accepted; _4230 lighting positions"),
    ("Bar_Config_Type", 1, "sliders instead of step images"),
    ("Engineer_Enable", 0, "engineer header button hidden"),
]

# Palettes: text, dim text, accent, card, input well, border, menu highlight.
GRAPHITE = {
    "text": (222, 228, 235),
    "dim": (140, 150, 162),
    "accent": (34, 211, 238),
    "card": (26, 29, 35),
    "well": (16, 18, 22),
    "border": (58, 64, 75),
    "selection": (14, 95, 107),
    "highlight_font": (10, 12, 15),
}
MIDNIGHT = dict(GRAPHITE, card=(28, 24, 51), well=(17, 14, 34), border=(66, 58, 104),
                selection=(40, 40, 110))
PALETTES = {1: GRAPHITE, 2: GRAPHITE, 3: MIDNIGHT}


class Layout:
    """An ordered list of remark and key lines."""

    def __init__(self):
        self.lines = []
        self.keys = set()

    def remark(self, text):
        self.lines.append(("//", text))

    def value(self, key, value):
        if key.lower() in self.keys:
            sys.exit(f"{key} given twice")
        self.keys.add(key.lower())
        self.lines.append((key, value))

    def colour(self, name, rgb):
        for part, component in zip("RGB", rgb):
            self.value(f"{name}_{part}", component)

    def place(self, name, x, y, **parts):
        self.value(f"{name}_X", x)
        self.value(f"{name}_Y", y)
        for part in "WHD":
            if part in parts:
                self.value(f"{name}_{part}", parts[part])

    def switchable(self, name, at):
        self.value(f"{name}_Enable", 1)
        self.place(name, *at)

    def label(self, name, x, y, rgb, size, width):
        base = f"{name}_Lable"
        self.place(base, x, y)
        self.colour(base, rgb)
        self.value(f"{base}_Size", size)
        self.value(f"{base}_Width", width)

    def text(self, section):
        width = max(len(k) for k, _ in self.lines if k != "//")
        out = [f"[{section}]"]
        previous = None
        for key, value in self.lines:
            if key == "//":
                if previous != "//":
                    out.append("")
                out.append(f"// {value}")
            else:
                out.append(f"{key.ljust(width)} = {value}".rstrip())
            previous = key
        return out


class Guide:
    """What the skin generator draws under the controls, in image coordinates."""

    def __init__(self):
        self.lines = []

    def add(self, kind, image, *numbers):
        self.lines.append(" ".join([kind, image] + [str(n) for n in numbers]))


def body_local(x, y):
    return x - BODY[0], y - BODY[1]


def card(guide, image, x0, y0, x1, y1, heading=True):
    x, y = body_local(x0, y0)
    guide.add("card" if heading else "panel", image, x, y, x1 - x0, y1 - y0)


# ---- header and footer -------------------------------------------------------
ROW1_Y, ROW2_Y = 12, 54
TAB_STEP = SET_W + 8
TABS = ["Main", "Switch", "Fixed", "Adv", "Breath", "Macro", "Update"]
CHROME = {
    # name: (key, position)
    "Confirm1": ("Btn_A2", (690, FOOTER_BUTTON_Y)),
    "Confirm2": ("Btn_A3", (798, FOOTER_BUTTON_Y)),
    "Confirm3": ("Btn_A5", (906, FOOTER_BUTTON_Y)),
    "Exit": ("Btn_A4", (972, 11)),
    "Mini": ("Btn_A6", (930, 11)),
    "Main": ("Btn_B1", (MARGIN + 0 * TAB_STEP, ROW2_Y)),
    "Switch": ("Btn_B2", (MARGIN + 1 * TAB_STEP, ROW2_Y)),
    "Fixed": ("Btn_B3", (MARGIN + 2 * TAB_STEP, ROW2_Y)),
    "Adv": ("Btn_B4", (MARGIN + 3 * TAB_STEP, ROW2_Y)),
    "Breath": ("Btn_B5", (MARGIN + 4 * TAB_STEP, ROW2_Y)),
    "Macro": ("Btn_B11", (MARGIN + 5 * TAB_STEP, ROW2_Y)),
    "Update": ("Btn_B12", (MARGIN + 6 * TAB_STEP, ROW2_Y)),
    "Save": ("Btn_B6", (798, ROW2_Y)),
    "Load": ("Btn_B7", (906, ROW2_Y)),
    "Lang1": ("Btn_B8", (606, ROW1_Y)),
    "Lang2": ("Btn_B9", (714, ROW1_Y)),
    "Lang3": ("Btn_B10", (822, ROW1_Y)),
}
CHROME_ORDER = ["Confirm1", "Confirm2", "Confirm3", "Exit", "Mini", "Main", "Switch", "Fixed",
                "Adv", "Breath", "Macro", "Update", "Save", "Load", "Lang1", "Lang2", "Lang3"]

# ---- page 1: the mouse and its button labels ----------------------------------
# Labels by button slot, on two columns beside the mouse, top to bottom.
KEY_COLUMNS = {
    48: [1, 3, 5, 2, 10, 11],   # left, fire key, forward, backward, two rear side keys
    450: [4, 7, 6, 9, 8, 12],   # right, middle, DPI +, DPI -, DPI loop, right side key
}
KEY_ROW_Y = [128 + 72 * i for i in range(6)]
# Layout button n places label LABEL_OF_BUTTON[n].
LABEL_OF_BUTTON = {1: 1, 2: 4, 3: 7, 4: 2, 5: 5, 6: 8, 7: 3, 8: 6, 9: 9, 10: 10, 11: 11, 12: 12}
COMBO_X, COMBO_Y0, COMBO_STEP = 656, 138, 52

# ---- page 2 -------------------------------------------------------------------
DPI_ROW_Y = [170 + 26 * i for i in range(8)]
AIM_Y = 384
DPI_STEPS_X, DPI_STEP_D = 124, 4
FIRE_ROW_Y = [174, 204, 234]
REP_X = [40, 160, 280, 400]

# ---- page 6 -------------------------------------------------------------------
GUN_X = [47 + 136 * i for i in range(7)]
GUN_Y = 122
FIRE_COLUMNS = ["FireCnt#", "FireX#", "FireX#_Offset", "FireY#", "FireY#_Offset",
                "FireTime#", "FireColor#"]
FIRE_COLUMN_X = [72 + 130 * i for i in range(7)]
FIRE_COLUMN_LABELS = ["Gun_Marco_Fire_Count", "Gun_Marco_Fire_X", "Gun_Marco_X_Offset",
                      "Gun_Marco_Fire_Y", "Gun_Marco_Y_Offset", "Gun_Marco_Fire_Delay",
                      "Gun_Marco_Color"]
FIRE_ROW_SEGMENT_Y = [244, 294, 344]
# Mode pictures of gun 6 (two) and gun 7 (three) on the lower card, centred on y 490.
GUN_MODES = [(560, 469), (614, 467), (740, 464), (804, 462), (873, 459)]


def build_layout(k, guide):
    p = PALETTES[k]
    text, dim, accent = p["text"], p["dim"], p["accent"]
    lay = Layout()

    lay.remark("Text styles: font size in points and font colour of groups of controls")
    for style, size, rgb in [("A", 10, text), ("B", 10, text), ("C", 9, text), ("G", 9, text)]:
        lay.value(f"Size_{style}", size)
        lay.colour(f"Color_{style}", rgb)
    lay.value("Size_D", 9)
    lay.colour("Color_D_Selected", text)
    lay.colour("Color_D_notSelected", dim)
    for style, size, rgb in [("E", 8, dim), ("F", 9, text), ("I", 10, text)]:
        lay.value(f"Size_{style}", size)
        lay.colour(f"Color_{style}", rgb)
    lay.value("Size_J", 9)

    lay.remark("Surface colours")
    for name, rgb in [
        ("Color_G_Back", p["card"]), ("Color_G_Border", p["border"]),
        ("Color_G_SF", p["highlight_font"]), ("Color_G_SP", accent),
        ("Color_MACRO", p["selection"]), ("Color_F_LBack", p["well"]),
        ("Color_F_LBorder", p["border"]), ("Color_F_Font", text), ("Color_F_Back", p["well"]),
        ("Color_D_Back", p["well"]), ("Color_D_Border", p["border"]),
        ("Color_J_Font", text), ("Color_J_Back", p["well"]), ("Color_J_Border", p["border"]),
        ("Color_BG_Slider", p["card"]),
    ]:
        lay.colour(name, rgb)

    lay.remark("Window chrome: language buttons, minimise and exit on the first header row;")
    lay.remark("page tabs, save and load on the second; confirm buttons in the footer")
    for name in CHROME_ORDER:
        key, at = CHROME[name]
        lay.switchable(key, at)
    lay.value("Btn_Space_F", 4)
    lay.value("Btn_Space_B", 4)

    lay.remark("Page 1: body images, then the button labels on two columns beside the mouse")
    for n in range(1, 7):
        lay.place(f"P{n}", *(BODY if n != 5 else UPDATE_BANNER))
    label_at = {}
    for x, labels in KEY_COLUMNS.items():
        for label, y in zip(labels, KEY_ROW_Y):
            label_at[label] = (x, y)
    for n in range(1, 13):
        lay.switchable(f"Key{n}", label_at[LABEL_OF_BUTTON[n]])
    lay.value("Key_Width", KEY_W)
    for label, (x, y) in sorted(label_at.items()):
        guide.add("label", "Back1", *body_local(x, y), KEY_W, KEY_H, label)
    card(guide, "Back1", MARGIN, CONTENT_TOP, 624, CONTENT_BOTTOM, heading=False)
    card(guide, "Back1", 640, CONTENT_TOP, 1006, CONTENT_BOTTOM, heading=False)

    lay.remark("Combo key items on the right-hand card; item 8 only on the profile 2 page")
    for n in range(1, 9):
        lay.switchable(f"ComboKey{n}", (COMBO_X, COMBO_Y0 + COMBO_STEP * (n - 1)))
    lay.value("ComboxKey_X_Offset", CHECK + 8)
    lay.value("ComboxKey_Y_Offset", -1)
    lay.value("Combox_Width", 310)
    lay.value("Combox_Font_Size", 9)
    lay.remark("Key menu widths: first level, second level, third level")
    lay.value("M_L_W", 170)
    lay.value("SP_L_W", 180)
    lay.value("O_L_W", 170)

    lay.remark("Page 2: fire keys (right, top card)")
    for m, y in enumerate(FIRE_ROW_Y, 1):
        lay.place(f"FK{m}Cnt", 688, y)
        lay.place(f"FK{m}Delay", 808, y)
        lay.place(f"FK{m}Continue", 930, y + 3)
    lay.remark("Page 2: report rate options (left, bottom card)")
    for m, x in enumerate(REP_X, 1):
        lay.place(f"Rep{m}", x, 486)
    lay.remark("Page 2: Windows pointer, double-click and wheel speed scales (right, bottom card)")
    lay.place("Spd", 576, 316, D=0)
    lay.place("DbSpd", 576, 404, D=0)
    lay.place("ScrSpd", 576, 464, D=0)
    lay.place("IsControl", 576, 348)
    lay.place("IsScreen", 576, 524)
    lay.remark("Page 2: DPI levels, one row each, steps to the right (left, top card)")
    lay.value("DPI_Orientation", 1)
    lay.place("DPI_Count", 402, 116)
    lay.remark("the row's slider (25 high) starts at the steps; the rest is centred on it")
    for n, y in enumerate(DPI_ROW_Y, 1):
        lay.place(f"DPI{n}_Check", 40, y + 4)
        lay.place(f"DPI{n}", 62, y + 3)
        lay.place(f"DPI{n}_Value", 424, y + 3)
        lay.place(f"DPI{n}_Steps", DPI_STEPS_X, y, D=DPI_STEP_D)
        lay.place(f"DPI{n}_Color", 488, y + 3)
    lay.place("AIMDPI", 40, AIM_Y + 3)
    lay.place("AIMDPI_Value", 424, AIM_Y + 3)
    lay.place("AIMDPI_Steps", DPI_STEPS_X, AIM_Y, D=DPI_STEP_D)
    card(guide, "Back2", MARGIN, CONTENT_TOP, 548, 410)
    card(guide, "Back2", MARGIN, 420, 548, CONTENT_BOTTOM)
    card(guide, "Back2", 560, CONTENT_TOP, 1006, 270)
    card(guide, "Back2", 560, 280, 1006, CONTENT_BOTTOM)

    lay.remark("Page 3: lighting speed scale between its Slow and Fast labels")
    lay.place("StepTime", 96, 160, D=4)
    lay.value("StepTime_Width", 10 * BAR1_W + 9 * 4)
    lay.remark("Page 3: lighting modes on two columns; the _4230 set is used unless")
    lay.remark("IC_Config_Type is 1, and both sets agree here")
    modes = [(40, 356 + 34 * i) for i in range(4)] + [(290, 356 + 34 * i) for i in range(3)]
    for n, (x, y) in enumerate(modes, 1):
        lay.place(f"LEDMode{n}", x, y)
    for n, (x, y) in enumerate(modes, 1):
        lay.place(f"LEDMode{n}_4230", x, y)
    lay.place("LED3Control", 40, 250)
    lay.place("LED6Control", 200, 250)
    lay.remark("Page 3: colour frames in one row (right card)")
    for n in range(1, 11):
        lay.place(f"LED_Color_{n}_Lable", 576 + 40 * (n - 1), 152)
    lay.remark("Page 3: lighting mode labels beside their options")
    for n, (x, y) in enumerate(modes, 1):
        lay.place(f"LED_Mode_{n}_Lable", x + RADIO + 7, y - 2)
    for n, (x, y) in enumerate(modes, 1):
        lay.place(f"LED_Mode_{n}_4230_Lable", x + RADIO + 7, y - 2)
    for n in range(1, 8):
        lay.value(f"LED_Mode_{n}_Lable_Width", 200)
    lay.colour("LED_Mode_Option_Lable", text)
    lay.value("LED_Mode_Option_Lable_Size", 9)
    for name, x in [("LED_Mode_Light_All_Lable", 40), ("LED_Mode_Light_Half_Lable", 200)]:
        lay.place(name, x + RADIO + 7, 248)
        lay.value(f"{name}_Size", 9)
        lay.value(f"{name}_Width", 120)
    card(guide, "Back3", MARGIN, CONTENT_TOP, 548, 300)
    card(guide, "Back3", MARGIN, 310, 548, CONTENT_BOTTOM)
    card(guide, "Back3", 560, CONTENT_TOP, 1006, CONTENT_BOTTOM)
    guide.add("glow", "Back3", *body_local(783, 380))

    lay.remark("Page 4: three lists side by side, the recorder card on the right")
    lay.value("MacroNameHeight", 22)
    lay.value("Edit_PCMarco_Width", 130)
    lay.place("PCMacroName", 40, 144, H=340, W=208)
    lay.place("MacroContent", 544, 144, H=396, W=208)
    lay.place("MseMacroName", 292, 144, H=340, W=208)
    lay.place("BtnNew", 40, 500)
    lay.place("BtnDelete", 158, 500)
    lay.place("BtnAddMouse", 292, 500)
    lay.place("BtnDeleteMouse", 410, 500)
    lay.place("BtnStart", 796, 116)
    lay.remark("Page 4: inside the delay group Gb_Delay (placed at DelayTime, width W);")
    lay.remark("RecDelay_H is the height of each delay option row")
    lay.place("ReleaseStopEnter", 8, 130)
    lay.place("ReleaseStopCount", 8, 164)
    lay.place("EditStopCount", 30, 190)
    lay.place("DelayTime", 788, 152, W=210)
    lay.place("RecDelay", 8, 12, H=24)
    lay.place("DelaySetting", 8, 46)
    lay.place("DelayEdit", 110, 42)
    lay.place("NoDelay", 8, 80)
    lay.remark("Page 4: the insert group Gb_Insert (207 x 162, over the delay group) and its")
    lay.remark("controls; InsertRecDelay stacks the three delay modes H high, D apart")
    lay.place("Insert", 788, 152)
    lay.place("InsertList", 10, 10)
    lay.place("InsertRecDelay", 10, 46, H=22, D=4)
    lay.place("InsertDelayEdit", 110, 84)
    lay.place("InsertAxisEdit", 70, 52)
    lay.place("InsertBtnStart", 110, 46)
    lay.place("InsertBtnOK", 50, 124)
    lay.place("InsertBtnCancel", 112, 124)
    for col in [(MARGIN, 264), (276, 516), (528, 768)]:
        card(guide, "Back4", col[0], CONTENT_TOP, col[1], CONTENT_BOTTOM)
    card(guide, "Back4", 780, CONTENT_TOP, 1006, CONTENT_BOTTOM, heading=False)
    insert_slots(guide)

    lay.remark("Page 5: the update banner (P5) with the file path, buttons below it")
    bx, by = UPDATE_BANNER
    lay.place("lbl_BINPath", bx + 124, by + 14)
    lay.place("lbl_LoadBin", bx + 124, by + 46)
    lay.place("Btn_LoadBin", 352, by + 130)
    lay.place("Btn_Program", 528, by + 130)

    lay.remark("Page 6: the seven guns in a row, the three parameter rows below, then the")
    lay.remark("left-click option and the mode pictures")
    for n, x in enumerate(GUN_X, 1):
        lay.place(f"Fire{n}", x, GUN_Y)
    for n, (x, y) in enumerate(GUN_MODES, 1):
        lay.place(f"GunMode{n}", x, y)
    lay.place("IsHasLK", 72, 482)
    for m, y in enumerate(FIRE_ROW_SEGMENT_Y, 1):
        for column, x in zip(FIRE_COLUMNS, FIRE_COLUMN_X):
            lay.place(column.replace("#", str(m)), x, y)
    lay.place("FireConfirm", 798, FOOTER_BUTTON_Y)
    lay.place("FireCancel", 906, FOOTER_BUTTON_Y)
    card(guide, "Back5", MARGIN, CONTENT_TOP, 1006, 188, heading=False)
    card(guide, "Back5", MARGIN, 196, 1006, 400, heading=False)
    card(guide, "Back5", MARGIN, 410, 1006, CONTENT_BOTTOM, heading=False)
    for m, y in enumerate(FIRE_ROW_SEGMENT_Y, 1):
        guide.add("number", "Back5", *body_local(40, y), m)

    lay.remark("Text labels: position, colour, font size and width")
    label = lay.label
    heading = (accent, 11, 240)
    label("Fire_Key", 576, 114, *heading)
    for m, y in enumerate(FIRE_ROW_Y, 1):
        label(f"Fire_Key{m}", 576, y + 2, text, 9, 100)
    label("Fire_Key_Count", 688, 146, dim, 9, 110)
    label("Fire_Key_Time", 808, 146, dim, 9, 110)
    label("Fire_Key_Continue", 920, 146, dim, 9, 80)
    label("Mouse_Speed", 576, 290, text, 10, 300)
    label("Mouse_IsControl", 576 + CHECK + 6, 346, text, 9, 380)
    label("Mouse_Double_Click", 576, 378, text, 10, 300)
    label("Mouse_Roller_Speed", 576, 438, text, 10, 300)
    label("Mouse_Roll_All_Screen", 576 + CHECK + 6, 522, text, 9, 380)
    label("DPI_Setting", 40, 114, *heading)
    label("DPI_Count", 318, 120, dim, 9, 80)
    label("DPI_Value", 424, 146, dim, 9, 60)
    label("Rating_Setting", 40, 428, *heading)
    for m, x in enumerate(REP_X, 1):
        label(f"Rating_Value_{m}", x + RADIO + 7, 484, text, 9, 90)
    label("LED_Effect_Setting", 40, 114, *heading)
    label("LED_Effect_Slow", 40, 164, dim, 9, 50)
    label("LED_Effect_Fast", 404, 164, dim, 9, 60)
    label("LED_Mode", 40, 318, *heading)
    label("LED_Light", 40, 212, *heading)
    label("LED_Color", 576, 114, *heading)
    label("Marco_List", 40, 114, accent, 10, 208)
    label("Marco_Mouse_List", 292, 114, accent, 10, 208)
    label("Marco_Content", 544, 114, accent, 10, 208)
    label("Marco_Record_Delay", 30, 10, text, 9, 170)
    label("Marco_Delay_Setting", 30, 44, text, 9, 78)
    label("Marco_No_Delay", 30, 78, text, 9, 170)
    label("Marco_MS", 170, 44, dim, 9, 30)
    label("Marco_Stop_Enter", 30, 128, text, 8, 174)
    label("Marco_Stop_Count", 30, 162, text, 8, 174)
    for name, x in zip(FIRE_COLUMN_LABELS, FIRE_COLUMN_X):
        label(name, x, 210, dim, 9, 124)
    label("Gun_Marco_Keep_Left", 72 + CHECK + 6, 480, text, 9, 300)

    lay.remark("Dialogs (background Msg, 360 x 200): assembly key, macro name, X/Y value")
    for style in "KLM":
        lay.value(f"Size_{style}", 10)
        lay.colour(f"Color_{style}", text)
    lay.colour("Color_K_AK", accent)
    lay.colour("Color_L_MN", accent)
    lay.colour("Color_M_XY", accent)
    dialog_buttons = [("Cfm", (70, 150)), ("Clear", (190, 150)), ("Close", (316, 8))]
    lay.place("AKT", 20, 14)
    lay.place("AKC", 30, 58, W=300)
    for n, key in enumerate(["MK_C", "MK_S", "MK_A", "MK_W"]):
        lay.place(key, 30 + 75 * n, 102)
    for suffix, at in dialog_buttons:
        lay.place(f"AK_{suffix}", *at)
    lay.place("MNT", 20, 14)
    lay.place("MNC", 30, 74, W=300)
    for suffix, at in dialog_buttons:
        lay.place(f"MN_{suffix}", *at)
    lay.place("NewX", 30, 78)
    lay.place("NewY", 190, 78)
    lay.place("NewXVal", 100, 74, W=70)
    lay.place("NewYVal", 260, 74, W=70)
    for suffix, at in dialog_buttons:
        lay.place(f"NewXY_{suffix}", *at)
    return lay


UPDATE_BANNER = (245, 236)


def insert_slots(guide):
    """The fields each insert kind shows, drawn as wells into its background."""
    drop_down = (10, 10, 187, 24)
    kinds = {
        "InsertDelayBase": [drop_down, (110, 84, 60, 22)],
        "InsertKeyBase": [drop_down, (110, 84, 60, 22)],
        "InsertXYBase": [drop_down, (70, 52, 60, 22), (70, 84, 60, 22)],
    }
    for image, slots in kinds.items():
        for slot in slots:
            guide.add("slot", image, *slot)


def general_text():
    lay = Layout()
    lay.remark("General settings, read once at start-up")
    for key, value, remark in GENERAL:
        if remark:
            lay.remark(remark)
        lay.value(key, value)
    return lay.text("org")


def encode(lines):
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def outputs():
    files = {RESOURCES / "ORG.txt": encode(general_text())}
    guide = None
    for k in (1, 2, 3):
        this_guide = Guide()
        lay = build_layout(k, this_guide)
        header = [f"// Layout {k} of the gaming mouse configuration tool; generated by"
                  " tools/layouts/make_layouts.py"]
        files[RESOURCES / f"ORG{k}.txt"] = encode(header + lay.text(f"org{k}"))
        if guide is None:
            guide = this_guide
        elif guide.lines != this_guide.lines:
            sys.exit("the layouts must place the skin's cards alike")
    text = ["# Where the layouts put things, for tools/skins; generated by"
            " tools/layouts/make_layouts.py.",
            "# card|panel <image> x y w h: a card (with a heading marker) or a plain panel",
            "# label <image> x y w h n: button label n of the key page",
            "# slot <image> x y w h: an input well; number <image> x y n: a row number",
            "# glow <image> x y: centre of the lighting picture"] + guide.lines
    files[GUIDE] = ("\n".join(text) + "\n").encode("ascii")
    return files


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        sys.exit(__doc__)
    stale = []
    for path, wanted in outputs().items():
        if check:
            if not path.exists() or path.read_bytes() != wanted:
                stale.append(path.name)
        else:
            path.write_bytes(wanted)
    if stale:
        sys.exit("out of date: " + ", ".join(stale))


if __name__ == "__main__":
    main(sys.argv)
