#!/usr/bin/env python3
"""Writes the initial clone files of the 16 model types into data/initial/.

The program starts every document from the initial image of its model type: the radio as it
leaves the factory. Each image is built from the readable tables beside this script:

  channels.txt   the channel plans of the International, USA and Canada banks
  dsc_calls.txt  what each of the 59 DSC call categories serves, with its initial settings
  models.txt     the model types: name, form, home plan, banks shown, call channel, ATIS

and from the settings below, which differ by model class (fixed mount or handheld, American
or European lists). Every image holds:

  - the three channel banks, P channel 16 in every bank (also the channel each bank starts
    on), C channel 9 in the USA bank and the model's call channel in the others, and the home
    plan's short channel names;
  - the ten weather channels (names are their frequencies), the DSC channel list;
  - empty free channels (inhibited in every bank), empty DSC individual IDs and waypoints,
    no own MMSI and no ATIS identity;
  - a factory block with version number 1.000 and its checked copy;
  - model type at 0x0EE9 and layout 2 at 0x0EEA.

Each image is already in the form the program brings it to when it loads it and before it
writes it, so neither loading the template nor saving a new document changes a byte.

Usage: make_initial_files.py [--output FOLDER] [--dsc-sheet]
  --dsc-sheet prints the row lines of the DSC call category sheet for the overlay instead.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))

IMAGE_SIZE = 0x4730
FILE_LAST = 0x45CF  # clone files carry 0x0000-0x45CF
MODEL_CODE = 0x3338
SUB_CODE = 0x0001
MAP_REVISION = 2

# Image layout.
FACTORY = 0x0050  # 276-byte factory block ...
FACTORY_COPY = 0x01A0  # ... and the copy the radio reads, with its check byte last
FACTORY_SIZE = 276
FACTORY_VERSION = b"1.000"  # at 0x015A: thousands, (skipped), hundreds, tens, units
BANK_FLAGS = 0x02F0
BANK_STRIDE = 0x1C0
BANK_OF = {"USA": 0, "INT": 1, "CAN": 2}
FREE_CHANNELS = 0x0830
START_WORDS = 0x0A60  # the channel each bank starts on: the radio keeps its P channel there
WX_START = 0x0A66  # the weather channel the radio starts on: the first one not inhibited
C_WORDS = 0x0A90
P_WORDS = 0x0B92
LCD_SYMBOLS = 0x0B80
WX_INHIBIT = 0x0B90
GROUPS = 0x0B98
MODEL_TYPE = 0x0EE9
LAYOUT = 0x0EEA
CLONE_COMMENT = 0x0EEB
NAMES = 0x0F10
WX_NAMES = 0x1F82
ATIS_ID = 0x1FF0
ATIS_FLAGS = 0x2000
DSC_FLAGS = 0x2020
SELF_ID = 0x20E0
DSC_BANDS = 0x20F4
DSC_CALL_SWITCH = 0x20F6
DSC_CALLS = 0x20F7
DSC_ALARMS = 0x2295
DSC_IDS = 0x22E0
CALL_LOGS = (0x2920, 0x4150)
WAYPOINTS = 0x4160

BANK_SLOTS = 421  # channels 0-116 with their A and B variants, then 70 free channels
FREE_SLOT = 351
FREE_COUNT = 70
DSC_SLOTS = 171  # channels 1-28 and 60-88 with their variants
WAYPOINT_COUNT = 51
DSC_ID_COUNT = 100

# Bank and DSC flag bits.
INHIBITED = 0x80
TX_INHIBIT = 0x04
LOW_POWER = 0x20
SIMPLEX = 0x02

# Model classes.
CLASS_A = {0, 6, 7, 12, 13, 15}  # American lists
CLASS_B = {0, 1, 2, 3, 4, 5, 6, 15}  # fixed mount

# Weather channels: the marine order of the NOAA and Weatheradio Canada frequencies. The
# USA types listen to the first nine (8 and 9 are Canadian broadcasts); 10 is unused.
WEATHER = ["162.550", "162.400", "162.475", "162.425", "162.450", "162.500", "162.525",
           "161.650", "161.775", "163.275"]
WEATHER_USABLE = {"USA": 9, "INT": 7}

# Soft keys (20) and dial keys (4). The values are the entries of the soft-key lists of the
# overlay: 0 scan, 1 dual/tri-watch, 2 call channel, 3 power, 4 public address, 5 hailer
# speaker, 6 horn, 7 intercom, 8 weather, 9 water drain, 10 scan tag, 11 channel name,
# 12 backlight, 13 waypoint, 14 man overboard, 15 DSC log, 16 monitor, 17 key lock,
# 18 flashlight, 19 ATIS, 20 noise cancelling, 22 position, 255 none.
SOFT_KEYS = {
    ("fixed", "A"): [0, 1, 2, 3, 8, 10, 11, 16, 4, 6, 7, 5, 12, 13, 14, 15, 17, 22, 255, 255],
    ("fixed", "E"): [0, 1, 2, 3, 10, 11, 16, 4, 6, 7, 5, 12, 13, 14, 15, 17, 20, 22, 255, 255],
    ("handheld", "A"): [0, 1, 2, 3, 8, 10, 9, 18, 11, 16, 12, 13, 14, 15, 17, 22,
                        255, 255, 255, 255],
    ("handheld", "E"): [0, 1, 2, 3, 10, 9, 18, 11, 16, 12, 13, 14, 15, 17, 20, 22,
                        255, 255, 255, 255],
}
ATIS_SOFT_KEY = 19  # replaces noise cancelling on the inland types
NOISE_CANCEL_SOFT_KEY = 20
# Dial keys of the fixed mount: channel 16, call channel, power, scan. Handhelds have none.
DIAL_KEYS = {"fixed": [1, 2, 3, 4], "handheld": [0, 0, 0, 0]}

# Settings every type shares: address -> byte.
COMMON_SETTINGS = {
    0x0ABF: 5,  # backlight level 5
    0x0AC0: 4,  # contrast 4
    0x0AC2: 1,  # key beep on
    0x0ACE: 0,  # normal scan
    0x0ACF: 1,  # scan timer on
    0x0AD0: 0,  # dual watch
    0x0AEA: 0,  # receive noise cancelling off
    0x0AEB: 0,  # transmit noise cancelling off
    0x0AEC: 0,  # remote ID 1
    0x0AED: 1,  # switch to channel 16 automatically
    0x0AEF: 1,  # channel 70 squelch medium
    0x0AF1: 0,  # position output off
    0x0AF5: 0,  # horn: manual horn
    0x0AF6: 0,  # receive on the internal speaker
    0x0AF9: 0,  # flashlight off
    0x0AFA: 2,  # flashlight off after 5 minutes
    0x0AFB: 0,  # steady light
    0x0AFC: 1,  # flash on a DSC alarm
    0x0AFD: 0,  # monitor while held
    0x0B00: 0,  # nautical miles and knots
    0x0B0C: 15,  # inactivity timer 15 minutes
    0x0B0D: 10,  # DSC inactivity timer 10 minutes
    0x0B0E: 0,  # auto return off
    0x0B0F: 0,  # return time off
    0x0B11: 0,  # International channels in four digits
    0x0BA1: 100,  # scan speed 0.100 s
    0x0BA2: 40,  # horn frequency 400 Hz
    0x0BA3: 50,  # maker: transient timer 0.050 s
    0x0BA6: 20,  # maker: transmit mute 0.020 s
    0x0BA7: 20,  # maker: receive mute 0.020 s
    0x0BAC: 1, 0x0BAD: 1, 0x0BAE: 1,  # channel display menu on in every band
    0x0BC2: 0, 0x0BC3: 0, 0x0BC4: 0,  # maker: PLL options
    0x0E89: 200,  # volume beep 0.200 s
    0x0E8A: 120,  # DSC scan timer 120 s
    0x0E90: 5,  # second power save 5 s
    0x0E98: 5, 0x0E9A: 2, 0x0E9C: 60, 0x0E9E: 10,  # maker: GPS power save
}
COMMON_WORDS = {
    0x0AF2: 0,  # UTC offset 0:00
    0x0B9E: 300,  # transmit time-out 300 s
    0x0BA4: 1000,  # maker: dual/tri-watch timer 1.00 s
    0x0E8C: 1000,  # maker: channel 70 watch timer 1.00 s
    0x0E8E: 10000,  # first power save 10 s
    0x0E92: 100, 0x0E94: 200, 0x0E96: 500,  # maker: power save on and off times
}
# Fixed mounts carry the hailer (public address, horn, intercom, hailer speaker); handhelds
# the water drain, the volume beep and the battery saving.
FORM_SETTINGS = {
    "fixed": {0x0E80: 0x17, 0x0E88: 0x00, 0x0AEE: 1, 0x0B99: 0xF8},
    "handheld": {0x0E80: 0x00, 0x0E88: 0x3A, 0x0AEE: 0, 0x0B99: 0xFC},
}
# 0x0B99: 0x80 tri-watch, 0x40 dual watch, 0x20 time-out, 0x10 time-out alarm, 0x08 noise
# cancelling fitted, 0x04 water drain. 0x0E88: 0x20, 0x10, 0x08 battery saving on channel,
# scan and dual watch, 0x02 volume beep. 0x0AEE: DSC data output.

# DSC settings: 0x0AF0 bit 7 individual auto-acknowledge (American practice), bit 6 position
# reply manual, bit 5 test reply automatic, bits 4-0 safety, routine, warning, self-terminate
# and discrete alarms on.
AUTO_ACK = {"A": 0xBF, "E": 0x3F}

# Channel 70 watch (0x0B01, 0x0B02): fixed mounts watch continuously; American handhelds
# with battery saving; European handhelds by their on/off flag.
CH70_WATCH = {("fixed", "A"): (1, 0), ("fixed", "E"): (1, 0),
              ("handheld", "A"): (2, 0), ("handheld", "E"): (0, 1)}

# DSC alarm records (4 bytes from 0x2295): volume in percent, and the shutdown nibble
# (0 manual, 1 auto) of the position alarms. Record 6 repeats record 2's volume.
DSC_ALARM_VOLUMES = [70, 70, 80, 60, 60, 50, 80, 50, 70, 70, 50]
DSC_ALARM_SHUTDOWN = {1: 1, 8: 1, 9: 1}

TONES = {"TwoTone", "DistressAck", "Urgency", "UrgencyAck", "Routine", "RoutineAck"}


def read_table(name, columns):
    """The rows of a "|"-separated table file, comment lines skipped, cells trimmed."""
    rows = []
    with open(os.path.join(HERE, name), encoding="ascii") as table:
        for number, line in enumerate(table, 1):
            if not line.strip() or line.startswith("#"):
                continue
            cells = [cell.strip() for cell in line.rstrip("\n").split("|")]
            if len(cells) != columns:
                sys.exit(f"{name}:{number}: {len(cells)} columns, expected {columns}")
            rows.append(cells)
    return rows


def bank_slot(designator):
    """Bank slot of a channel designator: 16 -> 48, 1022 -> 67, 2021 -> 65."""
    number = int(designator)
    variant, channel = divmod(number, 1000) if number >= 1000 else (0, number)
    return channel * 3 + variant


def dsc_slot(designator):
    """DSC channel slot: channels 1-28 from 0, channels 60-88 from 84, three per channel."""
    slot = bank_slot(designator)
    channel, variant = divmod(slot, 3)
    if 1 <= channel <= 28:
        return (channel - 1) * 3 + variant
    if 60 <= channel <= 88:
        return 84 + (channel - 60) * 3 + variant
    return None


def read_channels():
    channels = []
    for row in read_table("channels.txt", 8):
        designator, modes, names, dsc = row[0], row[1:4], row[4:7], row[7].split()
        for mode in modes:
            if mode != "-" and (mode[0] not in "SDR" or mode[1:] not in ("", "L")):
                sys.exit(f"channels.txt: bad mode {mode!r} of channel {designator}")
        for name in names:
            if len(name) > 10 or name != name.upper():
                sys.exit(f"channels.txt: bad name {name!r} of channel {designator}")
        channels.append({
            "slot": bank_slot(designator),
            "dsc": dsc_slot(designator),
            "modes": dict(zip(("INT", "USA", "CAN"), modes)),
            "names": dict(zip(("INT", "USA", "CAN"), names)),
            "dsc_plans": set(dsc),
        })
    return channels


def read_dsc_calls():
    calls = []
    for row in read_table("dsc_calls.txt", 11):
        category = int(row[0])
        if category != len(calls):
            sys.exit(f"dsc_calls.txt: category {category} out of order")
        transmit, receive = row[3], row[4]
        if transmit.lstrip("=") not in ("ON", "OFF") or receive not in ("ON", "OFF"):
            sys.exit(f"dsc_calls.txt: bad transmit or receive in category {category}")
        if row[6] not in TONES or row[9] not in ("Manual", "Auto") or row[10] not in ("ON", "OFF"):
            sys.exit(f"dsc_calls.txt: bad alarm settings in category {category}")
        low, high = int(row[7]), int(row[8])
        if not 0 <= low <= high <= 100:
            sys.exit(f"dsc_calls.txt: bad alarm volumes in category {category}")
        calls.append({
            "call": row[1], "purpose": row[2],
            "transmit": transmit.lstrip("=") == "ON", "fixed": transmit.startswith("="),
            "receive": receive == "ON", "power": 0 if row[5] == "High" else 1,
            "tone": row[6], "low": low, "high": high,
            "shutdown": 0 if row[9] == "Manual" else 1, "visual": 1 if row[10] == "ON" else 0,
        })
    if len(calls) != 59:
        sys.exit(f"dsc_calls.txt: {len(calls)} categories, expected 59")
    return calls


def read_models():
    models = []
    for row in read_table("models.txt", 7):
        model_type = int(row[0])
        if model_type != len(models):
            sys.exit(f"models.txt: type {model_type} out of order")
        form = row[2]
        if (form == "fixed") != (model_type in CLASS_B):
            sys.exit(f"models.txt: the form of type {model_type} contradicts its class")
        models.append({
            "type": model_type, "name": row[1], "form": form, "plan": row[3],
            "banks": set(row[4].split()), "call": int(row[5]), "atis": row[6] == "yes",
            "lists": "A" if model_type in CLASS_A else "E",
        })
    if len(models) != 16:
        sys.exit(f"models.txt: {len(models)} types, expected 16")
    return models


def check_value(data, start, count):
    """One's complement of the sum of count bytes from start, modulo 256."""
    return 0xFF - sum(data[start:start + count]) % 256


