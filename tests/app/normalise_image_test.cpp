#include "app/normalise_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/channel_record.h"
#include "model/eeprom.h"
#include "model/model_class.h"
#include "platform/string_format.h"
#include "support/fatal_trap.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Areas that the record codecs rewrite in their own way (frequency codes, tidied DSC IDs and
// waypoints): the whole-image table leaves them out and the tests further down look at them.
struct Area {
    int32_t first;
    int32_t end;  // one past the last address
};
constexpr Area kRecordAreas[] = {
    {0x0830, 0x0A60},  // free channels
    {0x22E0, 0x2920},  // DSC individual IDs
    {0x4160, 0x4548},  // waypoints 0-49 (the man-overboard record is not visited)
};
// Channel names of the banks and the weather channels: letters only, so that they stay as they
// are.
constexpr Area kNameArea = {0x0F10, 0x1FE6};

bool InArea(const Area& area, int32_t a) {
    return a >= area.first && a < area.end;
}

bool InRecordArea(int32_t a) {
    for (const Area& area : kRecordAreas)
        if (InArea(area, a)) return true;
    return false;
}

// The template and the image differ at every address.
uint8_t TemplateByte(int32_t a) {
    if (InArea(kNameArea, a)) return static_cast<uint8_t>('A' + a % 26);
    return static_cast<uint8_t>(a * 7 + 3);
}

uint8_t ImageByte(int32_t a) {
    if (InArea(kNameArea, a)) return static_cast<uint8_t>('A' + (a + 5) % 26);
    return static_cast<uint8_t>(TemplateByte(a) ^ 0x5A);
}

void PutText(Bytes& bytes, int32_t address, const char* text) {
    std::memcpy(bytes.data() + address, text, std::strlen(text));
}

constexpr int32_t kAtisId = 0x1FF0;
constexpr int32_t kSelfId = 0x20E0;
constexpr int32_t kVersion = 0x015A;

Bytes TemplateBytes() {
    Bytes t(kImageSize);
    for (int32_t a = 0; a < kImageSize; ++a)
        t[a] = TemplateByte(a);
    PutText(t, kVersion, "1?240");
    return t;
}

// An image with an older factory block and two broken identification numbers (a byte above 99).
Bytes ImageBytes() {
    Bytes i(kImageSize);
    for (int32_t a = 0; a < kImageSize; ++a)
        i[a] = ImageByte(a);
    PutText(i, kVersion, "1!230");
    i[kAtisId] = 0xF0;
    i[kSelfId] = 0xF0;
    return i;
}

void Load(cmcEeprom& image, const Bytes& bytes) {
    image.SetSize(kImageSize);
    image.WriteBlock(0, bytes.data(), kImageSize);
}

Bytes BytesOf(const cmcEeprom& image) {
    Bytes bytes(kImageSize);
    image.ReadBlock(0, bytes.data(), kImageSize);
    return bytes;
}

// The image as the radio's rules leave it, written out step by step from the rules.
class Expectation {
public:
    Expectation(const Bytes& i, const Bytes& t) : e(i), t(t) {}

    void Take(int32_t address, int32_t count = 1, uint8_t bits = 0xFF) {
        for (int32_t a = address; a < address + count; ++a)
            e[a] = static_cast<uint8_t>((e[a] & ~bits) | (t[a] & bits));
    }

    Bytes e;
    const Bytes& t;
};

