#include "app/radio_controller.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "app/environ.h"
#include "app/image_identity.h"
#include "app/normalise_image.h"
#include "base/event_manager.h"
#include "model/cell_engine.h"
#include "model/channel_record.h"
#include "model/model_class.h"
#include "overlay/gtex.h"

namespace {

constexpr const char* kMakerSwitch = "/tamblor";
constexpr const char* kConvertSwitch = "/convert";
constexpr const char* kConvertModeText = "[ CONVERT ]";

// What convert mode changes beyond the normalisation when it turns an image of a class B model
// into one of the convert target: the option byte's bit 7 and a model byte follow the template,
// and the LCD symbol texts lose the ATIS symbol.
constexpr int32_t kConvertOptionAddress = 0x0AF0;
constexpr uint8_t kConvertOptionBit = 0x80;
constexpr int32_t kConvertModelByteAddress = 0x212F;
constexpr int32_t kSymbolTextAddress = 0x0B80;
constexpr int32_t kSymbolTextLength = 5;
constexpr int32_t kSymbolTextCount = 3;
constexpr char kAtisSymbol[] = "ATIS ";
constexpr char kNoSymbol[] = "---  ";

// Channel slots a channel sheet can show.
constexpr int32_t kLastChannelSlot = 420;

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A channel the sheet shows in the usable-channels view: one not inhibited, or the bank's P or C
// channel.
bool IsShownChannel(datCh& record, clsRecordGroup group, int32_t index) {
    record.LoadRecord(group, index);
    return (record.channelFlags & datCh::kInhibited) == 0 ||
           (record.markers & (datCh::kMarkerP | datCh::kMarkerC)) != 0;
}

// The first shown channel at or after index, else the last shown one before it, else 0.
int32_t NearestShownChannel(cmcEeprom& image, clsRecordGroup group, int32_t index) {
    datCh record(&image);
    const int32_t last = std::min(kLastChannelSlot, RecordCount(group) - 1);
    for (int32_t i = std::max(index, 0); i <= last; ++i) {
        if (IsShownChannel(record, group, i)) return i;
    }
    for (int32_t i = last; i >= 0; --i) {
        if (IsShownChannel(record, group, i)) return i;
    }
    return 0;
}

}  // namespace

indMain::indMain(const datControllerLinks& links) : cuiMain(links, kModelName, kImageSize) {
    indMain::Reset();
    m_events.AddListener(&indMain::OnEvent, this);
}

indMain::~indMain() {
    m_events.RemoveListener(&indMain::OnEvent, this);
}

void indMain::Reset() {
    cuiMain::Reset();
    m_makerMode = false;
    m_convertMode = false;
    SetModelCodes(kModelCode, kSubCode);
}

void indMain::Setup(cuiFrame* frame, const std::vector<std::string>& arguments) {
    cuiMain::Setup(frame, arguments);
    for (const std::string& argument : arguments) {
        const std::string lowered = Lowered(argument);
        if (lowered == kMakerSwitch) EnterMakerMode();
        if (lowered == kConvertSwitch) EnterConvertMode();
    }
}

void indMain::BuildTree() {
    cuiMain::BuildTree();
    if (m_tree) m_tree->AppendToFirstNodeText(m_gtex.GetLine("GI_AppInd_Model", ModelType()));
}

bool indMain::IsForeignImage(const cmcEeprom& image) {
    // A model type beyond the known ones has no template to follow: the image is not one of ours.
    return image.GetByte(kLayoutAddress) != kMapRevision ||
           image.GetByte(kModelTypeAddress) >= kModelTypeCount;
}

bool indMain::IsNewerImage(const cmcEeprom&) {
    return false;
}

void indMain::SyncModelToImage(cmcEeprom& image) {
    const int32_t imageType = image.GetByte(kModelTypeAddress);
    if (!m_convertMode || imageType == kConvertTargetModelType || !IsModelClassB(imageType)) {
        ChangeModel(imageType, false);
    } else {
        ChangeModel(kConvertTargetModelType, false);
        ::NormaliseImage(image, m_template, imageType, 0);
        image.SetByte(kModelTypeAddress, kConvertTargetModelType);
        const uint8_t option = image.GetByte(kConvertOptionAddress);
        image.SetByte(
            kConvertOptionAddress,
            static_cast<uint8_t>((option & ~kConvertOptionBit) |
                                 (m_template.GetByte(kConvertOptionAddress) & kConvertOptionBit)));
        image.SetByte(kConvertModelByteAddress, m_template.GetByte(kConvertModelByteAddress));
        for (int32_t i = 0; i < kSymbolTextCount; ++i) {
            const int32_t address = kSymbolTextAddress + kSymbolTextLength * i;
            uint8_t text[kSymbolTextLength];
            image.ReadBlock(address, text, kSymbolTextLength);
            if (std::memcmp(text, kAtisSymbol, kSymbolTextLength) == 0) {
                image.WriteBlock(address, reinterpret_cast<const uint8_t*>(kNoSymbol),
                                 kSymbolTextLength);
            }
        }
    }
    NormaliseImage(image, 0);
    m_events.Send(cmcEvCode::SheetsChanged, 0, 0);
}

