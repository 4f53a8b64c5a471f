#pragma once

// Object identifiers read from the managed device.
namespace DeviceOid {
inline constexpr const char *SysDescr = "1.3.6.1.2.1.1.1.0";
inline constexpr const char *SysName = "1.3.6.1.2.1.1.5.0";
inline constexpr const char *SysServices = "1.3.6.1.2.1.1.7.0";
inline constexpr const char *IfIndex = "1.3.6.1.2.1.2.2.1.1";
inline constexpr const char *IfSpeed = "1.3.6.1.2.1.2.2.1.5";
inline constexpr const char *IfOperStatus = "1.3.6.1.2.1.2.2.1.8";
inline constexpr const char *IfName = "1.3.6.1.2.1.31.1.1.1.1";
inline constexpr const char *IfHighSpeed = "1.3.6.1.2.1.31.1.1.1.15";
inline constexpr const char *IfAlias = "1.3.6.1.2.1.31.1.1.1.18";
inline constexpr const char *Dot3StatsIndex = "1.3.6.1.2.1.10.7.2.1.1";
inline constexpr const char *Dot3StatsDuplexStatus = "1.3.6.1.2.1.10.7.2.1.19";
inline constexpr const char *IpAdEntAddr = "1.3.6.1.2.1.4.20.1.1";
inline constexpr const char *IpAdEntIfIndex = "1.3.6.1.2.1.4.20.1.2";
inline constexpr const char *Dot1dBaseBridgeAddress = "1.3.6.1.2.1.17.1.1.0";
inline constexpr const char *Dot1dBasePortIfIndex = "1.3.6.1.2.1.17.1.4.1.2";
inline constexpr const char *Dot1qPvid = "1.3.6.1.2.1.17.7.1.4.5.1.1";
inline constexpr const char *VmVlanType = "1.3.6.1.4.1.9.9.68.1.2.2.1.1";
inline constexpr const char *VmVlan = "1.3.6.1.4.1.9.9.68.1.2.2.1.2";
}
