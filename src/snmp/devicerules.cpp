#include "snmp/devicerules.h"

namespace DeviceRules {

QString vendorFromDescription(const QString &description)
{
    if (description.contains(QLatin1String("Cisco")))
        return QStringLiteral("Cisco");
    if (description.contains(QLatin1String("Huawei")))
        return QStringLiteral("Huawei");
    return {};
}

QString osFamilyFromDescription(const QString &description, const QString &vendor)
{
    if (description.contains(QLatin1String("IOS")))
        return QStringLiteral("IOS");
    if (vendor == QLatin1String("Cisco"))
        return QStringLiteral("CATOS");
    return {};
}

} // namespace DeviceRules