Bytes Expected(const Bytes& i, const Bytes& t, int32_t m, int32_t mode) {
    Expectation x(i, t);
    const bool a = IsModelClassA(m);
    const bool b = IsModelClassB(m);
    const bool cde = IsModelClassC(m) || IsModelClassD(m) || IsModelClassE(m);
    const bool f = IsModelClassF(m);
    const bool write = mode == clsNormaliseMode::kBeforeWrite;

    // Bank flag bytes: bits 0, 3 and 4 from the template; the suffixed rows are simplex.
    for (int32_t bank = 0; bank < 3; ++bank) {
        for (int32_t n = 0; n < 421; ++n) {
            const int32_t at = 0x02F0 + 0x1C0 * bank + n;
            x.Take(at, 1, 0x19);
            if (n < 351 && n % 3 != 0) x.e[at] |= 0x02;
        }
    }
    // A free channel is also a bank row; there it is simplex when both frequencies are equal.
    for (int32_t n = 0; n < 70; ++n) {
        const int32_t at = 0x0830 + 8 * n;
        const auto step = [&i, at](uint8_t bit) { return (i[at + 7] & bit) ? 6250 : 12500; };
        const int32_t rx = (i[at] | (i[at + 1] << 8)) * step(0x01) + 21'700'000;
        const int32_t tx = (i[at + 2] | (i[at + 3] << 8)) * step(0x02);
        for (int32_t bank = 0; bank < 3; ++bank) {
            uint8_t& flags = x.e[0x02F0 + 0x1C0 * bank + 351 + n];
            flags = static_cast<uint8_t>(rx == tx ? flags | 0x02 : flags & ~0x02);
        }
    }
    if (write)
        for (int32_t k = 0; k < 6; ++k)
            x.e[0x0A60 + k] = x.e[0x0B92 + k];
    if (!cde) {
        x.Take(0x0B90, 2);
        x.Take(0x0B98, 1, 0x02);
    }
    if (write) {
        const int32_t inhibited = x.e[0x0B90] | (x.e[0x0B91] << 8);
        x.Take(0x0A66);
        for (int32_t k = 0; k < 10; ++k) {
            if ((inhibited & (1 << k)) == 0) {
                x.e[0x0A66] = static_cast<uint8_t>(k);
                break;
            }
        }
        x.Take(0x0A67);
    }
    for (int32_t at :
         {0x0A68, 0x0A97, 0x0A98, 0x0A99, 0x0AC1, 0x0AC3, 0x0AC4, 0x0AF4, 0x0AF7, 0x0AF8, 0x0AFF,
          0x0B05, 0x0B9C, 0x0B9D, 0x0BA8, 0x0BA9, 0x0BAF, 0x0E81, 0x0EA7, 0x0EE8, 0x0EEA, 0x0EFB})
        x.Take(at);
    if (write)
        for (int32_t at : {0x0A96, 0x0A9A, 0x0A9B, 0x0ABE})
            x.Take(at);
    x.Take(0x0A9E, 32);
    if (!a) x.Take(0x0AD1);
    if (!b) {
        x.Take(0x0AD2, 4);
        x.Take(0x0AEE);
        x.Take(0x0B98, 1, 0x40);
        x.Take(0x0E80, 1, 0x17);
    }
    if (b) {
        x.Take(0x0AF9);
        x.Take(0x0B00);
        x.Take(0x0B02);
        x.Take(0x0E88, 1, 0x03);
    }
    if (!(a && !b)) {
        x.Take(0x0B01);
        x.Take(0x0E88, 1, 0x38);
    }
    x.Take(0x0B06, 4);
    x.Take(0x0B0A, 2);
    if (f) {
        x.Take(0x0AE8, 2);
    } else {
        x.Take(0x0B0E, 2);
    }
    x.Take(0x0BAA, 2);
    x.Take(0x0BC6, 648);
    x.Take(0x0E4E, 16);
    x.Take(0x0E5E, 16);
    x.Take(0x0E6E, 16);
    x.Take(0x0EA0, 8);
    x.Take(0x0EE0, 8);
    x.Take(kAtisId, 16);  // broken in the image, or always the template's for C, D and E
    if (b) x.Take(0x2000, 1, 0x10);
    if (cde) x.Take(0x2000, 1, 0x1F);
    x.Take(0x2002, 2);
    x.Take(kSelfId, 16);
    x.Take(0x20F0, 4);
    for (int32_t k = 0; k < 59; ++k)
        x.Take(0x20FA + 7 * k);
    for (int32_t at :
         {0x210C, 0x2121, 0x2136, 0x213D, 0x2144, 0x2160, 0x2167, 0x216E, 0x218A, 0x2191,
          0x2198, 0x21DE, 0x21E5, 0x21EC, 0x2208, 0x220F, 0x2216, 0x2271, 0x2278, 0x227F})
        x.Take(at);
    for (int32_t k = 0; k < 6; ++k)
        x.Take(0x2232 + 7 * k);
    x.Take(0x2294);
    for (int32_t r = 0; r <= 10; ++r) {
        const int32_t at = 0x2295 + 4 * r;
        const uint8_t volume = r == 6 ? x.e[0x229D] : x.e[at];
        x.e[at] = volume;
        x.e[at + 1] = volume;
        x.Take(at + 2, 1, (r == 1 || r == 8 || r == 9) ? 0xF0 : 0xFF);
        if (r != 10) x.Take(at + 3);
    }
    for (int32_t k = 0; k < 50; ++k) {
        x.Take(0x2920 + k);
        x.Take(0x2960 + k);
        x.Take(0x29A0 + k);
        x.Take(0x29E0 + 40 * k, 40);
        x.Take(0x31B0 + 40 * k, 40);
        x.Take(0x3980 + 40 * k, 40);
    }
    // The template's factory block is newer (1240 against 1230).
    x.Take(0x0050, 276);
    for (int32_t k = 0; k < 276; ++k)
        x.e[0x01A0 + k] = x.e[0x0050 + k];
    x.e[0x02B2] |= 0x80;
    int32_t sum = 0;
    for (int32_t at = 0x01A0; at <= 0x02B2; ++at)
        sum += x.e[at];
    x.e[0x02B3] = static_cast<uint8_t>(0xFF - (sum & 0xFF));
    return x.e;
}

