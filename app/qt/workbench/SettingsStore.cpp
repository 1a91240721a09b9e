#include "app/qt/workbench/SettingsStore.h"

#include <QByteArray>
#include <QSettings>

#include "app/core/workbench/SettingsKeys.h"

namespace zorv {
namespace {

QString groupOf(std::string_view key) {
    return QString::fromStdString(SettingsKeys::slashed(key));
}

QString placementKey(const QString& caption) {
    return groupOf(SettingsKeys::kWindowAttributes) + '/' +
           QString::fromStdString(SettingsKeys::valueName(caption.toStdString()));
}

QString recentKey(int index) {
    return groupOf(SettingsKeys::kRecentFiles) + '/' + QString::number(index);
}

}  // namespace

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

SettingsStore::~SettingsStore() = default;

std::unique_ptr<QSettings> SettingsStore::userSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZorvWin"),
                                       QStringLiteral("Zorv"));
}

std::unique_ptr<QSettings> SettingsStore::iniFile(const QString& path) {
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

std::optional<PlacementRecord> SettingsStore::placement(const QString& caption) const {
    const QVariant value = settings_->value(placementKey(caption));
    if (!value.isValid()) {
        return std::nullopt;
    }
    const QByteArray bytes = value.toByteArray();
    return PlacementRecord::decode(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                             static_cast<std::size_t>(bytes.size())));
}

void SettingsStore::setPlacement(const QString& caption, const PlacementRecord& record) {
    const PlacementRecord::Bytes bytes = record.encode();
    settings_->setValue(placementKey(caption),
                        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    settings_->sync();
}

std::optional<std::string> SettingsStore::recentValue(int index) const {
    const QVariant value = settings_->value(recentKey(index));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

void SettingsStore::replaceRecent(const std::vector<std::string>& paths) {
    settings_->remove(groupOf(SettingsKeys::kRecentFiles));
    for (std::size_t i = 0; i < paths.size(); ++i) {
        settings_->setValue(recentKey(static_cast<int>(i)), QString::fromStdString(paths[i]));
    }
    settings_->sync();
}

}  // namespace zorv
