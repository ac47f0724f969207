#pragma once

#include <cstdint>
#include <string>

#include "platform/backup_place.h"

// A backup folder of the test's choosing and a calendar time that moves only when told.
class FakeBackupPlace : public cmcBackupPlace {
public:
    explicit FakeBackupPlace(std::string folder, int64_t seconds = kDefaultSeconds)
        : folder(std::move(folder)), seconds(seconds) {}
    std::string Folder() const override { return folder; }
    int64_t NowSeconds() const override { return seconds; }

    // 2026-12-11 14:23:05 UTC
    static constexpr int64_t kDefaultSeconds = 1796998985;
    std::string folder;
    int64_t seconds;
};