void indMain::NormaliseImage(cmcEeprom& image, int32_t mode) {
    ::NormaliseImage(image, m_template, ModelType(), mode);
}

bool indMain::MayWriteRadio() {
    if (!m_makerMode) return true;
    return Message(GetMultiLineText(m_gtex, "GI_Mess_Maker_Caution"), cmcMessageIcon::Warning,
                   cmcMessageButtons::OkCancel) == cmcMessageAnswer::Ok;
}

void indMain::OnAboutKey(char c) {
    m_typedKeys += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const size_t length = std::strlen(kMakerAccessWord);
    if (m_typedKeys.size() > length) m_typedKeys.erase(0, m_typedKeys.size() - length);
    if (m_typedKeys == kMakerAccessWord) EnterMakerMode();
}

void indMain::EnterMakerMode() {
    if (m_makerMode) return;
    if (Message(GetMultiLineText(m_gtex, "GI_Mess_Maker_Caution"), cmcMessageIcon::Warning,
                cmcMessageButtons::OkCancel) != cmcMessageAnswer::Ok) {
        return;
    }
    m_makerMode = true;
    BuildTree();
    m_modeText += m_gtex.GetFirstLine("GI_StatusPanel_Maker");
    if (m_frame) m_frame->AddModePanel(m_modeText);
}

void indMain::EnterConvertMode() {
    if (m_convertMode) return;
    m_convertMode = true;
    BuildTree();
    m_modeText += kConvertModeText;
    if (m_frame) m_frame->AddModePanel(m_modeText);
}

void indMain::OnEvent(void* context, const cmcEvent& event) {
    static_cast<indMain*>(context)->HandleEvent(event);
}

void indMain::HandleEvent(const cmcEvent& event) {
    switch (event.code) {
        case cmcEvCode::SheetsChanged:
            AdjustTreeGroups();
            break;
        case cmcEvCode::ChannelNumbering:
            RenumberChannels(event.first != 0);
            break;
        default:
            break;
    }
}

void indMain::AdjustTreeGroups() {
    if (!m_tree) return;
    int32_t position = m_tree->IndexOfSheet("GI_Sheet_IntCh") + 1;
    const uint8_t groups = m_working.GetByte(kChannelGroupsAddress);
    const struct {
        uint8_t bit;
        const char* sheet;
        int32_t group;
    } kBanks[] = {
        {kUsaGroupBit, "GI_Sheet_UsaCh", clsTreeGroup::kUsa},
        {kCanadaGroupBit, "GI_Sheet_CanCh", clsTreeGroup::kCanada},
        {kWeatherGroupBit, "GI_Sheet_WxCh", clsTreeGroup::kWeather},
    };
    for (const auto& bank : kBanks) {
        if (groups & bank.bit) {
            m_tree->EnsureNode(bank.sheet, position++);
        } else {
            m_tree->RemoveGroup(bank.group);
        }
    }
    if (IsModelClassA(ModelType())) m_tree->RemoveGroup(clsTreeGroup::kNotClassA);
    if (IsModelClassB(ModelType())) m_tree->RemoveGroup(clsTreeGroup::kNotClassB);
    if (!m_makerMode) m_tree->RemoveGroup(clsTreeGroup::kMaker);
}

void indMain::RenumberChannels(bool toggleListType) {
    int32_t& listType = m_environ.Settings().chListType;
    if (toggleListType) listType = listType != 0 ? 0 : 1;
    if (!m_sheet) return;

    std::optional<datCellBinding> target = m_sheet->CursorCell();
    if (target) {
        const clsRecordGroup group = GroupOfCategory(target->category);
        if (RecordCount(group) > 0) {
            target->index = NearestShownChannel(m_working, group, target->index);
        } else {
            target.reset();
        }
    }
    const std::string name = m_sheetName;
    OpenSheet(name);
    if (target && m_sheet) m_sheet->MoveCursorTo(*target);
}
