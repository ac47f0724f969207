#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/backups.h"
#include "app/image_diff.h"
#include "app/main_controller.h"
#include "app/write_safety.h"

class cmcBackupPlace;

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
    void Setup(cuiFrame* frame, const std::vector<std::string>& arguments) override;
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

    // Adds the clone commands.
    void RunCommand(clsHostCommand command, int32_t argument, const std::string& text) override;

    // The clone commands. Each runs in steps on the timers; done (optional) runs once at its end
    // with the outcome (kOk, or the code whose message was shown). A command that does not start
    // (a Cancel, a busy clone manager) ends without calling it.
    using CloneDone = std::function<void(CloneResult code)>;
    // Reads the radio into a new untitled document.
    void CloneRead(CloneDone done = nullptr);
    // Writes the document into the radio, after the warning check and the user's confirmation.
    void CloneWrite(CloneDone done = nullptr);
    // Asks the radio for its model information and shows it.
    void ShowCloneInfo(CloneDone done = nullptr);

    // Stops the running clone at its next frame boundary; a write is confirmed first. Answers
    // whether it stops.
    bool CancelClone() { return m_cloneMan.Cancel(true); }

    // The automatic backups: every image read from a radio (at once, before anything else) and
    // every image about to be written (a failed backup stops the write). The place is the user's
    // data folder unless set; it must outlive the controller.
    void SetBackupPlace(const cmcBackupPlace& place) { m_backupPlace = &place; }
    indBackups Backups() const { return indBackups(*m_backupPlace); }
    datBackupPolicy BackupPolicy();
    // Off for one run of the command line's --no-backup.
    void SetAutomaticBackups(bool on) { m_automaticBackups = on; }
    // The backup the last clone made, "" when it made none.
    const std::string& LastBackupPath() const { return m_lastBackupPath; }

    // The comparison of images by the cells of the pages (the maker-only pages in maker mode).
    cuiImageDiff& ImageDiff();
    // Shows the review of a write and answers whether to go on; the window shows it in its own
    // dialog.
    virtual bool ConfirmWriteReview(const datWriteReview& review);

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
    // The steps of the clone commands after each operation.
    void OnReadInfo(dst_CDrv_Result& result, const CloneDone& done);
    void OnReadData(dst_CDrv_Result& result, const CloneDone& done);
    void OnWriteInfo(dst_CDrv_Result& result, const CloneDone& done);
    // The safety steps of a write: the review read, the backup and the write itself, the verify
    // read.
    void OnReviewRead(dst_CDrv_Result& result, const CloneDone& done);
    void BackUpAndWrite(const CloneDone& done);
    void OnWritten(dst_CDrv_Result& result, const CloneDone& done);
    void OnVerifyRead(dst_CDrv_Result& result, const CloneDone& done);
    void ReportWriteSucceeded(const std::string& verifyKey);
    void ReportBackupFailure(const std::string& key);
    // The received-image hook: the backup of every image read whole.
    void BackUpReceived(const cmcEeprom& image);
    // The radio's model type must fit the program's; else the model error is shown (code 13).
    bool RadioFitsModel(dst_CDrv_Result& result);

    const cmcBackupPlace* m_backupPlace;
    bool m_automaticBackups = true;
    bool m_receivedBackupFailed = false;
    std::string m_lastBackupPath;
    std::unique_ptr<cuiImageDiff> m_imageDiff;
    bool m_imageDiffMaker = false;  // whether m_imageDiff has the maker-only pages
    // The write in progress: its ranges, and the memory it sends.
    const AddressRange* m_writeRanges = nullptr;
    cmcEeprom m_writtenImage;
    std::string m_modeText;
    std::string m_typedKeys;  // the last characters typed in the About box, lower-cased
};

// The maker tools' access word, typed in the About box.
constexpr const char* kMakerAccessWord = "tamblor";
