#pragma once

#include <QString>

// How the probe names a device's vendor and operating-system family from
// its sysDescr text: case-sensitive substring tests, first rule wins.
namespace DeviceRules {

// "Cisco", "Huawei" or empty.
QString vendorFromDescription(const QString &description);

// "IOS" when the description names it, "CATOS" for any other Cisco
// device, otherwise empty.
QString osFamilyFromDescription(const QString &description, const QString &vendor);

} // namespace DeviceRules