class Image:
    def __init__(self):
        # An erased EEPROM, then the settings areas cleared.
        self.data = bytearray([0xFF] * IMAGE_SIZE)
        self.data[BANK_FLAGS:BANK_FLAGS + 3 * BANK_STRIDE] = bytes(3 * BANK_STRIDE)
        self.data[0x0A60:NAMES] = bytes(NAMES - 0x0A60)
        self.data[0x1FE6:DSC_IDS] = bytes(DSC_IDS - 0x1FE6)

    def byte(self, address, value):
        self.data[address] = value

    def word(self, address, value):
        self.data[address:address + 2] = (value & 0xFFFF).to_bytes(2, "little")

    def text(self, address, text, length):
        self.data[address:address + length] = text.ljust(length).encode("ascii")[:length]


def name_of(channel, plan):
    order = ["USA", "CAN", "INT"] if plan == "USA" else ["INT", "USA", "CAN"]
    for source in order:
        if channel["names"][source]:
            return channel["names"][source]
    return ""


def build_banks(image, model, channels):
    for bank, index in BANK_OF.items():
        base = BANK_FLAGS + BANK_STRIDE * index
        for slot in range(BANK_SLOTS):
            flags = INHIBITED
            if slot < FREE_SLOT and slot % 3 != 0:
                flags |= SIMPLEX  # the A and B channels are always simplex
            image.byte(base + slot, flags)
        for channel in channels:
            mode = channel["modes"][bank]
            if mode == "-":
                continue
            flags = 0
            if mode[0] in "SR" or channel["slot"] % 3 != 0:
                flags |= SIMPLEX
            if mode[0] == "R":
                flags |= TX_INHIBIT
            if mode.endswith("L"):
                flags |= LOW_POWER
            image.byte(base + channel["slot"], flags)
        call = {"USA": 9, "CAN": 16, "INT": model["call"]}[bank]
        image.word(P_WORDS + 2 * index, bank_slot("16"))
        image.word(START_WORDS + 2 * index, bank_slot("16"))
        image.word(C_WORDS + 2 * index, bank_slot(str(call)))
    image.data[NAMES:NAMES + 10 * BANK_SLOTS] = b" " * (10 * BANK_SLOTS)
    for channel in channels:
        image.text(NAMES + 10 * channel["slot"], name_of(channel, model["plan"]), 10)
    # Channel display: Canada shows its A and B channels by letter, the others in four digits.
    image.byte(0x0B10, 0)
    image.byte(0x0B12, 1)


