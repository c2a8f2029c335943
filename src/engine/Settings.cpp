// SPDX-License-Identifier: GPL-3.0-or-later
// Settings live in QSettings: the registry key on Windows, an INI file elsewhere.
#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace engine {

namespace {
// The registry-style key names a group; only its last part is a group of QSettings.
QString groupFor(const std::string& key)
{
    const auto pos = key.find_last_of('\\');
    const std::string last = pos == std::string::npos ? key : key.substr(pos + 1);
    return QString::fromStdString(last.empty() ? std::string("Default") : last);
}

// Names come from our own code, but keep QSettings' separators out of them all the same.
QString cleanName(const std::string& name)
{
    QString n = QString::fromStdString(name);
    n.remove(QLatin1Char('/'));
    n.remove(QLatin1Char('\\'));
    return n;
}

// The settings of an INI file; none when the file is there but is not a plain file, which
// QSettings would wait on for ever: every value then reads as absent and nothing is stored.
std::unique_ptr<QSettings> iniSettings(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists() && !file.isFile())
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}
} // namespace

SettingsStore::SettingsStore()
#ifdef Q_OS_WIN
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Penwick"), QStringLiteral("Lettro")))
#else
    // The file the native format uses here, read alone, so that its kind is checked first.
    : m_settings(
          iniSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/Penwick/Lettro.conf")))
#endif
{
}

SettingsStore::SettingsStore(const std::string& folder)
    : m_settings(
          iniSettings(QDir(QString::fromStdString(folder)).filePath(QStringLiteral("Lettro.ini"))))
{
}

SettingsStore::~SettingsStore() = default;

std::optional<std::string> SettingsStore::cGetRegValue(const std::string& key,
                                                       const std::string& name,
                                                       int maxLength) const
{
    if (maxLength <= 0 || !m_settings)
        return std::nullopt;
    m_settings->beginGroup(groupFor(key));
    const QVariant value = m_settings->value(cleanName(name));
    m_settings->endGroup();
    if (!value.isValid() || !value.canConvert<QString>())
        return std::nullopt;
    const QString text = value.toString();
    if (text.isEmpty())
        return std::nullopt;
    // Cut to maxLength bytes, which is never more than maxLength characters, but never in
    // the middle of a character: a cut UTF-8 sequence would be garbage to every reader.
    std::string bytes = text.toStdString();
    if (bytes.size() > static_cast<std::size_t>(maxLength)) {
        std::size_t cut = static_cast<std::size_t>(maxLength);
        while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut; // bytes[cut] continues a character: step back to where it starts
        bytes.resize(cut);
    }
    if (bytes.empty())
        return std::nullopt;
    return bytes;
}

void SettingsStore::cSetRegValue(const std::string& key, const std::string& name,
                                 const std::string& value)
{
    if (!m_settings)
        return;
    m_settings->beginGroup(groupFor(key));
    m_settings->setValue(cleanName(name), QString::fromStdString(value));
    m_settings->endGroup();
}

bool SettingsStore::sync()
{
    if (!m_settings)
        return false;
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace engine
