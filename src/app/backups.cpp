#include "app/backups.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "app/image_comment.h"
#include "app/image_identity.h"
#include "model/address_range.h"
#include "model/clone_file.h"
#include "model/eeprom.h"
#include "model/id_codec.h"
#include "platform/backup_place.h"
#include "platform/string_format.h"

namespace {

constexpr const char* kExtension = ".icf";
constexpr const char* kReadWord = "read";
constexpr const char* kWriteWord = "write";
constexpr const char* kModelPrefix = "model";
constexpr const char* kAtisPrefix = "atis";
constexpr const char* kNoIdentity = "noid";
constexpr int64_t kSecondsPerDay = 86400;
// Two backups in one second get a running number; past this something is wrong with the folder.
constexpr int kMaxSameSecond = 100;

struct CivilTime {
    int64_t year;
    int32_t month, day, hour, minute, second;
};

// Days since 1970-01-01 to the proleptic Gregorian calendar and back (H. Hinnant's algorithms).
CivilTime CivilFromSeconds(int64_t seconds) {
    int64_t days = seconds / kSecondsPerDay;
    int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int32_t day = static_cast<int32_t>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int32_t month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year,
            month,
            day,
            static_cast<int32_t>(rest / 3600),
            static_cast<int32_t>(rest / 60 % 60),
            static_cast<int32_t>(rest % 60)};
}

int64_t SecondsFromCivil(const CivilTime& t) {
    const int64_t year = t.year - (t.month <= 2 ? 1 : 0);
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (t.month > 2 ? t.month - 3 : t.month + 9) + 2) / 5 + t.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const int64_t days = era * 146097 + dayOfEra - 719468;
    return days * kSecondsPerDay + t.hour * 3600 + t.minute * 60 + t.second;
}

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int32_t Number(const std::string& text, size_t at, size_t count) {
    return std::stoi(text.substr(at, count));
}

// "20261211T142305Z"
std::optional<int64_t> ParseStamp(const std::string& stamp) {
    if (stamp.size() != 16 || stamp[8] != 'T' || stamp[15] != 'Z') return std::nullopt;
    if (!AllDigits(stamp.substr(0, 8)) || !AllDigits(stamp.substr(9, 6))) return std::nullopt;
    const CivilTime t{Number(stamp, 0, 4), Number(stamp, 4, 2),  Number(stamp, 6, 2),
                      Number(stamp, 9, 2), Number(stamp, 11, 2), Number(stamp, 13, 2)};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 60) {
        return std::nullopt;
    }
    return SecondsFromCivil(t);
}

std::string Stamp(int64_t seconds) {
    const CivilTime t = CivilFromSeconds(seconds);
    return StringPrintf("%04lld%02d%02dT%02d%02d%02dZ", static_cast<long long>(t.year), t.month,
                        t.day, t.hour, t.minute, t.second);
}

