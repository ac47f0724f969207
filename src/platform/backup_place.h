#pragma once

#include <cstdint>
#include <string>

// Where the automatic backups of radio memories go, and the calendar time they are named by.
// The program's own place is the user's data folder; tests give a temporary folder and a fixed
// time.
class cmcBackupPlace {
public:
    virtual ~cmcBackupPlace() = default;
    virtual std::string Folder() const = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual int64_t NowSeconds() const = 0;
};

// $XDG_DATA_HOME/ktv818x/backups, else ~/.local/share/ktv818x/backups; on Windows the local
// application data folder, on macOS ~/Library/Application Support. The system's calendar clock.
class cmcUserBackupPlace : public cmcBackupPlace {
public:
    std::string Folder() const override;
    int64_t NowSeconds() const override;
};
