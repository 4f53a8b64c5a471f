#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// Addresses of the simulated devices in tests/lab (see its README).
namespace Lab {
inline const char *const IosL3 = "127.0.0.11";
inline const char *const CatOs = "127.0.0.12";
inline const char *const Huawei = "127.0.0.13";
inline const char *const Router = "127.0.0.14";
inline const char *const Layer2 = "127.0.0.15";
inline const char *const Empty = "127.0.0.16";
inline const char *const Second = "127.0.0.17"; // answers "s3cret" only
inline const char *const Big = "127.0.0.18";
inline const char *const Gappy = "127.0.0.19";
inline const char *const NoServices = "127.0.0.20";
inline const char *const BadServices = "127.0.0.21";
inline const char *const CiscoNoVlan = "127.0.0.22";
inline const char *const BadIndex = "127.0.0.23";
inline const char *const Silent = "127.0.0.99"; // nothing listens here

// The table a device must give, from tests/lab/expected/NAME.json.
inline QJsonObject expected(const QString &name)
{
    QFile file(QStringLiteral(TNM_SOURCE_DIR "/tests/lab/expected/%1.json").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}
} // namespace Lab