bool IsIdentity(const std::string& text) {
    if (text == kNoIdentity) return true;
    if (text.rfind(kAtisPrefix, 0) == 0) return AllDigits(text.substr(4));
    return AllDigits(text);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

std::string BackupIdentity(const cmcEeprom& image) {
    uint8_t id[kIdBytes];
    image.ReadBlock(kSelfIdAddress, id, kIdBytes);
    if (!IsIdEmpty(id)) return IdText(id, kSelfIdDigits);
    image.ReadBlock(kAtisIdAddress, id, kIdBytes);
    if (!IsIdEmpty(id)) return kAtisPrefix + IdText(id, kAtisIdDigits);
    return kNoIdentity;
}

std::string BackupTimeText(int64_t seconds) {
    const CivilTime t = CivilFromSeconds(seconds);
    return StringPrintf("%04lld-%02d-%02d %02d:%02d:%02d UTC", static_cast<long long>(t.year),
                        t.month, t.day, t.hour, t.minute, t.second);
}

std::optional<datBackupEntry> ParseBackupName(const std::string& fileName) {
    const size_t extension =
        fileName.size() - std::min(fileName.size(), std::string(kExtension).size());
    if (fileName.compare(extension, std::string::npos, kExtension) != 0) return std::nullopt;
    const std::vector<std::string> parts = Split(fileName.substr(0, extension), '_');
    if (parts.size() != 4) return std::nullopt;
    datBackupEntry entry;
    entry.fileName = fileName;
    const std::optional<int64_t> seconds = ParseStamp(parts[0]);
    if (!seconds) return std::nullopt;
    entry.seconds = *seconds;
    const std::string model = parts[1];
    if (model.size() != 7 || model.rfind(kModelPrefix, 0) != 0 || !AllDigits(model.substr(5)))
        return std::nullopt;
    entry.modelType = Number(model, 5, 2);
    if (!IsIdentity(parts[2])) return std::nullopt;
    entry.identity = parts[2];
    // The direction, with the running number of a second backup in the same second.
    const std::string direction = parts[3].substr(0, parts[3].find('-'));
    if (direction.size() < parts[3].size() && !AllDigits(parts[3].substr(direction.size() + 1)))
        return std::nullopt;
    if (direction == kReadWord) {
        entry.direction = clsBackupDirection::kRead;
    } else if (direction == kWriteWord) {
        entry.direction = clsBackupDirection::kWrite;
    } else {
        return std::nullopt;
    }
    return entry;
}

indBackups::indBackups(const cmcBackupPlace& place) : m_place(place) {}

std::string indBackups::Folder() const {
    return m_place.Folder();
}

std::optional<std::string> indBackups::Save(const cmcEeprom& image, clsBackupDirection direction,
                                            int32_t modelCode, int32_t subCode,
                                            const datBackupPolicy& policy) {
    const std::filesystem::path folder(Folder());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error)) return std::nullopt;
    const int32_t modelType =
        image.IsValidAddress(kModelTypeAddress) ? image.GetByte(kModelTypeAddress) : 0;
    const std::string base = Stamp(m_place.NowSeconds()) + "_" +
                             StringPrintf("%s%02d", kModelPrefix, modelType % 100) + "_" +
                             BackupIdentity(image) + "_" +
                             (direction == clsBackupDirection::kRead ? kReadWord : kWriteWord);
    std::filesystem::path path;
    for (int n = 1;; ++n) {
        if (n > kMaxSameSecond) return std::nullopt;
        path = folder / (base + (n == 1 ? "" : "-" + std::to_string(n)) + kExtension);
        if (!std::filesystem::exists(path, error)) break;
    }
    cmcEeprom copy;
    copy.Assign(image);
    cmcClnFile file;
    file.SetImage(copy);
    file.SetModelCode(modelCode);
    file.SetSubCode(subCode);
    file.SetMapRevision(kMapRevision);
    file.SetComment(ImageComment(copy));
    if (file.Save(path.string(), kCloneFileRanges) != CloneFileResult::kOk) return std::nullopt;
    Prune(policy);
    return path.string();
}

std::vector<datBackupEntry> indBackups::List() const {
    std::vector<datBackupEntry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(Folder(), error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        std::optional<datBackupEntry> entry = ParseBackupName(it->path().filename().string());
        if (!entry) continue;
        entry->path = it->path().string();
        entries.push_back(std::move(*entry));
    }
    std::sort(entries.begin(), entries.end(), [](const datBackupEntry& a, const datBackupEntry& b) {
        return a.seconds != b.seconds ? a.seconds > b.seconds : a.fileName > b.fileName;
    });
    return entries;
}

std::vector<std::string> indBackups::Prune(const datBackupPolicy& policy) {
    const std::vector<datBackupEntry> entries = List();
    const int64_t oldest = m_place.NowSeconds() - int64_t{policy.maxDays} * kSecondsPerDay;
    std::map<std::string, bool> identitySeen;
    std::vector<std::string> removed;
    for (size_t i = 0; i < entries.size(); ++i) {
        const datBackupEntry& entry = entries[i];
        // The list is newest first, so the first of an identity is its newest.
        if (!identitySeen[entry.identity]) {
            identitySeen[entry.identity] = true;
            continue;
        }
        if (i < static_cast<size_t>(std::max(policy.maxFiles, 0)) && entry.seconds >= oldest)
            continue;
        std::error_code error;
        if (std::filesystem::remove(entry.path, error)) removed.push_back(entry.path);
    }
    return removed;
}
