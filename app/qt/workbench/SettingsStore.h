#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

#include "app/core/workbench/PlacementRecord.h"
#include "app/core/files/RecentFilesStore.h"

namespace zorv {

// The workbench's settings between runs: window placements (20-byte records named after window captions)
// and the recent-files list. Everything goes through the QSettings it is given, so tests point it at a
// temporary file and never touch the user's own settings.
class SettingsStore final : public RecentFilesStore {
public:
    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    ~SettingsStore() override;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The current user's store.
    static std::unique_ptr<QSettings> userSettings();
    // A store kept in an INI file.
    static std::unique_ptr<QSettings> iniFile(const QString& path);

    // The placement saved under caption; none when missing or not exactly 20 bytes long.
    std::optional<PlacementRecord> placement(const QString& caption) const;
    // Replaces the placement saved under caption. Failures are not reported.
    void setPlacement(const QString& caption, const PlacementRecord& record);

    std::optional<std::string> recentValue(int index) const override;
    void replaceRecent(const std::vector<std::string>& paths) override;

    QSettings& settings() { return *settings_; }

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace zorv