struct TableCase {
    int32_t modelType;
    int32_t mode;
};

class NormaliseTable : public testing::TestWithParam<TableCase> {};

TEST_P(NormaliseTable, EveryAddressEndsWithTheTemplatesOrTheImagesByteAsTheRulesSay) {
    const auto [m, mode] = GetParam();
    const Bytes t = TemplateBytes();
    const Bytes i = ImageBytes();
    cmcEeprom image;
    cmcEeprom templ;
    Load(image, i);
    Load(templ, t);

    NormaliseImage(image, templ, m, mode);

    const Bytes expected = Expected(i, t, m, mode);
    const Bytes result = BytesOf(image);
    std::string wrong;
    int32_t wrongCount = 0;
    for (int32_t a = 0; a < kImageSize; ++a) {
        if (InRecordArea(a) || result[a] == expected[a]) continue;
        if (++wrongCount <= 12) {
            wrong += StringPrintf(" %04X:%02X(want %02X, T %02X, I %02X)", a, result[a],
                                  expected[a], t[a], i[a]);
        }
    }
    EXPECT_EQ(wrongCount, 0) << wrong;
    EXPECT_EQ(BytesOf(templ), t) << "the template is only read";
}

INSTANTIATE_TEST_SUITE_P(ModelClassesAndModes, NormaliseTable,
                         testing::Values(TableCase{0, 0}, TableCase{0, 1}, TableCase{3, 0},
                                         TableCase{3, 1}, TableCase{7, 0}, TableCase{7, 1},
                                         TableCase{9, 0}, TableCase{9, 1}, TableCase{12, 0},
                                         TableCase{12, 1}, TableCase{13, 0}, TableCase{13, 1},
                                         TableCase{15, 0}, TableCase{15, 1}),
                         [](const testing::TestParamInfo<TableCase>& info) {
                             return "Type" + std::to_string(info.param.modelType) + "Mode" +
                                    std::to_string(info.param.mode);
                         });

// Addresses whose value a normalisation derives from the image itself rather than copies.
bool IsDerived(int32_t a) {
    return InRecordArea(a) || InArea(kNameArea, a) || a == kAtisId + 6 || a == kSelfId + 6 ||
           (a >= 0x2295 && a < 0x22C1) || (a >= 0x01A0 && a < 0x02B4) ||
           (a >= 0x02F0 && a < 0x0830);
}

TEST(NormaliseImage, TheTemplateAgainstItselfChangesOnlyWhatTheRulesDerive) {
    for (const int32_t m : {0, 3, 9, 15}) {
        cmcEeprom templ;
        Load(templ, TemplateBytes());
        // Lower-case names and a valid identification number show the derived parts at work.
        templ.WriteBlock(0x0F10, reinterpret_cast<const uint8_t*>("ch 16@"), 6);
        const uint8_t id[6] = {36, 61, 23, 45, 60, 0xFF - ((36 + 61 + 23 + 45 + 60) & 0xFF)};
        templ.WriteBlock(kSelfId, id, 6);
        const Bytes before = BytesOf(templ);

        NormaliseImage(templ, templ, m, clsNormaliseMode::kAfterLoad);

        const Bytes once = BytesOf(templ);
        for (int32_t a = 0; a < kImageSize; ++a)
            if (!IsDerived(a)) {
                ASSERT_EQ(once[a], before[a]) << StringPrintf("%04X", a);
            }
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&once[0x0F10]), 6), "CH 16 ");
        EXPECT_EQ(once[kSelfId + 6], 0);

        // A second pass finds nothing left to change.
        NormaliseImage(templ, templ, m, clsNormaliseMode::kAfterLoad);
        EXPECT_EQ(BytesOf(templ), once) << "model type " << m;
    }
}

struct IdCase {
    const char* what;
    uint8_t bytes[6];
    bool valid;
};

