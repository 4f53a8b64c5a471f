#pragma once

// Status codes returned by the SNMP layer. Zero is success; negative values
// are failures of the layer itself; positive values are the error-status
// field of an agent's response (noSuchName is 2, and so on).
enum SnmpStatus : int {
    SNMP_CLASS_SUCCESS = 0,
    SNMP_CLASS_ERROR = -1,
    SNMP_CLASS_RESOURCE_UNAVAIL = -2,
    SNMP_CLASS_INTERNAL_ERROR = -3,
    SNMP_CLASS_UNSUPPORTED = -4,
    SNMP_CLASS_TIMEOUT = -5,
    SNMP_CLASS_ASYNC_RESPONSE = -6,
    SNMP_CLASS_SESSION_DESTROYED = -8,
    SNMP_CLASS_INVALID_PDU = -11,
    SNMP_CLASS_INVALID_TARGET = -12,
    SNMP_CLASS_INVALID_OID = -17,
    SNMP_CLASS_INVALID_ADDRESS = -18,
    SNMP_CLASS_TL_FAILED = -22,
    SNMP_CLASS_SHUTDOWN = -23,

    SNMP_ERROR_SUCCESS = 0,
    SNMP_ERROR_TOO_BIG = 1,
    SNMP_ERROR_NO_SUCH_NAME = 2,
    SNMP_ERROR_BAD_VALUE = 3,
    SNMP_ERROR_READ_ONLY = 4,
    SNMP_ERROR_GENERAL_VB_ERR = 5,
};
