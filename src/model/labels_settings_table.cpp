// The settings cell map: one row per label of the settings sheets.

#include "model/labels_settings.h"

namespace {

constexpr clsSettingRow Fixed(int32_t label, const char* text) {
    return {label, clsSettingKind::Fixed, kNoField, text};
}
constexpr clsSettingRow Choice(int32_t label, clsSettingField field, const char* list) {
    return {label, clsSettingKind::Choice, field, list};
}
constexpr clsSettingRow Number(int32_t label, clsSettingField field, int32_t minimum,
                               int32_t maximum) {
    clsSettingRow row{label, clsSettingKind::Number, field};
    row.minimum = minimum;
    row.maximum = maximum;
    return row;
}
constexpr clsSettingRow Timer(int32_t label, clsSettingField field, int32_t scale, int32_t minimum,
                              int32_t maximum, bool offAllowed = false) {
    clsSettingRow row{label, clsSettingKind::Timer, field};
    row.scale = scale;
    row.minimum = minimum;
    row.maximum = maximum;
    row.offAllowed = offAllowed;
    return row;
}
constexpr clsSettingRow Id(int32_t label, int32_t address, int32_t digits) {
    clsSettingRow row{label, clsSettingKind::Id, Byte(address)};
    row.digits = digits;
    return row;
}
constexpr clsSettingRow Kind(int32_t label, clsSettingKind kind, clsSettingField field,
                             const char* list = nullptr) {
    return {label, kind, field, list};
}

constexpr bool kOffShownAsOff = true;

// Band flags and the switches of the radio's functions.
constexpr int32_t kBands = 0x0B98;      // bit 0 USA, 1 weather, 2 Canada, 4 scan
constexpr int32_t kFunctions = 0x0B99;  // bit 2 AquaQuake, 5 TOT, 6 dual watch, 7 tri-watch
constexpr int32_t kSpeakers = 0x0E80;   // bit 0 intercom, 1 horn, 2 loud hailer, 4 RX speaker
constexpr int32_t kPowerSave = 0x0E88;  // bit 1 beep volume

// DSC call categories: 59 records of 7 bytes, the cell's index is the category.
constexpr int32_t kDscCalls = 0x20F7;
constexpr int32_t kDscCallSize = 7;
constexpr int32_t kDscCallCount = 59;
constexpr clsSettingField DscCall(clsSettingField field) {
    return field.Each(kDscCallSize, kDscCallCount);
}

constexpr const char* kOnOff = "GI_Sheet_Sel_Misc_OnOff";
constexpr const char* kAble = "GI_Sheet_Sel_Misc_Able";
constexpr const char* kShutdown = "GI_Sheet_Sel_DSC_ALM_Shutdown";
constexpr uint8_t kSheet = clsRepaint::kSheet;

constexpr clsSettingRow kRows[] = {
    // DSC settings
    Id(CL_ComDsc_SelfId, 0x20E0, 9).Mark(clsSettingMark::OwnIdNotShip),
    Choice(CL_ComDsc_IntCh, Bit(0x20F4, 1), kAble),
    Choice(CL_ComDsc_UsaCh, Bit(0x20F4, 0), kAble).GreyUnless(kBands, 0),
    Choice(CL_ComDsc_CanCh, Bit(0x20F4, 2), kAble).GreyUnless(kBands, 2),
    Timer(CL_ComDsc_TScanTimer, Byte(0x0E8A), 1, 60, 180).StoredAlways(),
    Choice(CL_ComDsc_IndAutoAck, Bit(0x0AF0, 7), "GI_Sheet_Sel_AutoAckInd"),
    Choice(CL_ComDsc_PosAutoAck, Bit(0x0AF0, 6), "GI_Sheet_Sel_AutoAck"),
    Choice(CL_ComDsc_TestAutoAck, Bit(0x0AF0, 5), "GI_Sheet_Sel_AutoAck"),
    Choice(CL_ComDsc_Ch16Switch, Byte(0x0AED), "GI_Sheet_Sel_Ch16Sw"),
    Choice(CL_ComDsc_ChAutoSwitch, Byte(0x0AED), "GI_Sheet_Sel_Ch16Sw"),
    Choice(CL_ComDsc_Ch70SqlLv, Byte(0x0AEF), "GI_Sheet_Sel_Ch70SqlLevel"),
    Kind(CL_ComDsc_Ch70Watch, clsSettingKind::Ch70Watch, Byte(0x0B01), "GI_Sheet_Sel_Ch70Watch")
        .Variant(clsListVariant::UorE),
    Choice(CL_ComDsc_Alarm_OnOff_Safety, Bit(0x0AF0, 3), kOnOff),
    Choice(CL_ComDsc_Alarm_OnOff_Routine, Bit(0x0AF0, 4), kOnOff),
    Choice(CL_ComDsc_Alarm_OnOff_Warning, Bit(0x0AF0, 2), kOnOff),
    Choice(CL_ComDsc_Alarm_OnOff_SelfTerm, Bit(0x0AF0, 1), kOnOff),
    Choice(CL_ComDsc_Alarm_OnOff_Discrete, Bit(0x0AF0, 0), kOnOff),
    Choice(CL_ComDsc_AllCall_ChCall, Bit(0x20F6, 2), "GI_Sheet_Sel_ChCall_AllShips"),
    Choice(CL_ComDsc_GroupCall_ChCall, Bit(0x20F6, 1), "GI_Sheet_Sel_ChCall"),
    Choice(CL_ComDsc_IndvCall_ChCall, Bit(0x20F6, 0), "GI_Sheet_Sel_ChCall"),

    // DSC alarms: records of 4 bytes from 0x2295 (byte 0 volume, byte 2 shutdown)
    Fixed(CL_ComDsc_Alarm_Kind_Tx, "TX"),
    Fixed(CL_ComDsc_Alarm_Kind_DistressTx, "Count + TX"),
    Fixed(CL_ComDsc_Alarm_Kind_NoMmsi, "Warning"),
    Fixed(CL_ComDsc_Alarm_Kind_PosCeases, "Warning"),
    Fixed(CL_ComDsc_Alarm_Kind_Pos4hr, "Warning"),
    Fixed(CL_ComDsc_Alarm_Kind_Pos23hr, "Warning"),
    Fixed(CL_ComDsc_Alarm_Kind_SelfTerm, "Self-Terminate"),
    Fixed(CL_ComDsc_Alarm_Kind_Discrete1, "Discrete1"),
    Fixed(CL_ComDsc_Alarm_Kind_Inactivity, "Discrete1"),
    Fixed(CL_ComDsc_Alarm_Kind_Discrete2, "Discrete2"),
    Number(CL_ComDsc_Alarm_Vol_NoMmsi, Byte(0x2295), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_PosCeases, Byte(0x2299), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_DistressTx, Byte(0x229D), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_Tx, Byte(0x22A1), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_SelfTerm, Byte(0x22A5), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_Inactivity, Byte(0x22A9), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_Discrete2, Byte(0x22B1), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_Pos4hr, Byte(0x22B5), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_Pos23hr, Byte(0x22B9), 0, 100),
    Number(CL_ComDsc_Alarm_Vol_Discrete1, Byte(0x22BD), 0, 100),
    Fixed(CL_ComDsc_Alarm_Shutdown_Tx, "---"),
    Fixed(CL_ComDsc_Alarm_Shutdown_DistressTx, "---"),
    Fixed(CL_ComDsc_Alarm_Shutdown_NoMmsi, "Auto"),
    Fixed(CL_ComDsc_Alarm_Shutdown_SelfTerm, "Auto"),
    Fixed(CL_ComDsc_Alarm_Shutdown_Discrete1, "Auto"),
    Fixed(CL_ComDsc_Alarm_Shutdown_Discrete2, "Auto"),
    Fixed(CL_ComDsc_Alarm_Shutdown_Inactivity, "Auto"),
    Choice(CL_ComDsc_Alarm_Shutdown_PosCeases, LowNibble(0x229B), kShutdown),
    Choice(CL_ComDsc_Alarm_Shutdown_Pos4hr, LowNibble(0x22B7), kShutdown),
    Choice(CL_ComDsc_Alarm_Shutdown_Pos23hr, LowNibble(0x22BB), kShutdown),
    Fixed(CL_ComDsc_Alarm_Visual_Tx, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_NoMmsi, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_PosCeases, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_Pos4hr, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_Pos23hr, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_SelfTerm, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_Discrete1, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_Discrete2, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_Inactivity, "OFF"),
    Fixed(CL_ComDsc_Alarm_Visual_DistressTx, "ON"),

    // DSC call categories (index n = category 0-58)
    Choice(CL_DscCall_Tx, DscCall(Byte(kDscCalls + 0)), kOnOff).Repaint(kSheet),
    Choice(CL_DscCall_Rx, DscCall(Byte(kDscCalls + 1)), kOnOff),
    Choice(CL_DscCall_TxPow, DscCall(Byte(kDscCalls + 2)), "GI_Sheet_Sel_DscCall_Power"),
    Number(CL_DscCall_Alarm_Min, DscCall(Byte(kDscCalls + 4)), 0, 100)
        .Repaint(kSheet)
        .Mark(clsSettingMark::AlarmMinAboveMax),
    Number(CL_DscCall_Alarm_Max, DscCall(Byte(kDscCalls + 5)), 0, 100)
        .Repaint(kSheet)
        .Mark(clsSettingMark::AlarmMinAboveMax),
    Choice(CL_DscCall_Alarm_Shutdown, DscCall(LowNibble(kDscCalls + 6)), kShutdown),
    Choice(CL_DscCall_Alarm_Visual, DscCall(HighNibble(kDscCalls + 6)), kOnOff),
    Choice(CL_DscCall_Tx_EPIRB_Ind, Byte(0x211A), "GI_Sheet_Sel_DscCall_TX_EPIRB")
        .SubKey(2)
        .Mark(clsSettingMark::EpirbWithoutTx),
    Choice(CL_DscCall_Tx_EPIRB_All, Byte(0x2128), "GI_Sheet_Sel_DscCall_TX_EPIRB")
        .SubKey(2)
        .Mark(clsSettingMark::EpirbWithoutTx),
    Fixed(CL_DscCall_Tx_ON, "ON"),
    Fixed(CL_DscCall_Rx_ON, "ON"),
    Fixed(CL_DscCall_Tx_OFF, "OFF"),
    Fixed(CL_DscCall_Rx_OFF, "OFF"),
    Fixed(CL_DscCall_Alarm_Distress, "Two tone"),
    Fixed(CL_DscCall_Alarm_Distress_ACK, "Distress ACK"),
    Fixed(CL_DscCall_Alarm_Urgency, "Urgency"),
    Fixed(CL_DscCall_Alarm_Urgency_ACK, "Urgency ACK"),
    Fixed(CL_DscCall_Alarm_Safety, "Routine"),
    Fixed(CL_DscCall_Alarm_Safety_ACK, "Routine ACK"),

    // Common settings
    Kind(CL_ComCom_CloneComment, clsSettingKind::Text, Byte(0x0EEB).Each(1, 16)),
    Choice(CL_ComCom_VolBeep, Bit(kPowerSave, 1), kOnOff).Repaint(kSheet),
    Timer(CL_ComCom_VolTimer, Byte(0x0E89), 1000, 120, 255)
        .StoredAlways()
        .GreyUnless(kPowerSave, 1),
    Fixed(CL_ComCom_Int, "ON"),
    Choice(CL_ComCom_Usa, Bit(kBands, 0), kOnOff).BandSwitch(),
    Choice(CL_ComCom_Canada, Bit(kBands, 2), kOnOff).BandSwitch(),
    Choice(CL_ComCom_Wx, Bit(kBands, 1), kOnOff).BandSwitch(),
    Kind(CL_ComCom_LcdSymbol, clsSettingKind::LcdSymbol, Byte(0x0B80).Each(5, 3)),
    Fixed(CL_ComCom_LcdWx, "WX"),
    Choice(CL_ComCom_InterComF, Bit(kSpeakers, 0), kOnOff),
    Choice(CL_ComCom_PublicAddressF, Bit(kSpeakers, 2), kOnOff),
    Choice(CL_ComCom_HornF, Bit(kSpeakers, 1), kOnOff),
    Choice(CL_ComCom_RxSpeakerF, Bit(kSpeakers, 4), kOnOff),
    Choice(CL_ComCom_AquaQuakeF, Bit(kFunctions, 2), kOnOff),
    Choice(CL_ComCom_ScanF, Bit(kBands, 4), kOnOff),
    Choice(CL_ComCom_DualWatchF, Bit(kFunctions, 6), kOnOff),
    Choice(CL_ComCom_TriWatchF, Bit(kFunctions, 7), kOnOff),
    Choice(CL_ComCom_TotF, Bit(kFunctions, 5), kOnOff).Repaint(kSheet),
    Number(CL_ComCom_TotTimer, Word(0x0B9E), 0, 600).StoredAlways().GreyUnless(kFunctions, 5),
    Choice(CL_ComCom_TotAlarm, Bit(kFunctions, 4), kOnOff).GreyUnless(kFunctions, 5),
    Choice(CL_ComCom_PttScan, Bit(kBands, 3), "GI_Sheet_Sel_Misc_I_Accept"),
    Choice(CL_ComCom_BandEx, Bit(kBands, 5), kOnOff),
    Number(CL_ComCom_RemoteID, Byte(0x0AEC), 1, 69).Convert(clsConversion::PlusOne).StoredAlways(),
    Choice(CL_ComCom_InactivityTimer, Byte(0x0B0C), "GI_Sheet_Sel_Inactivity_Timer"),
    Choice(CL_ComCom_InactivityTimer_Dsc, Byte(0x0B0D), "GI_Sheet_Sel_Inactivity_Timer_Dsc"),
    Choice(CL_ComCom_InactivityTimer_Rt, Byte(0x0B0F), "GI_Sheet_Sel_Inactivity_Timer_RT"),
    Choice(CL_ComCom_PowSaveCh, Bit(kPowerSave, 5), kOnOff),
    Choice(CL_ComCom_PowSaveScan, Bit(kPowerSave, 4), kOnOff),
    Choice(CL_ComCom_PowSaveDw, Bit(kPowerSave, 3), kOnOff),
    Timer(CL_ComCom_PowSave1st, Word(0x0E8E), 10, 50, 255).Convert(clsConversion::Hundredth),
    Timer(CL_ComCom_PowSave2nd, Word(0x0E90), 1, 0, 255, kOffShownAsOff),

    // Radio settings
    Choice(CL_RadioSet_ScanType, Byte(0x0ACE), "GI_Sheet_Sel_ScanType").GreyUnless(kBands, 4),
    Choice(CL_RadioSet_ScanTimer, Byte(0x0ACF), kOnOff).GreyUnless(kBands, 4),
    Timer(CL_RadioSet_ScanSpeed, Byte(0x0BA1), 1000, 50, 200).StoredAlways().GreyUnless(kBands, 4),
    Choice(CL_RadioSet_Dwtw, Byte(0x0AD0), "GI_Sheet_Sel_DualTri"),
    Choice(CL_RadioSet_WxAlert, Byte(0x0AD1), "GI_Sheet_Sel_WxAlert").GreyUnless(kBands, 1),
    Choice(CL_RadioSet_RtMode, Byte(0x0B0E), kOnOff),
    Choice(CL_RadioSet_ChannelDisp, Byte(0x0B10).Each(1, 3), "GI_Sheet_Sel_ChDisp")
        .GreyUnless(kBands, kBandOfIndex),
    Choice(CL_RadioSet_ChannelDispMenu, Byte(0x0BAC).Each(1, 3), kOnOff)
        .GreyUnless(kBands, kBandOfIndex),

    // Configuration
    Choice(CL_ComConf_Backlight, Byte(0x0ABF), "GI_Sheet_Sel_Backlight"),
    Choice(CL_ComConf_Contrast, Byte(0x0AC0), "GI_Sheet_Sel_Contrast"),
    Choice(CL_ComConf_KeyBeep, Byte(0x0AC2), kOnOff),
    Kind(CL_ComConf_UtcOffset, clsSettingKind::UtcOffset, SignedWord(0x0AF2)).StoredAlways(),
    Choice(CL_ComConf_RxSpeaker, Byte(0x0AF6), "GI_Sheet_Sel_RxSp").GreyUnless(kSpeakers, 4),
    Choice(CL_ComConf_Monitor, Byte(0x0AFD), "GI_Sheet_Sel_Monitor"),
    Choice(CL_ComConf_Unit, Byte(0x0B00), "GI_Sheet_Sel_Unit"),
    Choice(CL_ComConf_Horn, Byte(0x0AF5), "GI_Sheet_Sel_Horn").GreyUnless(kSpeakers, 1),
    Number(CL_ComConf_HornFreq, Byte(0x0BA2), 200, 700)
        .Step(50)
        .Convert(clsConversion::Times10)
        .StoredAlways()
        .GreyUnless(kSpeakers, 1),
    Choice(CL_ComConf_NoiseCancel_Tx, Byte(0x0AEB), kOnOff),
    Choice(CL_ComConf_NoiseCancel_Rx, Byte(0x0AEA), "GI_Sheet_Sel_NcRx"),
    Choice(CL_ComConf_Flash_Function, Byte(0x0AF9), kOnOff),
    Choice(CL_ComConf_Flash_AutoOff, Byte(0x0AFA), "GI_Sheet_Sel_Flash_AutoOFF"),
    Choice(CL_ComConf_Flash_Cycle, Byte(0x0AFB), "GI_Sheet_Sel_Flash_Cycle"),
    Choice(CL_ComConf_Flash_Alarm, Byte(0x0AFC), kOnOff),
    Choice(CL_ComConf_KeyAssign_Dial, Byte(0x0AD2).Each(1, 4), "GI_Sheet_Sel_KeyAs_Dial"),
    Choice(CL_ComConf_KeyAssign_SoftKey, Byte(0x0AD6).Each(1, 20), "GI_Sheet_Sel_KeyAs_Skey")
        .SubKey(2)
        .Variant(clsListVariant::MobileHandheldUorE)
        .Mark(clsSettingMark::SoftKeyRefused),
    Choice(CL_ComConf_PosDataOutput, Byte(0x0AF1), kOnOff),
    Choice(CL_ComConf_DscDataOutput, Byte(0x0AEE), "GI_Sheet_Sel_DscDataOutput"),

    // ATIS
    Id(CL_ComAtis_AtisId, 0x1FF0, 10),
    Choice(CL_ComAtis_TxnoAtis, Bit(0x2000, 3), "GI_Sheet_Sel_Misc_Accept"),
    Choice(CL_ComAtis_AtisHiPow, Bit(0x2000, 4), "GI_Sheet_Sel_AtisHiPow"),
    Choice(CL_ComAtis_IntCh, Bit(0x2000, 1), kAble),
    Choice(CL_ComAtis_UsaCh, Bit(0x2000, 0), kAble).GreyUnless(kBands, 0),
    Choice(CL_ComAtis_CanCh, Bit(0x2000, 2), kAble).GreyUnless(kBands, 2),

    // Maker settings
    Choice(CL_MakerR_AdjMode, Bit(kBands, 6), kOnOff),
    Choice(CL_MakerR_Initial, Bit(kBands, 7), kOnOff),
    Choice(CL_MakerR_TestMode, Bit(kPowerSave, 0), kOnOff),
    Choice(CL_MakerR_NoiseCancelF, Bit(kFunctions, 3), kOnOff),
    Timer(CL_MakerR_TX_Mute_Timer, Byte(0x0BA6), 1000, 0, 255),
    Timer(CL_MakerR_RX_Mute_Timer, Byte(0x0BA7), 1000, 0, 255),
    Timer(CL_MakerR_Transient_Timer, Byte(0x0BA3), 1000, 0, 255),
    Timer(CL_MakerR_DwTw_Timer, Word(0x0BA4), 100, 80, 150).Convert(clsConversion::Tenth),
    Timer(CL_MakerR_Ch70w_Timer, Word(0x0E8C), 100, 50, 300).Convert(clsConversion::Tenth),
    Timer(CL_MakerR_PS_OFF_Timer, Word(0x0E96), 100, 1, 255).Convert(clsConversion::Tenth),
    Timer(CL_MakerR_PS_ON_Timer1, Word(0x0E92), 100, 1, 255).Convert(clsConversion::Tenth),
    Timer(CL_MakerR_PS_ON_Timer2, Word(0x0E94), 100, 1, 255).Convert(clsConversion::Tenth),
    Timer(CL_MakerR_GpsPS_OFF_Timer1, Word(0x0E98), 1, 2, 10),
    Timer(CL_MakerR_GpsPS_ON_Timer1, Word(0x0E9A), 1, 2, 10),
    Timer(CL_MakerR_GpsPS_OFF_Timer2, Word(0x0E9C), 1, 10, 120),
    Timer(CL_MakerR_GpsPS_ON_Timer2, Word(0x0E9E), 1, 10, 120),
    Choice(CL_MakerR_TX_PLLOpt1, Byte(0x0BC2), "GI_Sheet_Sel_PLLOpt"),
    Choice(CL_MakerR_TX_PLLOpt2, Byte(0x0BC3), "GI_Sheet_Sel_PLLOpt"),
    Choice(CL_MakerR_RX_PLLOpt1, Byte(0x0BC4), "GI_Sheet_Sel_PLLOpt"),
};

constexpr const char* kLcdSymbolLists[] = {
    "GI_Sheet_Sel_UserSetLcdUsa",
    "GI_Sheet_Sel_UserSetLcdInt",
    "GI_Sheet_Sel_UserSetLcdCan",
};

}  // namespace

std::span<const clsSettingRow> SettingRows() {
    return kRows;
}

std::span<const char* const> LcdSymbolLists() {
    return kLcdSymbolLists;
}