def build_free_channels(image):
    # An empty free channel: no frequency codes, no name; its bank slots stay inhibited.
    for n in range(FREE_COUNT):
        address = FREE_CHANNELS + 8 * n
        image.data[address:address + 8] = b"\x00\x00\x00\x00   \x00"


def build_weather(image, model):
    usable = WEATHER_USABLE[model["plan"]]
    image.word(WX_INHIBIT, sum(1 << k for k in range(usable, len(WEATHER))))
    image.byte(WX_START, 0)
    for k, name in enumerate(WEATHER):
        image.text(WX_NAMES + 10 * k, name, 10)


def build_dsc_channels(image, model, channels):
    offered = "U" if model["plan"] == "USA" else "I"
    for slot in range(DSC_SLOTS):
        image.byte(DSC_FLAGS + slot, INHIBITED | (SIMPLEX if slot % 3 else 0))
    for channel in channels:
        slot = channel["dsc"]
        if slot is None:
            continue
        mode = channel["modes"][model["plan"]]
        flags = 0 if offered in channel["dsc_plans"] or channel["slot"] == 48 else INHIBITED
        if (mode != "-" and mode[0] in "SR") or slot % 3:
            flags |= SIMPLEX
        if mode.endswith("L"):
            flags |= LOW_POWER
        image.byte(DSC_FLAGS + slot, flags)