TEST(NormaliseImage, IdentificationNumbersKeepTheirDigitsOnlyWhenTheCheckByteFits) {
    const IdCase cases[] = {
        {"valid", {36, 61, 23, 45, 60, 0xFF - ((36 + 61 + 23 + 45 + 60) & 0xFF)}, true},
        {"all 99", {99, 99, 99, 99, 99, 0xFF - ((5 * 99) & 0xFF)}, true},
        {"wrong check byte", {36, 61, 23, 45, 60, 0x00}, false},
        {"byte above 99", {36, 100, 23, 45, 60, 0xFF - ((36 + 100 + 23 + 45 + 60) & 0xFF)}, false},
        {"empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, false},
    };
    const Bytes t = TemplateBytes();
    cmcEeprom templ;
    Load(templ, t);
    for (const IdCase& c : cases) {
        // Model type 9 checks both numbers; type 0 (class C) always takes the template's own one.
        for (const int32_t m : {9, 0}) {
            Bytes i = ImageBytes();
            std::memcpy(&i[kAtisId], c.bytes, 6);
            std::memcpy(&i[kSelfId], c.bytes, 6);
            cmcEeprom image;
            Load(image, i);
            NormaliseImage(image, templ, m, clsNormaliseMode::kAfterLoad);
            const Bytes r = BytesOf(image);
            for (const int32_t id : {kAtisId, kSelfId}) {
                const bool kept = c.valid && !(id == kAtisId && m == 0);
                const Bytes got(r.begin() + id, r.begin() + id + 16);
                Bytes want(t.begin() + id, t.begin() + id + 16);
                if (kept) {
                    want.assign(i.begin() + id, i.begin() + id + 16);
                    want[6] = 0;
                }
                EXPECT_EQ(got, want) << c.what << StringPrintf(" at %04X, type %d", id, m);
            }
        }
    }
}

struct FactoryCase {
    const char* image;  // the characters at 0x015A-0x015E; 0x015B is not part of the number
    const char* templ;
    bool takesTemplate;
};

TEST(NormaliseImage, FactoryBlockFollowsANewerTemplateAndItsCopyGetsAFreshCheckValue) {
    const FactoryCase cases[] = {
        {"1x230", "1y240", true},  {"1x240", "1y240", false}, {"1x250", "1y240", false},
        {"1x2A0", "1y240", true},  {"9x99:", "0y001", true},  {"0x000", "0y000", false},
        {"1x2a0", "0y000", false},
    };
    for (const FactoryCase& c : cases) {
        Bytes t = TemplateBytes();
        Bytes i = ImageBytes();
        PutText(t, kVersion, c.templ);
        PutText(i, kVersion, c.image);
        cmcEeprom image;
        cmcEeprom templ;
        Load(image, i);
        Load(templ, t);
        NormaliseImage(image, templ, 9, clsNormaliseMode::kAfterLoad);
        const Bytes r = BytesOf(image);
        const Bytes& source = c.takesTemplate ? t : i;
        EXPECT_TRUE(std::equal(r.begin() + 0x0050, r.begin() + 0x0164, source.begin() + 0x0050))
            << c.image << " against " << c.templ;
        Bytes copy(source.begin() + 0x0050, source.begin() + 0x0164);
        copy[274] |= 0x80;
        EXPECT_TRUE(std::equal(r.begin() + 0x01A0, r.begin() + 0x02B3, copy.begin()))
            << c.image << " against " << c.templ;
        int32_t sum = 0;
        for (int32_t a = 0x01A0; a <= 0x02B3; ++a)
            sum += r[a];
        EXPECT_EQ(sum & 0xFF, 0xFF) << "check value of " << c.image;
    }
}

std::string Text(const uint8_t* bytes, size_t length) {
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

TEST(NormaliseImage, NamesAreStoredInTheRadiosCharacterSet) {
    cmcEeprom templ;
    Load(templ, TemplateBytes());
    cmcEeprom image;
    Load(image, ImageBytes());
    datCh record(&image);
    const auto put = [&record](clsRecordGroup group, int32_t n, const char* text) {
        record.LoadRecord(group, n);
        uint8_t* name = group == clsRecordGroup::Waypoint ? record.waypointName
                        : group == clsRecordGroup::FreeCh ? record.freeName
                                                          : record.name;
        std::memcpy(name, text, std::strlen(text));
        if (group == clsRecordGroup::DscIndId) {
            const uint8_t id[5] = {36, 61, 23, 45, 60};
            std::memcpy(record.id, id, 5);
        }
        record.StoreRecord();
    };
    put(clsRecordGroup::UsaCh, 7, "port ops@1");
    put(clsRecordGroup::WxCh, 3, "wx@noaa   ");
    put(clsRecordGroup::DscIndId, 12, "harbour@m ");
    put(clsRecordGroup::Waypoint, 4, "buoy@red  ");
    put(clsRecordGroup::FreeCh, 2, "a@b");
    // The man-overboard record is the radio's own and keeps what it holds.
    put(clsRecordGroup::Waypoint, 50, "mob@sea   ");

    NormaliseImage(image, templ, 3, clsNormaliseMode::kAfterLoad);

    record.LoadRecord(clsRecordGroup::UsaCh, 7);
    EXPECT_EQ(Text(record.name, 10), "PORT OPS 1");
    record.LoadRecord(clsRecordGroup::IntCh, 7);
    EXPECT_EQ(Text(record.name, 10), "PORT OPS 1") << "the banks share their names";
    record.LoadRecord(clsRecordGroup::WxCh, 3);
    EXPECT_EQ(Text(record.name, 10), "WX NOAA   ");
    record.LoadRecord(clsRecordGroup::DscIndId, 12);
    EXPECT_EQ(Text(record.name, 10), "HARBOUR M ");
    record.LoadRecord(clsRecordGroup::Waypoint, 4);
    EXPECT_EQ(Text(record.waypointName, 10), "BUOY RED  ");
    record.LoadRecord(clsRecordGroup::FreeCh, 2);
    EXPECT_EQ(Text(record.freeName, 3), "A B");
    record.LoadRecord(clsRecordGroup::Waypoint, 50);
    EXPECT_EQ(Text(record.waypointName, 10), "mob@sea   ");
}

TEST(NormaliseImage, FreeChannelsKeepTheirFrequenciesOverTheTemplatesRecord) {
    cmcEeprom templ;
    Load(templ, TemplateBytes());
    cmcEeprom image;
    Load(image, ImageBytes());
    datCh record(&image);
    record.LoadRecord(clsRecordGroup::FreeCh, 9);
    record.rxFrequency = 156'800'000;
    record.txFrequency = 157'006'250;
    std::memcpy(record.freeName, "16A", 3);
    record.StoreRecord();

    NormaliseImage(image, templ, 15, clsNormaliseMode::kBeforeWrite);

    record.LoadRecord(clsRecordGroup::FreeCh, 9);
    EXPECT_EQ(record.rxFrequency, 156'800'000);
    EXPECT_EQ(record.txFrequency, 157'006'250);
    EXPECT_EQ(Text(record.freeName, 3), "16A");
    // Of the step byte only the two narrow-step bits are the record's; the rest follows the
    // template, and the two spare bits are cleared.
    const int32_t stepByte = 0x0830 + 8 * 9 + 7;
    EXPECT_EQ(image.GetByte(stepByte), (TemplateByte(stepByte) & 0xCC) | 0x02);
    // Every bank shows the channel as duplex.
    for (int32_t bank = 0; bank < 3; ++bank)
        EXPECT_EQ(image.GetByte(0x02F0 + 0x1C0 * bank + 351 + 9) & 0x02, 0);
}

TEST(NormaliseImage, BeforeAWriteTheRadioStartsOnTheFirstWeatherChannelNotInhibited) {
    struct Case {
        uint16_t inhibited;
        int32_t start;  // -1: the template's
    };
    const Case cases[] = {{0x0000, 0}, {0x0007, 3}, {0x01FF, 9}, {0x03FF, -1}, {0xFC00, 0}};
    for (const Case& c : cases) {
        Bytes t = TemplateBytes();
        t[0x0B90] = static_cast<uint8_t>(c.inhibited & 0xFF);
        t[0x0B91] = static_cast<uint8_t>(c.inhibited >> 8);
        cmcEeprom templ;
        Load(templ, t);
        cmcEeprom image;
        Load(image, ImageBytes());
        // Type 9 takes the template's inhibit word before the search.
        NormaliseImage(image, templ, 9, clsNormaliseMode::kBeforeWrite);
        EXPECT_EQ(image.GetByte(0x0A66), c.start < 0 ? t[0x0A66] : c.start)
            << StringPrintf("inhibited %04X", c.inhibited);
    }
}

TEST(NormaliseImage, AnImageShorterThanTheRadiosIsAProgrammingFault) {
    cmcEeprom full;
    full.SetSize(kImageSize);
    cmcEeprom shorter;
    shorter.SetSize(kImageSize - 1);
    EXPECT_TRUE(CatchFatal([&] { NormaliseImage(shorter, full, 0, 0); }));
    EXPECT_TRUE(CatchFatal([&] { NormaliseImage(full, shorter, 0, 0); }));
    EXPECT_FALSE(CatchFatal([&] { NormaliseImage(full, full, 0, 0); }));
}

}  // namespace
