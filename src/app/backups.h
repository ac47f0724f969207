#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class cmcBackupPlace;
class cmcEeprom;

// Which way the backed-up memory was going: received from a radio, or about to be written into
// one (the memory the write sends).
enum class clsBackupDirection {
    kRead,
    kWrite,
};

// One backup file, as its name describes it.
struct datBackupEntry {
    std::string path;
    std::string fileName;
    int64_t seconds = 0;  // when it was made, seconds since 1970 UTC
    int32_t modelType = 0;
    std::string identity;  // the radio's self ID, "atis" and its ATIS ID, or "noid"
    clsBackupDirection direction = clsBackupDirection::kRead;
};

// How many backups are kept, and for how long; the newest of each radio identity always stays.
struct datBackupPolicy {
    int32_t maxFiles = 200;
    int32_t maxDays = 365;
};

// The automatic backups of radio memories: every image received from a radio and every image
// about to be written into one is kept as a clone file in the backup folder, named by the time
// (UTC), the model type, the radio's identity and the direction, such as
// "20261211T142305Z_model00_211234567_read.icf". Only files so named are listed or pruned:
// nothing else in the folder is ever touched.
class indBackups {
public:
    explicit indBackups(const cmcBackupPlace& place);

    std::string Folder() const;
    // Saves image as a clone file (atomically: a failure leaves no partial file), then prunes by
    // policy. Returns the new file's path, or nothing when the folder cannot be made or the file
    // not written.
    std::optional<std::string> Save(const cmcEeprom& image, clsBackupDirection direction,
                                    int32_t modelCode, int32_t subCode,
                                    const datBackupPolicy& policy);
    // The backups in the folder, newest first.
    std::vector<datBackupEntry> List() const;
    // Removes the backups beyond the policy's count or age, except the newest of each identity.
    // Returns the paths removed.
    std::vector<std::string> Prune(const datBackupPolicy& policy);

private:
    const cmcBackupPlace& m_place;
};

// The identity a backup is named by: the image's self ID when set, else its ATIS ID, else none.
std::string BackupIdentity(const cmcEeprom& image);
// The backup's time as "YYYY-MM-DD HH:MM:SS UTC".
std::string BackupTimeText(int64_t seconds);
// The parts of a backup file name; nothing for any other name.
std::optional<datBackupEntry> ParseBackupName(const std::string& fileName);