def build_dsc(image, model, calls):
    lists = model["lists"]
    image.data[SELF_ID:SELF_ID + 6] = b"\xFF" * 6  # no own MMSI
    image.byte(DSC_BANDS, 0x07)  # DSC in every band
    image.byte(DSC_CALL_SWITCH, 0x07)  # switch to the proposed channel after every call
    image.byte(0x0AF0, AUTO_ACK[lists])
    for k, call in enumerate(calls):
        record = DSC_CALLS + 7 * k
        image.data[record:record + 7] = bytes([
            int(call["transmit"]), int(call["receive"]), call["power"], 0,
            call["low"], call["high"], call["shutdown"] | call["visual"] << 4])
    image.byte(DSC_ALARMS - 1, 0)
    for r, volume in enumerate(DSC_ALARM_VOLUMES):
        if r == 6:
            volume = DSC_ALARM_VOLUMES[2]
        record = DSC_ALARMS + 4 * r
        image.data[record:record + 4] = bytes([volume, volume, DSC_ALARM_SHUTDOWN.get(r, 0), 0])
    for n in range(DSC_ID_COUNT):
        record = DSC_IDS + 16 * n
        image.data[record:record + 16] = b"\xFF" * 5 + b" " * 10 + b"\xFF"


def build_atis(image, model):
    image.data[ATIS_ID:ATIS_ID + 6] = b"\xFF" * 6  # no ATIS identity
    # Bit 1: ATIS on the International channels; bit 4 (high power allowed) stays clear.
    image.byte(ATIS_FLAGS, 0x02 if model["atis"] else 0x00)


