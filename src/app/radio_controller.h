#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_controller.h"

// The main controller of this radio model: the KT-V818X's model codes, its image checks and
// normalisation, the model type an image carries, maker mode and convert mode, the tree's channel
// groups, and the clone commands.
class indMain : public cuiMain {
public:
    static constexpr const char* kModelName = "KTV818X";

    explicit indMain(const datControllerLinks& links);
    ~indMain() override;

    void Reset() override;
    // Also applies the switches "/tamblor" (maker mode) and "/convert" (convert mode).
    void Setup(cuiFrame& frame, const std::vector<std::string>& arguments) override;
    // Also names the model type in the first node.
    void BuildTree() override;
    // An image of another layout, or of a model type this program does not know.
    bool IsForeignImage(const cmcEeprom& image) override;
    bool IsNewerImage(const cmcEeprom& image) override;
    void SyncModelToImage(cmcEeprom& image) override;
    void NormaliseImage(cmcEeprom& image, int32_t mode) override;
    // In maker mode the maker caution is asked first.
    bool MayWriteRadio() override;
    // Typing the access word enters maker mode.
    void OnAboutKey(char c) override;

    // Asks the maker caution; on OK maker mode stays on until the program ends.
    void EnterMakerMode();
    void EnterConvertMode();
    // The status bar's mode text: what the modes entered so far add.
    const std::string& ModeText() const { return m_modeText; }

private:
    static void OnEvent(void* context, const cmcEvent& event);
    void HandleEvent(const cmcEvent& event);
    // Event 27: the tree shows the channel banks the image carries and the pages of the model.
    void AdjustTreeGroups();
    // Event 28: the channel sheet is built again and its cursor kept on a channel it shows.
    void RenumberChannels(bool toggleListType);

    std::string m_modeText;
    std::string m_typedKeys;  // the last characters typed in the About box, lower-cased
};

// The maker tools' access word, typed in the About box.
constexpr const char* kMakerAccessWord = "tamblor";