def build_settings(image, model):
    form, lists, model_type = model["form"], model["lists"], model["type"]
    for address, value in COMMON_SETTINGS.items():
        image.byte(address, value)
    for address, value in COMMON_WORDS.items():
        image.word(address, value)
    for address, value in FORM_SETTINGS[form].items():
        image.byte(address, value)
    image.byte(0x0AD1, 1 if lists == "A" else 0)  # weather alert, American types only
    soft_keys = list(SOFT_KEYS[(form, lists)])
    if model["atis"]:
        soft_keys[soft_keys.index(NOISE_CANCEL_SOFT_KEY)] = ATIS_SOFT_KEY
    image.data[0x0AD6:0x0AD6 + 20] = bytes(soft_keys)
    image.data[0x0AD2:0x0AD6] = bytes(DIAL_KEYS[form])
    image.byte(0x0B01, CH70_WATCH[(form, lists)][0])
    image.byte(0x0B02, CH70_WATCH[(form, lists)][1])
    groups = 0x18  # scan function on, transmit key accepted during scan
    groups |= 0x01 if "USA" in model["banks"] else 0
    groups |= 0x02 if "WX" in model["banks"] else 0
    groups |= 0x04 if "CAN" in model["banks"] else 0
    image.byte(GROUPS, groups)
    for k, symbol in enumerate(["USA", "INT", "CAN"]):
        image.text(LCD_SYMBOLS + 5 * k, symbol, 5)
    image.byte(MODEL_TYPE, model_type)
    image.byte(LAYOUT, 2)
    image.text(CLONE_COMMENT, "", 16)


def build_waypoints(image):
    for n in range(WAYPOINT_COUNT):
        record = WAYPOINTS + 20 * n
        image.data[record:record + 20] = b"\xFF" * 12 + bytes(8)


def build_factory_block(image):
    block = bytearray([0x80] * FACTORY_SIZE)  # adjustments at mid-scale
    block[0:8] = b"KT-V818X"
    version = 0x015A - FACTORY
    block[version:version + 5] = FACTORY_VERSION
    block[version + 5:FACTORY_SIZE - 2] = b"\xFF" * (FACTORY_SIZE - 2 - version - 5)
    block[FACTORY_SIZE - 2] = 0x80  # the block is valid
    block[FACTORY_SIZE - 1] = check_value(block, 0, FACTORY_SIZE - 1)
    image.data[FACTORY:FACTORY + FACTORY_SIZE] = block
    image.data[FACTORY_COPY:FACTORY_COPY + FACTORY_SIZE] = block


def build_image(model, channels, calls):
    image = Image()
    build_factory_block(image)
    build_banks(image, model, channels)
    build_free_channels(image)
    build_weather(image, model)
    build_dsc_channels(image, model, channels)
    build_dsc(image, model, calls)
    build_atis(image, model)
    build_settings(image, model)
    build_waypoints(image)
    image.data[CALL_LOGS[0]:CALL_LOGS[1]] = b"\xFF" * (CALL_LOGS[1] - CALL_LOGS[0])
    return image


def clone_file_text(image):
    """A clone file: header, comment, map revision, 16-byte records, CR LF line ends."""
    lines = [f"{MODEL_CODE:04X}{SUB_CODE:04X}", "#Comment=", f"#MapRev={MAP_REVISION}"]
    for address in range(0, FILE_LAST + 1, 16):
        record = image.data[address:address + 16]
        lines.append(f"{address:04X}{len(record):02X}" + record.hex().upper())
    return "".join(line + "\r\n" for line in lines)


def file_name(model_type):
    return f"initial/model_{model_type:02d}.icf"


def dsc_sheet_rows(calls):
    """Row lines of the DSC call category sheet: one row per category."""
    tone_labels = {
        "TwoTone": "CL_DscCall_Alarm_Distress", "DistressAck": "CL_DscCall_Alarm_Distress_ACK",
        "Urgency": "CL_DscCall_Alarm_Urgency", "UrgencyAck": "CL_DscCall_Alarm_Urgency_ACK",
        "Routine": "CL_DscCall_Alarm_Safety", "RoutineAck": "CL_DscCall_Alarm_Safety_ACK",
    }
    rows = []
    for k, call in enumerate(calls):
        if k == 5:
            transmit = "{($Val)(%CL_DscCall_Tx_EPIRB_Ind[5])}"
        elif k == 7:
            transmit = "{($Val)(%CL_DscCall_Tx_EPIRB_All[7])}"
        elif call["fixed"]:
            label = "CL_DscCall_Tx_ON" if call["transmit"] else "CL_DscCall_Tx_OFF"
            transmit = f"{{($Fix)(%{label}[{k}])}}"
        else:
            transmit = f"{{($Val)(%CL_DscCall_Tx[{k}])}}"
        cells = [
            f"{{($RowNo)}}{k}",
            f"{{($RowHead)}}{call['call']}",
            f"{{($RowHead)}}{call['purpose']}",
            transmit,
            f"{{($Val)(%CL_DscCall_Rx[{k}])}}",
            f"{{($Val)(%CL_DscCall_TxPow[{k}])}}",
            f"{{($Fix)(%{tone_labels[call['tone']]}[{k}])}}",
            f"{{($Num)(%CL_DscCall_Alarm_Min[{k}])}}",
            f"{{($Num)(%CL_DscCall_Alarm_Max[{k}])}}",
            f"{{($Val)(%CL_DscCall_Alarm_Shutdown[{k}])}}",
            f"{{($Val)(%CL_DscCall_Alarm_Visual[{k}])}}",
        ]
        rows.append("|".join(cells) + "|")
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", default=os.path.join(REPO, "data"),
                        help="folder that receives initial/ (default: the repository's data/)")
    parser.add_argument("--dsc-sheet", action="store_true",
                        help="print the DSC call category rows of the overlay and stop")
    arguments = parser.parse_args()

    channels = read_channels()
    calls = read_dsc_calls()
    models = read_models()
    if arguments.dsc_sheet:
        print("\n".join(dsc_sheet_rows(calls)))
        return
    os.makedirs(os.path.join(arguments.output, "initial"), exist_ok=True)
    for model in models:
        image = build_image(model, channels, calls)
        path = os.path.join(arguments.output, file_name(model["type"]))
        with open(path, "w", encoding="ascii", newline="") as out:
            out.write(clone_file_text(image))


if __name__ == "__main__":
    main()
