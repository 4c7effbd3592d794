// The biometric-framework types the adapters are written against: the
// pipeline record, the three adapter interface tables and the records that
// travel through them.
//
// These are our own definitions on every platform (the toolchains we build
// with do not ship the framework's headers). They follow the framework's x64
// ABI; every size and offset that an adapter, the service or the driver
// relies on is pinned below with a static_assert, so a layout slip fails the
// build rather than a unit in the field.
//
// Records that come from the device (attributes, status, capture data) are
// still read through the byte helpers in adapter/byte_order.h; the structs
// here exist for the framework's own interfaces and to document the layouts.
#pragma once

#include <cstddef>

#include "platform/win32.h"

// ---------------------------------------------------------------------------
// Scalar types.

typedef ULONG WINBIO_BIOMETRIC_TYPE;
typedef UCHAR WINBIO_BIOMETRIC_SUBTYPE;
typedef ULONG WINBIO_BIOMETRIC_SENSOR_SUBTYPE;
typedef ULONG WINBIO_CAPABILITIES;
typedef UCHAR WINBIO_BIR_PURPOSE;
typedef UCHAR WINBIO_BIR_DATA_FLAGS;
typedef UCHAR WINBIO_BIR_VERSION;
typedef ULONG WINBIO_REJECT_DETAIL;
typedef ULONG WINBIO_SENSOR_STATUS;
typedef ULONG WINBIO_SENSOR_MODE;
typedef ULONG WINBIO_INDICATOR_STATUS;
typedef ULONG WINBIO_IDENTITY_TYPE;
typedef ULONG WINBIO_ADAPTER_TYPE;
typedef ULONG WINBIO_WAKE_REASON;
typedef GUID WINBIO_UUID;
typedef WCHAR WINBIO_STRING[256];

typedef WINBIO_BIOMETRIC_SUBTYPE* PWINBIO_BIOMETRIC_SUBTYPE;
typedef WINBIO_REJECT_DETAIL* PWINBIO_REJECT_DETAIL;
typedef WINBIO_SENSOR_STATUS* PWINBIO_SENSOR_STATUS;
typedef WINBIO_INDICATOR_STATUS* PWINBIO_INDICATOR_STATUS;
typedef WINBIO_WAKE_REASON* PWINBIO_WAKE_REASON;
typedef WINBIO_UUID* PWINBIO_UUID;

// ---------------------------------------------------------------------------
// Constants.

// Biometric factors.
#define WINBIO_TYPE_FINGERPRINT (static_cast<WINBIO_BIOMETRIC_TYPE>(0x00000008))

// Sub-factors (which finger); "any" matches every finger in queries.
#define WINBIO_SUBTYPE_NO_INFORMATION (static_cast<WINBIO_BIOMETRIC_SUBTYPE>(0x00))
#define WINBIO_SUBTYPE_ANY (static_cast<WINBIO_BIOMETRIC_SUBTYPE>(0xFF))

// Identity types and the value a wildcard identity carries.
#define WINBIO_ID_TYPE_NULL (static_cast<WINBIO_IDENTITY_TYPE>(0))
#define WINBIO_ID_TYPE_WILDCARD (static_cast<WINBIO_IDENTITY_TYPE>(1))
#define WINBIO_ID_TYPE_GUID (static_cast<WINBIO_IDENTITY_TYPE>(2))
#define WINBIO_ID_TYPE_SID (static_cast<WINBIO_IDENTITY_TYPE>(3))
#define WINBIO_ID_TYPE_SECURE_ID (static_cast<WINBIO_IDENTITY_TYPE>(4))
#define WINBIO_IDENTITY_WILDCARD (static_cast<ULONG>(0x25066282))
#define WINBIO_IDENTITY_SID_DATA_SIZE 68
#define WINBIO_IDENTITY_SECURE_ID_SIZE 32

// Purposes of a sample.
#define WINBIO_NO_PURPOSE_AVAILABLE (static_cast<WINBIO_BIR_PURPOSE>(0x00))
#define WINBIO_PURPOSE_VERIFY (static_cast<WINBIO_BIR_PURPOSE>(0x01))
#define WINBIO_PURPOSE_IDENTIFY (static_cast<WINBIO_BIR_PURPOSE>(0x02))
#define WINBIO_PURPOSE_ENROLL (static_cast<WINBIO_BIR_PURPOSE>(0x04))
#define WINBIO_PURPOSE_ENROLL_FOR_VERIFICATION (static_cast<WINBIO_BIR_PURPOSE>(0x08))
#define WINBIO_PURPOSE_ENROLL_FOR_IDENTIFICATION (static_cast<WINBIO_BIR_PURPOSE>(0x10))
#define WINBIO_PURPOSE_AUDIT (static_cast<WINBIO_BIR_PURPOSE>(0x80))

// Security and processing level of a sample.
#define WINBIO_DATA_FLAG_INTEGRITY (static_cast<WINBIO_BIR_DATA_FLAGS>(0x01))
#define WINBIO_DATA_FLAG_PRIVACY (static_cast<WINBIO_BIR_DATA_FLAGS>(0x02))
#define WINBIO_DATA_FLAG_SIGNED (static_cast<WINBIO_BIR_DATA_FLAGS>(0x04))
#define WINBIO_DATA_FLAG_RAW (static_cast<WINBIO_BIR_DATA_FLAGS>(0x20))
#define WINBIO_DATA_FLAG_INTERMEDIATE (static_cast<WINBIO_BIR_DATA_FLAGS>(0x40))
#define WINBIO_DATA_FLAG_PROCESSED (static_cast<WINBIO_BIR_DATA_FLAGS>(0x80))

// Why a fingerprint sample was rejected.
#define WINBIO_FP_TOO_HIGH (static_cast<WINBIO_REJECT_DETAIL>(1))
#define WINBIO_FP_TOO_LOW (static_cast<WINBIO_REJECT_DETAIL>(2))
#define WINBIO_FP_TOO_LEFT (static_cast<WINBIO_REJECT_DETAIL>(3))
#define WINBIO_FP_TOO_RIGHT (static_cast<WINBIO_REJECT_DETAIL>(4))
#define WINBIO_FP_TOO_FAST (static_cast<WINBIO_REJECT_DETAIL>(5))
#define WINBIO_FP_TOO_SLOW (static_cast<WINBIO_REJECT_DETAIL>(6))
#define WINBIO_FP_POOR_QUALITY (static_cast<WINBIO_REJECT_DETAIL>(7))
#define WINBIO_FP_TOO_SKEWED (static_cast<WINBIO_REJECT_DETAIL>(8))
#define WINBIO_FP_TOO_SHORT (static_cast<WINBIO_REJECT_DETAIL>(9))
#define WINBIO_FP_MERGE_FAILURE (static_cast<WINBIO_REJECT_DETAIL>(10))

// Sensor status reported by the driver.
#define WINBIO_SENSOR_STATUS_UNKNOWN (static_cast<WINBIO_SENSOR_STATUS>(0))
#define WINBIO_SENSOR_ACCEPT (static_cast<WINBIO_SENSOR_STATUS>(1))
#define WINBIO_SENSOR_REJECT (static_cast<WINBIO_SENSOR_STATUS>(2))
#define WINBIO_SENSOR_READY (static_cast<WINBIO_SENSOR_STATUS>(3))
#define WINBIO_SENSOR_BUSY (static_cast<WINBIO_SENSOR_STATUS>(4))
#define WINBIO_SENSOR_NOT_CALIBRATED (static_cast<WINBIO_SENSOR_STATUS>(5))
#define WINBIO_SENSOR_FAILURE (static_cast<WINBIO_SENSOR_STATUS>(6))

// Sensor modes; anything from 5 up is not a mode.
#define WINBIO_SENSOR_UNKNOWN_MODE (static_cast<WINBIO_SENSOR_MODE>(0))
#define WINBIO_SENSOR_BASIC_MODE (static_cast<WINBIO_SENSOR_MODE>(1))
#define WINBIO_SENSOR_ADVANCED_MODE (static_cast<WINBIO_SENSOR_MODE>(2))
#define WINBIO_SENSOR_NAVIGATION_MODE (static_cast<WINBIO_SENSOR_MODE>(3))
#define WINBIO_SENSOR_SLEEP_MODE (static_cast<WINBIO_SENSOR_MODE>(4))

// Indicator states.
#define WINBIO_INDICATOR_ON (static_cast<WINBIO_INDICATOR_STATUS>(1))
#define WINBIO_INDICATOR_OFF (static_cast<WINBIO_INDICATOR_STATUS>(2))

// The ANSI INCITS 381 finger-image format, as registered with the IBIA.
#define WINBIO_ANSI_381_FORMAT_OWNER (static_cast<USHORT>(0x001B))
#define WINBIO_ANSI_381_FORMAT_TYPE (static_cast<USHORT>(0x0401))

// Adapter kinds, the interface versions this module implements, and the
// resulting table sizes (32-byte header plus one pointer per slot).
#define WINBIO_ADAPTER_TYPE_SENSOR (static_cast<WINBIO_ADAPTER_TYPE>(1))
#define WINBIO_ADAPTER_TYPE_ENGINE (static_cast<WINBIO_ADAPTER_TYPE>(2))
#define WINBIO_ADAPTER_TYPE_STORAGE (static_cast<WINBIO_ADAPTER_TYPE>(3))

#define WINBIO_SENSOR_INTERFACE_VERSION_6 {6, 0}
#define WINBIO_ENGINE_INTERFACE_VERSION_6 {6, 0}
#define WINBIO_STORAGE_INTERFACE_VERSION_5 {5, 0}

#define WINBIO_SENSOR_INTERFACE_SLOT_COUNT 31
#define WINBIO_ENGINE_INTERFACE_SLOT_COUNT 41
#define WINBIO_STORAGE_INTERFACE_SLOT_COUNT 30

// Fixed sizes of records the driver exchanges with the sensor adapter.
#define WINBIO_CAPTURE_BUFFER_SIZE 161
#define WINBIO_SECURE_CONNECTION_DATA_HEADER_SIZE 52
#define WINBIO_EXTENDED_ENROLLMENT_STATUS_SIZE 376

// ---------------------------------------------------------------------------
// Small shared records.

typedef struct _WINBIO_VERSION {
    DWORD MajorVersion;
    DWORD MinorVersion;
} WINBIO_VERSION, *PWINBIO_VERSION;

typedef struct _WINBIO_REGISTERED_FORMAT {
    USHORT Owner;
    USHORT Type;
} WINBIO_REGISTERED_FORMAT, *PWINBIO_REGISTERED_FORMAT;

typedef struct _WINBIO_ADAPTER_INTERFACE_VERSION {
    USHORT MajorVersion;
    USHORT MinorVersion;
} WINBIO_ADAPTER_INTERFACE_VERSION, *PWINBIO_ADAPTER_INTERFACE_VERSION;

// A variable-length blob as the driver lays it out: a size, then the bytes.
typedef struct _WINBIO_DATA {
    DWORD Size;
    BYTE Data[1];
} WINBIO_DATA, *PWINBIO_DATA;

static_assert(sizeof(WINBIO_VERSION) == 8);
static_assert(sizeof(WINBIO_REGISTERED_FORMAT) == 4);
static_assert(offsetof(WINBIO_REGISTERED_FORMAT, Type) == 2);
static_assert(sizeof(WINBIO_ADAPTER_INTERFACE_VERSION) == 4);
static_assert(sizeof(WINBIO_DATA) == 8);
static_assert(offsetof(WINBIO_DATA, Data) == 4);

// ---------------------------------------------------------------------------
// Identities.

typedef struct _WINBIO_IDENTITY {
    WINBIO_IDENTITY_TYPE Type;
    union {
        ULONG Null;
        ULONG Wildcard;
        GUID TemplateGuid;
        struct {
            ULONG Size;
            UCHAR Data[WINBIO_IDENTITY_SID_DATA_SIZE];
        } AccountSid;
        UCHAR SecureId[WINBIO_IDENTITY_SECURE_ID_SIZE];
    } Value;
} WINBIO_IDENTITY, *PWINBIO_IDENTITY;

static_assert(sizeof(WINBIO_IDENTITY) == 76);
static_assert(offsetof(WINBIO_IDENTITY, Value) == 4);
static_assert(offsetof(WINBIO_IDENTITY, Value.AccountSid.Size) == 4);
static_assert(offsetof(WINBIO_IDENTITY, Value.AccountSid.Data) == 8);
static_assert(offsetof(WINBIO_IDENTITY, Value.SecureId) == 4);
static_assert(offsetof(WINBIO_IDENTITY, Value.TemplateGuid) == 4);

// ---------------------------------------------------------------------------
// Biometric information records (samples).

typedef struct _WINBIO_BIR_DATA {
    ULONG Size;
    ULONG Offset;  // from the start of the WINBIO_BIR
} WINBIO_BIR_DATA, *PWINBIO_BIR_DATA;

typedef struct _WINBIO_BIR {
    WINBIO_BIR_DATA HeaderBlock;
    WINBIO_BIR_DATA StandardDataBlock;
    WINBIO_BIR_DATA VendorDataBlock;
    WINBIO_BIR_DATA SignatureBlock;
} WINBIO_BIR, *PWINBIO_BIR;

typedef struct _WINBIO_BIR_HEADER {
    USHORT ValidFields;
    WINBIO_BIR_VERSION HeaderVersion;
    WINBIO_BIR_VERSION PatronHeaderVersion;
    WINBIO_BIR_DATA_FLAGS DataFlags;
    WINBIO_BIOMETRIC_TYPE Type;
    WINBIO_BIOMETRIC_SUBTYPE Subtype;
    WINBIO_BIR_PURPOSE Purpose;
    CHAR DataQuality;
    LONGLONG CreationDate;
    struct {
        LONGLONG BeginDate;
        LONGLONG EndDate;
    } ValidityPeriod;
    WINBIO_REGISTERED_FORMAT BiometricDataFormat;
    WINBIO_REGISTERED_FORMAT ProductId;
} WINBIO_BIR_HEADER, *PWINBIO_BIR_HEADER;

// The general header that opens an ANSI-381 standard data block.
typedef struct _WINBIO_BDB_ANSI_381_HEADER {
    ULONG64 RecordLength;
    ULONG FormatIdentifier;
    ULONG VersionNumber;
    WINBIO_REGISTERED_FORMAT ProductId;
    USHORT CaptureDeviceId;
    USHORT ImageAcquisitionLevel;
    USHORT HorizontalScanResolution;
    USHORT VerticalScanResolution;
    USHORT HorizontalImageResolution;
    USHORT VerticalImageResolution;
    UCHAR ElementCount;
    UCHAR ScaleUnits;
    UCHAR PixelDepth;
    UCHAR ImageCompressionAlg;
    USHORT Reserved;
} WINBIO_BDB_ANSI_381_HEADER, *PWINBIO_BDB_ANSI_381_HEADER;

// One finger-view record of an ANSI-381 block; the image follows it.
typedef struct _WINBIO_BDB_ANSI_381_RECORD {
    ULONG BlockLength;
    USHORT HorizontalLineLength;
    USHORT VerticalLineLength;
    UCHAR Position;
    UCHAR CountOfViews;
    UCHAR ViewNumber;
    UCHAR ImageQuality;
    UCHAR ImpressionType;
    UCHAR Reserved;
} WINBIO_BDB_ANSI_381_RECORD, *PWINBIO_BDB_ANSI_381_RECORD;

static_assert(sizeof(WINBIO_BIR_DATA) == 8);
static_assert(sizeof(WINBIO_BIR) == 32);
static_assert(offsetof(WINBIO_BIR, HeaderBlock.Offset) == 4);
static_assert(offsetof(WINBIO_BIR, StandardDataBlock.Offset) == 12);
static_assert(offsetof(WINBIO_BIR_HEADER, DataFlags) == 4);
static_assert(offsetof(WINBIO_BIR_HEADER, Type) == 8);
static_assert(offsetof(WINBIO_BIR_HEADER, Purpose) == 13);
static_assert(offsetof(WINBIO_BIR_HEADER, CreationDate) == 16);
static_assert(offsetof(WINBIO_BIR_HEADER, BiometricDataFormat) == 40);
static_assert(sizeof(WINBIO_BIR_HEADER) == 48);
static_assert(offsetof(WINBIO_BDB_ANSI_381_HEADER, PixelDepth) == 34);
static_assert(offsetof(WINBIO_BDB_ANSI_381_HEADER, ImageCompressionAlg) == 35);
static_assert(sizeof(WINBIO_BDB_ANSI_381_HEADER) == 40);
static_assert(sizeof(WINBIO_BDB_ANSI_381_RECORD) == 16);

// ---------------------------------------------------------------------------
// Records of the standard driver requests.

// Reply of the attributes request, with room for one supported format.
typedef struct _WINBIO_SENSOR_ATTRIBUTES {
    DWORD PayloadSize;
    HRESULT WinBioHresult;
    WINBIO_VERSION WinBioVersion;
    WINBIO_BIOMETRIC_TYPE SensorType;
    WINBIO_BIOMETRIC_SENSOR_SUBTYPE SensorSubType;
    WINBIO_CAPABILITIES Capabilities;
    WINBIO_STRING ManufacturerName;
    WINBIO_STRING ModelName;
    WINBIO_STRING SerialNumber;
    WINBIO_VERSION FirmwareVersion;
    DWORD SupportedFormatEntries;
    WINBIO_REGISTERED_FORMAT SupportedFormat[1];
} WINBIO_SENSOR_ATTRIBUTES, *PWINBIO_SENSOR_ATTRIBUTES;

static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, WinBioHresult) == 4);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, WinBioVersion) == 8);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, SensorType) == 16);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, SensorSubType) == 20);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, Capabilities) == 24);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, ManufacturerName) == 28);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, ModelName) == 540);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, SerialNumber) == 1052);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, FirmwareVersion) == 1564);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, SupportedFormatEntries) == 1572);
static_assert(offsetof(WINBIO_SENSOR_ATTRIBUTES, SupportedFormat) == 1576);
static_assert(sizeof(WINBIO_SENSOR_ATTRIBUTES) == 1580);

// Reply of the reset request.
typedef struct _WINBIO_BLANK_PAYLOAD {
    DWORD PayloadSize;
    HRESULT WinBioHresult;
} WINBIO_BLANK_PAYLOAD, *PWINBIO_BLANK_PAYLOAD;

static_assert(sizeof(WINBIO_BLANK_PAYLOAD) == 8);

// Reply of the sensor-status request.
typedef struct _WINBIO_DIAGNOSTICS {
    DWORD PayloadSize;
    HRESULT WinBioHresult;
    WINBIO_SENSOR_STATUS SensorStatus;
    WINBIO_DATA VendorDiagnostics;
} WINBIO_DIAGNOSTICS, *PWINBIO_DIAGNOSTICS;

static_assert(offsetof(WINBIO_DIAGNOSTICS, SensorStatus) == 8);
static_assert(offsetof(WINBIO_DIAGNOSTICS, VendorDiagnostics) == 12);
static_assert(sizeof(WINBIO_DIAGNOSTICS) == 20);

// Input of the capture request.
typedef struct _WINBIO_CAPTURE_PARAMETERS {
    DWORD PayloadSize;
    WINBIO_BIR_PURPOSE Purpose;
    WINBIO_REGISTERED_FORMAT Format;
    WINBIO_UUID VendorFormat;
    WINBIO_BIR_DATA_FLAGS Flags;
} WINBIO_CAPTURE_PARAMETERS, *PWINBIO_CAPTURE_PARAMETERS;

static_assert(offsetof(WINBIO_CAPTURE_PARAMETERS, Purpose) == 4);
static_assert(offsetof(WINBIO_CAPTURE_PARAMETERS, Format) == 6);
static_assert(offsetof(WINBIO_CAPTURE_PARAMETERS, Format.Type) == 8);
static_assert(offsetof(WINBIO_CAPTURE_PARAMETERS, VendorFormat) == 12);
static_assert(offsetof(WINBIO_CAPTURE_PARAMETERS, Flags) == 28);
static_assert(sizeof(WINBIO_CAPTURE_PARAMETERS) == 32);

// Head of the capture reply; the sample (a WINBIO_BIR and its blocks)
// follows at CaptureData.Data, CaptureData.Size bytes long.
typedef struct _WINBIO_CAPTURE_DATA {
    DWORD PayloadSize;
    HRESULT WinBioHresult;
    WINBIO_SENSOR_STATUS SensorStatus;
    WINBIO_REJECT_DETAIL RejectDetail;
    WINBIO_DATA CaptureData;
} WINBIO_CAPTURE_DATA, *PWINBIO_CAPTURE_DATA;

static_assert(offsetof(WINBIO_CAPTURE_DATA, SensorStatus) == 8);
static_assert(offsetof(WINBIO_CAPTURE_DATA, RejectDetail) == 12);
static_assert(offsetof(WINBIO_CAPTURE_DATA, CaptureData.Size) == 16);
static_assert(offsetof(WINBIO_CAPTURE_DATA, CaptureData.Data) == 20);

// Input of the secure-connection request; the service's payload follows.
typedef struct _WINBIO_SECURE_CONNECTION_PARAMS {
    DWORD PayloadSize;
    USHORT Version;
    USHORT Flags;
} WINBIO_SECURE_CONNECTION_PARAMS, *PWINBIO_SECURE_CONNECTION_PARAMS;

// Head of the connection data handed back to the service; the MAC, the
// nonce, the claim and the certificates follow it.
typedef struct _WINBIO_SECURE_CONNECTION_DATA {
    DWORD Size;
    USHORT Version;
    USHORT Flags;
    DWORD ModelCertificateSize;
    DWORD IntermediateCA1Size;
    DWORD IntermediateCA2Size;
} WINBIO_SECURE_CONNECTION_DATA, *PWINBIO_SECURE_CONNECTION_DATA;

static_assert(offsetof(WINBIO_SECURE_CONNECTION_PARAMS, Version) == 4);
static_assert(offsetof(WINBIO_SECURE_CONNECTION_PARAMS, Flags) == 6);
static_assert(sizeof(WINBIO_SECURE_CONNECTION_PARAMS) == 8);
static_assert(offsetof(WINBIO_SECURE_CONNECTION_DATA, Version) == 4);
static_assert(offsetof(WINBIO_SECURE_CONNECTION_DATA, Flags) == 6);
static_assert(offsetof(WINBIO_SECURE_CONNECTION_DATA, ModelCertificateSize) == 8);
static_assert(offsetof(WINBIO_SECURE_CONNECTION_DATA, IntermediateCA1Size) == 12);
static_assert(offsetof(WINBIO_SECURE_CONNECTION_DATA, IntermediateCA2Size) == 16);
static_assert(sizeof(WINBIO_SECURE_CONNECTION_DATA) == 20);

// ---------------------------------------------------------------------------
// Storage records.

typedef struct _WINBIO_STORAGE_RECORD {
    PWINBIO_IDENTITY Identity;
    WINBIO_BIOMETRIC_SUBTYPE SubFactor;
    PULONG IndexVector;
    SIZE_T IndexElementCount;
    PUCHAR TemplateBlob;
    SIZE_T TemplateBlobSize;
    PUCHAR PayloadBlob;
    SIZE_T PayloadBlobSize;
} WINBIO_STORAGE_RECORD, *PWINBIO_STORAGE_RECORD;

static_assert(offsetof(WINBIO_STORAGE_RECORD, SubFactor) == 8);
static_assert(offsetof(WINBIO_STORAGE_RECORD, IndexVector) == 16);
static_assert(offsetof(WINBIO_STORAGE_RECORD, IndexElementCount) == 24);
static_assert(offsetof(WINBIO_STORAGE_RECORD, TemplateBlob) == 32);
static_assert(offsetof(WINBIO_STORAGE_RECORD, PayloadBlob) == 48);
static_assert(sizeof(WINBIO_STORAGE_RECORD) == 64);

// ---------------------------------------------------------------------------
// Extended information and enrollment records.
//
// The framework passes these with a size. Only the fingerprint members are
// declared: the members for other factors (faces, irises) sit after the
// fields declared here or overlay them in the Specific union, so every field
// declared is at the framework's offset. The adapters write only these
// fields, and never past the size the caller gave.

typedef struct _WINBIO_EXTENDED_SENSOR_INFO {
    WINBIO_CAPABILITIES GenericSensorCapabilities;
    WINBIO_BIOMETRIC_TYPE Factor;
    union {
        ULONG Null;
        struct {
            ULONG Reserved;
        } Fingerprint;
    } Specific;
} WINBIO_EXTENDED_SENSOR_INFO, *PWINBIO_EXTENDED_SENSOR_INFO;

typedef struct _WINBIO_EXTENDED_ENGINE_INFO {
    WINBIO_CAPABILITIES GenericEngineCapabilities;
    WINBIO_BIOMETRIC_TYPE Factor;
    union {
        ULONG Null;
        struct {
            WINBIO_CAPABILITIES Capabilities;
            struct {
                ULONG GeneralSamples;
                ULONG Center;
                ULONG TopEdge;
                ULONG BottomEdge;
                ULONG LeftEdge;
                ULONG RightEdge;
            } EnrollmentRequirements;
        } Fingerprint;
    } Specific;
} WINBIO_EXTENDED_ENGINE_INFO, *PWINBIO_EXTENDED_ENGINE_INFO;

typedef struct _WINBIO_EXTENDED_STORAGE_INFO {
    WINBIO_CAPABILITIES GenericStorageCapabilities;
    WINBIO_BIOMETRIC_TYPE Factor;
    union {
        ULONG Null;
        struct {
            WINBIO_CAPABILITIES Capabilities;
        } Fingerprint;
    } Specific;
} WINBIO_EXTENDED_STORAGE_INFO, *PWINBIO_EXTENDED_STORAGE_INFO;

typedef struct _WINBIO_EXTENDED_ENROLLMENT_PARAMETERS {
    SIZE_T Size;
    WINBIO_BIOMETRIC_SUBTYPE SubFactor;
} WINBIO_EXTENDED_ENROLLMENT_PARAMETERS, *PWINBIO_EXTENDED_ENROLLMENT_PARAMETERS;

// The service hands over WINBIO_EXTENDED_ENROLLMENT_STATUS_SIZE bytes; the
// face member of Specific (not used here) is what makes it that large.
typedef struct _WINBIO_EXTENDED_ENROLLMENT_STATUS {
    HRESULT TemplateStatus;
    WINBIO_REJECT_DETAIL RejectDetail;
    ULONG PercentComplete;
    WINBIO_BIOMETRIC_TYPE Factor;
    WINBIO_BIOMETRIC_SUBTYPE SubFactor;
    union {
        ULONG Null;
        struct {
            ULONG GeneralSamples;
            ULONG Center;
            ULONG TopEdge;
            ULONG BottomEdge;
            ULONG LeftEdge;
            ULONG RightEdge;
        } Fingerprint;
        BYTE Room[WINBIO_EXTENDED_ENROLLMENT_STATUS_SIZE - 20];
    } Specific;
} WINBIO_EXTENDED_ENROLLMENT_STATUS, *PWINBIO_EXTENDED_ENROLLMENT_STATUS;

static_assert(offsetof(WINBIO_EXTENDED_SENSOR_INFO, Factor) == 4);
static_assert(offsetof(WINBIO_EXTENDED_SENSOR_INFO, Specific) == 8);
static_assert(offsetof(WINBIO_EXTENDED_ENGINE_INFO, Factor) == 4);
static_assert(offsetof(WINBIO_EXTENDED_ENGINE_INFO, Specific.Fingerprint.Capabilities) == 8);
static_assert(offsetof(WINBIO_EXTENDED_ENGINE_INFO, Specific.Fingerprint.EnrollmentRequirements.GeneralSamples) == 12);
static_assert(offsetof(WINBIO_EXTENDED_ENGINE_INFO, Specific.Fingerprint.EnrollmentRequirements.Center) == 16);
static_assert(offsetof(WINBIO_EXTENDED_ENGINE_INFO, Specific.Fingerprint.EnrollmentRequirements.RightEdge) == 32);
static_assert(sizeof(WINBIO_EXTENDED_ENGINE_INFO) == 36);
static_assert(offsetof(WINBIO_EXTENDED_STORAGE_INFO, Factor) == 4);
static_assert(offsetof(WINBIO_EXTENDED_STORAGE_INFO, Specific) == 8);
static_assert(sizeof(WINBIO_EXTENDED_STORAGE_INFO) == 12);
static_assert(offsetof(WINBIO_EXTENDED_ENROLLMENT_PARAMETERS, SubFactor) == 8);
static_assert(sizeof(WINBIO_EXTENDED_ENROLLMENT_PARAMETERS) == 16);
static_assert(offsetof(WINBIO_EXTENDED_ENROLLMENT_STATUS, Factor) == 12);
static_assert(offsetof(WINBIO_EXTENDED_ENROLLMENT_STATUS, SubFactor) == 16);
static_assert(offsetof(WINBIO_EXTENDED_ENROLLMENT_STATUS, Specific) == 20);
static_assert(sizeof(WINBIO_EXTENDED_ENROLLMENT_STATUS) == WINBIO_EXTENDED_ENROLLMENT_STATUS_SIZE);

// ---------------------------------------------------------------------------
// The pipeline and the adapter interface tables.

// Records that only stub slots name; nothing here looks inside them.
struct WINBIO_PRESENCE;
struct WINBIO_ACCOUNT_POLICY;
typedef WINBIO_PRESENCE* PWINBIO_PRESENCE;
typedef WINBIO_ACCOUNT_POLICY* PWINBIO_ACCOUNT_POLICY;

// The service's own function table, and each adapter's private context:
// opaque to the framework, defined by whoever owns it. Adapters convert the
// pointer they stored back to their own context type.
struct WINBIO_FRAMEWORK_INTERFACE;
struct WINIBIO_SENSOR_CONTEXT;
struct WINIBIO_ENGINE_CONTEXT;
struct WINIBIO_STORAGE_CONTEXT;
typedef WINBIO_FRAMEWORK_INTERFACE* PWINBIO_FRAMEWORK_INTERFACE;
typedef WINIBIO_SENSOR_CONTEXT* PWINIBIO_SENSOR_CONTEXT;
typedef WINIBIO_ENGINE_CONTEXT* PWINIBIO_ENGINE_CONTEXT;
typedef WINIBIO_STORAGE_CONTEXT* PWINIBIO_STORAGE_CONTEXT;

struct _WINBIO_SENSOR_INTERFACE;
struct _WINBIO_ENGINE_INTERFACE;
struct _WINBIO_STORAGE_INTERFACE;
typedef struct _WINBIO_SENSOR_INTERFACE* PWINBIO_SENSOR_INTERFACE;
typedef struct _WINBIO_ENGINE_INTERFACE* PWINBIO_ENGINE_INTERFACE;
typedef struct _WINBIO_STORAGE_INTERFACE* PWINBIO_STORAGE_INTERFACE;

// One per biometric unit, built by the service.
typedef struct _WINBIO_PIPELINE {
    HANDLE SensorHandle;
    HANDLE EngineHandle;
    HANDLE StorageHandle;
    PWINBIO_SENSOR_INTERFACE SensorInterface;
    PWINBIO_ENGINE_INTERFACE EngineInterface;
    PWINBIO_STORAGE_INTERFACE StorageInterface;
    PWINIBIO_SENSOR_CONTEXT SensorContext;
    PWINIBIO_ENGINE_CONTEXT EngineContext;
    PWINIBIO_STORAGE_CONTEXT StorageContext;
    PWINBIO_FRAMEWORK_INTERFACE FrameworkInterface;
} WINBIO_PIPELINE, *PWINBIO_PIPELINE;

static_assert(offsetof(WINBIO_PIPELINE, SensorHandle) == 0);
static_assert(offsetof(WINBIO_PIPELINE, EngineHandle) == 8);
static_assert(offsetof(WINBIO_PIPELINE, StorageHandle) == 16);
static_assert(offsetof(WINBIO_PIPELINE, SensorInterface) == 24);
static_assert(offsetof(WINBIO_PIPELINE, EngineInterface) == 32);
static_assert(offsetof(WINBIO_PIPELINE, StorageInterface) == 40);
static_assert(offsetof(WINBIO_PIPELINE, SensorContext) == 48);
static_assert(offsetof(WINBIO_PIPELINE, EngineContext) == 56);
static_assert(offsetof(WINBIO_PIPELINE, StorageContext) == 64);
static_assert(offsetof(WINBIO_PIPELINE, FrameworkInterface) == 72);
static_assert(sizeof(WINBIO_PIPELINE) == 80);

// Slot signatures shared by all three adapter kinds.
typedef HRESULT(WINAPI* PIBIO_PIPELINE_FN)(PWINBIO_PIPELINE Pipeline);
typedef HRESULT(WINAPI* PIBIO_CONTROL_UNIT_FN)(PWINBIO_PIPELINE Pipeline, ULONG ControlCode, PUCHAR SendBuffer,
                                               SIZE_T SendBufferSize, PUCHAR ReceiveBuffer, SIZE_T ReceiveBufferSize,
                                               PSIZE_T ReceiveDataSize, PULONG OperationStatus);
typedef HRESULT(WINAPI* PIBIO_NOTIFY_POWER_CHANGE_FN)(PWINBIO_PIPELINE Pipeline, ULONG PowerEventType);

// Sensor adapter slots.
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_ATTACH_FN;
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_DETACH_FN;
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_CLEAR_CONTEXT_FN;
typedef HRESULT(WINAPI* PIBIO_SENSOR_QUERY_STATUS_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_SENSOR_STATUS Status);
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_RESET_FN;
typedef HRESULT(WINAPI* PIBIO_SENSOR_SET_MODE_FN)(PWINBIO_PIPELINE Pipeline, WINBIO_SENSOR_MODE Mode);
typedef HRESULT(WINAPI* PIBIO_SENSOR_SET_INDICATOR_STATUS_FN)(PWINBIO_PIPELINE Pipeline,
                                                              WINBIO_INDICATOR_STATUS IndicatorStatus);
typedef HRESULT(WINAPI* PIBIO_SENSOR_GET_INDICATOR_STATUS_FN)(PWINBIO_PIPELINE Pipeline,
                                                              PWINBIO_INDICATOR_STATUS IndicatorStatus);
typedef HRESULT(WINAPI* PIBIO_SENSOR_START_CAPTURE_FN)(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_PURPOSE Purpose,
                                                       LPOVERLAPPED* Overlapped);
typedef HRESULT(WINAPI* PIBIO_SENSOR_FINISH_CAPTURE_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_REJECT_DETAIL RejectDetail);
typedef HRESULT(WINAPI* PIBIO_SENSOR_EXPORT_SENSOR_DATA_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_BIR* SampleBuffer,
                                                            PSIZE_T SampleSize);
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_CANCEL_FN;
typedef HRESULT(WINAPI* PIBIO_SENSOR_PUSH_DATA_TO_ENGINE_FN)(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_PURPOSE Purpose,
                                                             WINBIO_BIR_DATA_FLAGS Flags,
                                                             PWINBIO_REJECT_DETAIL RejectDetail);
typedef PIBIO_CONTROL_UNIT_FN PIBIO_SENSOR_CONTROL_UNIT_FN;
typedef PIBIO_CONTROL_UNIT_FN PIBIO_SENSOR_CONTROL_UNIT_PRIVILEGED_FN;
typedef PIBIO_NOTIFY_POWER_CHANGE_FN PIBIO_SENSOR_NOTIFY_POWER_CHANGE_FN;
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_PIPELINE_INIT_FN;
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_PIPELINE_CLEANUP_FN;
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_ACTIVATE_FN;
typedef PIBIO_PIPELINE_FN PIBIO_SENSOR_DEACTIVATE_FN;
typedef HRESULT(WINAPI* PIBIO_SENSOR_QUERY_EXTENDED_INFO_FN)(PWINBIO_PIPELINE Pipeline,
                                                             PWINBIO_EXTENDED_SENSOR_INFO SensorInfo,
                                                             SIZE_T SensorInfoSize);
typedef HRESULT(WINAPI* PIBIO_SENSOR_QUERY_CALIBRATION_FORMATS_FN)(PWINBIO_PIPELINE Pipeline,
                                                                   PWINBIO_UUID FormatArray, SIZE_T FormatArraySize,
                                                                   PSIZE_T FormatCount);
typedef HRESULT(WINAPI* PIBIO_SENSOR_SET_CALIBRATION_FORMAT_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID Format);
typedef HRESULT(WINAPI* PIBIO_SENSOR_ACCEPT_CALIBRATION_DATA_FN)(PWINBIO_PIPELINE Pipeline, PUCHAR CalibrationBuffer,
                                                                 SIZE_T CalibrationBufferSize);
typedef HRESULT(WINAPI* PIBIO_SENSOR_ASYNC_IMPORT_RAW_BUFFER_FN)(PWINBIO_PIPELINE Pipeline, PUCHAR RawBufferAddress,
                                                                 SIZE_T RawBufferSize, PUCHAR* ResultBufferAddress,
                                                                 PSIZE_T ResultBufferSize);
typedef HRESULT(WINAPI* PIBIO_SENSOR_ASYNC_IMPORT_SECURE_BUFFER_FN)(PWINBIO_PIPELINE Pipeline,
                                                                    GUID SecureBufferIdentifier,
                                                                    PUCHAR MetadataBufferAddress,
                                                                    SIZE_T MetadataBufferSize,
                                                                    PUCHAR* ResultBufferAddress,
                                                                    PSIZE_T ResultBufferSize);
typedef HRESULT(WINAPI* PIBIO_SENSOR_QUERY_PRIVATE_SENSOR_TYPE_FN)(PWINBIO_PIPELINE Pipeline,
                                                                   PUCHAR TypeInfoBufferAddress,
                                                                   SIZE_T TypeInfoBufferSize,
                                                                   PSIZE_T TypeInfoDataSize);
typedef HRESULT(WINAPI* PIBIO_SENSOR_CONNECT_SECURE_FN)(PWINBIO_PIPELINE Pipeline,
                                                        const WINBIO_SECURE_CONNECTION_PARAMS* ConnectionParams,
                                                        PWINBIO_SECURE_CONNECTION_DATA* ConnectionData);
typedef HRESULT(WINAPI* PIBIO_SENSOR_START_CAPTURE_EX_FN)(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_PURPOSE Purpose,
                                                          LPCVOID Nonce, SIZE_T NonceSize, UCHAR Flags,
                                                          LPOVERLAPPED* Overlapped);
typedef HRESULT(WINAPI* PIBIO_SENSOR_START_NOTIFY_WAKE_FN)(PWINBIO_PIPELINE Pipeline, LPOVERLAPPED* Overlapped);
typedef HRESULT(WINAPI* PIBIO_SENSOR_FINISH_NOTIFY_WAKE_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_WAKE_REASON Reason);

// Engine adapter slots.
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_ATTACH_FN;
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_DETACH_FN;
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_CLEAR_CONTEXT_FN;
typedef HRESULT(WINAPI* PIBIO_ENGINE_QUERY_PREFERRED_FORMAT_FN)(PWINBIO_PIPELINE Pipeline,
                                                                PWINBIO_REGISTERED_FORMAT StandardFormat,
                                                                PWINBIO_UUID VendorFormat);
typedef HRESULT(WINAPI* PIBIO_ENGINE_QUERY_INDEX_VECTOR_SIZE_FN)(PWINBIO_PIPELINE Pipeline,
                                                                 PSIZE_T IndexElementCount);
typedef HRESULT(WINAPI* PIBIO_ENGINE_QUERY_HASH_ALGORITHMS_FN)(PWINBIO_PIPELINE Pipeline, PSIZE_T AlgorithmCount,
                                                               PSIZE_T AlgorithmBufferSize, PUCHAR* AlgorithmBuffer);
typedef HRESULT(WINAPI* PIBIO_ENGINE_SET_HASH_ALGORITHM_FN)(PWINBIO_PIPELINE Pipeline, SIZE_T AlgorithmBufferSize,
                                                            PUCHAR AlgorithmBuffer);
typedef HRESULT(WINAPI* PIBIO_ENGINE_QUERY_SAMPLE_HINT_FN)(PWINBIO_PIPELINE Pipeline, PSIZE_T SampleHint);
typedef HRESULT(WINAPI* PIBIO_ENGINE_ACCEPT_SAMPLE_DATA_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_BIR SampleBuffer,
                                                            SIZE_T SampleSize, WINBIO_BIR_PURPOSE Purpose,
                                                            PWINBIO_REJECT_DETAIL RejectDetail);
typedef HRESULT(WINAPI* PIBIO_ENGINE_EXPORT_ENGINE_DATA_FN)(PWINBIO_PIPELINE Pipeline, WINBIO_BIR_DATA_FLAGS Flags,
                                                            PWINBIO_BIR* SampleBuffer, PSIZE_T SampleSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_VERIFY_FEATURE_SET_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                            WINBIO_BIOMETRIC_SUBTYPE SubFactor, BOOLEAN* Match,
                                                            PUCHAR* PayloadBlob, PSIZE_T PayloadBlobSize,
                                                            PUCHAR* HashValue, PSIZE_T HashSize,
                                                            PWINBIO_REJECT_DETAIL RejectDetail);
typedef HRESULT(WINAPI* PIBIO_ENGINE_IDENTIFY_FEATURE_SET_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                              PWINBIO_BIOMETRIC_SUBTYPE SubFactor,
                                                              PUCHAR* PayloadBlob, PSIZE_T PayloadBlobSize,
                                                              PUCHAR* HashValue, PSIZE_T HashSize,
                                                              PWINBIO_REJECT_DETAIL RejectDetail);
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_CREATE_ENROLLMENT_FN;
typedef HRESULT(WINAPI* PIBIO_ENGINE_UPDATE_ENROLLMENT_FN)(PWINBIO_PIPELINE Pipeline,
                                                           PWINBIO_REJECT_DETAIL RejectDetail);
typedef HRESULT(WINAPI* PIBIO_ENGINE_GET_ENROLLMENT_STATUS_FN)(PWINBIO_PIPELINE Pipeline,
                                                               PWINBIO_REJECT_DETAIL RejectDetail);
typedef HRESULT(WINAPI* PIBIO_ENGINE_GET_ENROLLMENT_HASH_FN)(PWINBIO_PIPELINE Pipeline, PUCHAR* HashValue,
                                                             PSIZE_T HashSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_CHECK_FOR_DUPLICATE_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                             PWINBIO_BIOMETRIC_SUBTYPE SubFactor, BOOLEAN* Duplicate);
typedef HRESULT(WINAPI* PIBIO_ENGINE_COMMIT_ENROLLMENT_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                           WINBIO_BIOMETRIC_SUBTYPE SubFactor, PUCHAR PayloadBlob,
                                                           SIZE_T PayloadBlobSize);
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_DISCARD_ENROLLMENT_FN;
typedef PIBIO_CONTROL_UNIT_FN PIBIO_ENGINE_CONTROL_UNIT_FN;
typedef PIBIO_CONTROL_UNIT_FN PIBIO_ENGINE_CONTROL_UNIT_PRIVILEGED_FN;
typedef PIBIO_NOTIFY_POWER_CHANGE_FN PIBIO_ENGINE_NOTIFY_POWER_CHANGE_FN;
typedef HRESULT(WINAPI* PIBIO_ENGINE_RESERVED_1_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity);
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_PIPELINE_INIT_FN;
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_PIPELINE_CLEANUP_FN;
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_ACTIVATE_FN;
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_DEACTIVATE_FN;
typedef HRESULT(WINAPI* PIBIO_ENGINE_QUERY_EXTENDED_INFO_FN)(PWINBIO_PIPELINE Pipeline,
                                                             PWINBIO_EXTENDED_ENGINE_INFO EngineInfo,
                                                             SIZE_T EngineInfoSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_IDENTIFY_ALL_FN)(PWINBIO_PIPELINE Pipeline, PSIZE_T PresenceCount,
                                                      PWINBIO_PRESENCE* PresenceArray);
typedef HRESULT(WINAPI* PIBIO_ENGINE_SET_ENROLLMENT_SELECTOR_FN)(PWINBIO_PIPELINE Pipeline, ULONGLONG SelectorValue);
typedef HRESULT(WINAPI* PIBIO_ENGINE_SET_ENROLLMENT_PARAMETERS_FN)(PWINBIO_PIPELINE Pipeline,
                                                                   PWINBIO_EXTENDED_ENROLLMENT_PARAMETERS Parameters);
typedef HRESULT(WINAPI* PIBIO_ENGINE_QUERY_EXTENDED_ENROLLMENT_STATUS_FN)(
    PWINBIO_PIPELINE Pipeline, PWINBIO_EXTENDED_ENROLLMENT_STATUS EnrollmentStatus, SIZE_T EnrollmentStatusSize);
typedef PIBIO_PIPELINE_FN PIBIO_ENGINE_REFRESH_CACHE_FN;
typedef HRESULT(WINAPI* PIBIO_ENGINE_SELECT_CALIBRATION_FORMAT_FN)(PWINBIO_PIPELINE Pipeline,
                                                                   PWINBIO_UUID FormatArray, SIZE_T FormatCount,
                                                                   PWINBIO_UUID SelectedFormat,
                                                                   PSIZE_T MaxBufferSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_QUERY_CALIBRATION_DATA_FN)(PWINBIO_PIPELINE Pipeline,
                                                                BOOLEAN* DiscardAndRepeatCapture,
                                                                PUCHAR CalibrationBuffer,
                                                                PSIZE_T CalibrationBufferSize, SIZE_T MaxBufferSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_SET_ACCOUNT_POLICY_FN)(PWINBIO_PIPELINE Pipeline,
                                                            PWINBIO_ACCOUNT_POLICY PolicyItemArray,
                                                            SIZE_T PolicyItemCount);
typedef HRESULT(WINAPI* PIBIO_ENGINE_CREATE_KEY_FN)(PWINBIO_PIPELINE Pipeline, const UCHAR* Key, SIZE_T KeySize,
                                                    PUCHAR KeyIdentifier, SIZE_T KeyIdentifierSize,
                                                    PSIZE_T ResultSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_IDENTIFY_FEATURE_SET_SECURE_FN)(
    PWINBIO_PIPELINE Pipeline, const UCHAR* Nonce, SIZE_T NonceSize, const UCHAR* KeyIdentifier,
    SIZE_T KeyIdentifierSize, PWINBIO_IDENTITY Identity, PWINBIO_BIOMETRIC_SUBTYPE SubFactor,
    PWINBIO_REJECT_DETAIL RejectDetail, PUCHAR* Authorization, PSIZE_T AuthorizationSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_ACCEPT_PRIVATE_SENSOR_TYPE_INFO_FN)(PWINBIO_PIPELINE Pipeline,
                                                                         const UCHAR* TypeInfoBufferAddress,
                                                                         SIZE_T TypeInfoBufferSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_CREATE_ENROLLMENT_AUTHENTICATED_FN)(PWINBIO_PIPELINE Pipeline, PUCHAR* Nonce,
                                                                         PSIZE_T NonceSize);
typedef HRESULT(WINAPI* PIBIO_ENGINE_IDENTIFY_FEATURE_SET_AUTHENTICATED_FN)(
    PWINBIO_PIPELINE Pipeline, const UCHAR* Nonce, SIZE_T NonceSize, PWINBIO_IDENTITY Identity,
    PWINBIO_BIOMETRIC_SUBTYPE SubFactor, PWINBIO_REJECT_DETAIL RejectDetail, PUCHAR* Authenticator,
    PSIZE_T AuthenticatorSize);

// Storage adapter slots.
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_ATTACH_FN;
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_DETACH_FN;
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_CLEAR_CONTEXT_FN;
typedef HRESULT(WINAPI* PIBIO_STORAGE_CREATE_DATABASE_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID DatabaseId,
                                                          WINBIO_BIOMETRIC_TYPE Factor, PWINBIO_UUID Format,
                                                          LPCWSTR FilePath, LPCWSTR ConnectString,
                                                          SIZE_T IndexElementCount, SIZE_T InitialSize);
typedef HRESULT(WINAPI* PIBIO_STORAGE_ERASE_DATABASE_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID DatabaseId,
                                                         LPCWSTR FilePath, LPCWSTR ConnectString);
typedef HRESULT(WINAPI* PIBIO_STORAGE_OPEN_DATABASE_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID DatabaseId,
                                                        LPCWSTR FilePath, LPCWSTR ConnectString);
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_CLOSE_DATABASE_FN;
typedef HRESULT(WINAPI* PIBIO_STORAGE_GET_DATA_FORMAT_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_UUID Format,
                                                          PWINBIO_VERSION Version);
typedef HRESULT(WINAPI* PIBIO_STORAGE_GET_DATABASE_SIZE_FN)(PWINBIO_PIPELINE Pipeline, PSIZE_T AvailableRecordCount,
                                                            PSIZE_T TotalRecordCount);
typedef HRESULT(WINAPI* PIBIO_STORAGE_ADD_RECORD_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_STORAGE_RECORD RecordContents);
typedef HRESULT(WINAPI* PIBIO_STORAGE_DELETE_RECORD_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                        WINBIO_BIOMETRIC_SUBTYPE SubFactor);
typedef HRESULT(WINAPI* PIBIO_STORAGE_QUERY_BY_SUBJECT_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                           WINBIO_BIOMETRIC_SUBTYPE SubFactor);
typedef HRESULT(WINAPI* PIBIO_STORAGE_QUERY_BY_CONTENT_FN)(PWINBIO_PIPELINE Pipeline,
                                                           WINBIO_BIOMETRIC_SUBTYPE SubFactor, ULONG IndexVector[],
                                                           SIZE_T IndexElementCount);
typedef HRESULT(WINAPI* PIBIO_STORAGE_GET_RECORD_COUNT_FN)(PWINBIO_PIPELINE Pipeline, PSIZE_T RecordCount);
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_FIRST_RECORD_FN;
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_NEXT_RECORD_FN;
typedef HRESULT(WINAPI* PIBIO_STORAGE_GET_CURRENT_RECORD_FN)(PWINBIO_PIPELINE Pipeline,
                                                             PWINBIO_STORAGE_RECORD RecordContents);
typedef PIBIO_CONTROL_UNIT_FN PIBIO_STORAGE_CONTROL_UNIT_FN;
typedef PIBIO_CONTROL_UNIT_FN PIBIO_STORAGE_CONTROL_UNIT_PRIVILEGED_FN;
typedef PIBIO_NOTIFY_POWER_CHANGE_FN PIBIO_STORAGE_NOTIFY_POWER_CHANGE_FN;
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_PIPELINE_INIT_FN;
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_PIPELINE_CLEANUP_FN;
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_ACTIVATE_FN;
typedef PIBIO_PIPELINE_FN PIBIO_STORAGE_DEACTIVATE_FN;
typedef HRESULT(WINAPI* PIBIO_STORAGE_QUERY_EXTENDED_INFO_FN)(PWINBIO_PIPELINE Pipeline,
                                                              PWINBIO_EXTENDED_STORAGE_INFO StorageInfo,
                                                              SIZE_T StorageInfoSize);
typedef HRESULT(WINAPI* PIBIO_STORAGE_NOTIFY_DATABASE_CHANGE_FN)(PWINBIO_PIPELINE Pipeline, BOOLEAN RecordsAdded);
typedef HRESULT(WINAPI* PIBIO_STORAGE_RESERVED_1_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                     ULONGLONG* Reserved1, ULONGLONG* Reserved2);
typedef HRESULT(WINAPI* PIBIO_STORAGE_RESERVED_2_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity);
typedef HRESULT(WINAPI* PIBIO_STORAGE_UPDATE_RECORD_BEGIN_FN)(PWINBIO_PIPELINE Pipeline, PWINBIO_IDENTITY Identity,
                                                              WINBIO_BIOMETRIC_SUBTYPE SubFactor,
                                                              PWINBIO_STORAGE_RECORD RecordContents);
typedef HRESULT(WINAPI* PIBIO_STORAGE_UPDATE_RECORD_COMMIT_FN)(PWINBIO_PIPELINE Pipeline,
                                                               PWINBIO_STORAGE_RECORD RecordContents);

// The three tables share this 32-byte head; Size counts the head and the
// slots, so the service can tell how many slots a table of a version holds.
#define WINBIO_ADAPTER_INTERFACE_HEADER   \
    WINBIO_ADAPTER_INTERFACE_VERSION Version; \
    WINBIO_ADAPTER_TYPE Type;                 \
    SIZE_T Size;                              \
    GUID AdapterId

typedef struct _WINBIO_SENSOR_INTERFACE {
    WINBIO_ADAPTER_INTERFACE_HEADER;
    PIBIO_SENSOR_ATTACH_FN Attach;
    PIBIO_SENSOR_DETACH_FN Detach;
    PIBIO_SENSOR_CLEAR_CONTEXT_FN ClearContext;
    PIBIO_SENSOR_QUERY_STATUS_FN QueryStatus;
    PIBIO_SENSOR_RESET_FN Reset;
    PIBIO_SENSOR_SET_MODE_FN SetMode;
    PIBIO_SENSOR_SET_INDICATOR_STATUS_FN SetIndicatorStatus;
    PIBIO_SENSOR_GET_INDICATOR_STATUS_FN GetIndicatorStatus;
    PIBIO_SENSOR_START_CAPTURE_FN StartCapture;
    PIBIO_SENSOR_FINISH_CAPTURE_FN FinishCapture;
    PIBIO_SENSOR_EXPORT_SENSOR_DATA_FN ExportSensorData;
    PIBIO_SENSOR_CANCEL_FN Cancel;
    PIBIO_SENSOR_PUSH_DATA_TO_ENGINE_FN PushDataToEngine;
    PIBIO_SENSOR_CONTROL_UNIT_FN ControlUnit;
    PIBIO_SENSOR_CONTROL_UNIT_PRIVILEGED_FN ControlUnitPrivileged;
    PIBIO_SENSOR_NOTIFY_POWER_CHANGE_FN NotifyPowerChange;
    PIBIO_SENSOR_PIPELINE_INIT_FN PipelineInit;
    PIBIO_SENSOR_PIPELINE_CLEANUP_FN PipelineCleanup;
    PIBIO_SENSOR_ACTIVATE_FN Activate;
    PIBIO_SENSOR_DEACTIVATE_FN Deactivate;
    PIBIO_SENSOR_QUERY_EXTENDED_INFO_FN QueryExtendedInfo;
    PIBIO_SENSOR_QUERY_CALIBRATION_FORMATS_FN QueryCalibrationFormats;
    PIBIO_SENSOR_SET_CALIBRATION_FORMAT_FN SetCalibrationFormat;
    PIBIO_SENSOR_ACCEPT_CALIBRATION_DATA_FN AcceptCalibrationData;
    PIBIO_SENSOR_ASYNC_IMPORT_RAW_BUFFER_FN AsyncImportRawBuffer;
    PIBIO_SENSOR_ASYNC_IMPORT_SECURE_BUFFER_FN AsyncImportSecureBuffer;
    PIBIO_SENSOR_QUERY_PRIVATE_SENSOR_TYPE_FN QueryPrivateSensorType;
    PIBIO_SENSOR_CONNECT_SECURE_FN ConnectSecure;
    PIBIO_SENSOR_START_CAPTURE_EX_FN StartCaptureEx;
    PIBIO_SENSOR_START_NOTIFY_WAKE_FN StartNotifyWake;
    PIBIO_SENSOR_FINISH_NOTIFY_WAKE_FN FinishNotifyWake;
} WINBIO_SENSOR_INTERFACE;

typedef struct _WINBIO_ENGINE_INTERFACE {
    WINBIO_ADAPTER_INTERFACE_HEADER;
    PIBIO_ENGINE_ATTACH_FN Attach;
    PIBIO_ENGINE_DETACH_FN Detach;
    PIBIO_ENGINE_CLEAR_CONTEXT_FN ClearContext;
    PIBIO_ENGINE_QUERY_PREFERRED_FORMAT_FN QueryPreferredFormat;
    PIBIO_ENGINE_QUERY_INDEX_VECTOR_SIZE_FN QueryIndexVectorSize;
    PIBIO_ENGINE_QUERY_HASH_ALGORITHMS_FN QueryHashAlgorithms;
    PIBIO_ENGINE_SET_HASH_ALGORITHM_FN SetHashAlgorithm;
    PIBIO_ENGINE_QUERY_SAMPLE_HINT_FN QuerySampleHint;
    PIBIO_ENGINE_ACCEPT_SAMPLE_DATA_FN AcceptSampleData;
    PIBIO_ENGINE_EXPORT_ENGINE_DATA_FN ExportEngineData;
    PIBIO_ENGINE_VERIFY_FEATURE_SET_FN VerifyFeatureSet;
    PIBIO_ENGINE_IDENTIFY_FEATURE_SET_FN IdentifyFeatureSet;
    PIBIO_ENGINE_CREATE_ENROLLMENT_FN CreateEnrollment;
    PIBIO_ENGINE_UPDATE_ENROLLMENT_FN UpdateEnrollment;
    PIBIO_ENGINE_GET_ENROLLMENT_STATUS_FN GetEnrollmentStatus;
    PIBIO_ENGINE_GET_ENROLLMENT_HASH_FN GetEnrollmentHash;
    PIBIO_ENGINE_CHECK_FOR_DUPLICATE_FN CheckForDuplicate;
    PIBIO_ENGINE_COMMIT_ENROLLMENT_FN CommitEnrollment;
    PIBIO_ENGINE_DISCARD_ENROLLMENT_FN DiscardEnrollment;
    PIBIO_ENGINE_CONTROL_UNIT_FN ControlUnit;
    PIBIO_ENGINE_CONTROL_UNIT_PRIVILEGED_FN ControlUnitPrivileged;
    PIBIO_ENGINE_NOTIFY_POWER_CHANGE_FN NotifyPowerChange;
    PIBIO_ENGINE_RESERVED_1_FN Reserved_1;
    PIBIO_ENGINE_PIPELINE_INIT_FN PipelineInit;
    PIBIO_ENGINE_PIPELINE_CLEANUP_FN PipelineCleanup;
    PIBIO_ENGINE_ACTIVATE_FN Activate;
    PIBIO_ENGINE_DEACTIVATE_FN Deactivate;
    PIBIO_ENGINE_QUERY_EXTENDED_INFO_FN QueryExtendedInfo;
    PIBIO_ENGINE_IDENTIFY_ALL_FN IdentifyAll;
    PIBIO_ENGINE_SET_ENROLLMENT_SELECTOR_FN SetEnrollmentSelector;
    PIBIO_ENGINE_SET_ENROLLMENT_PARAMETERS_FN SetEnrollmentParameters;
    PIBIO_ENGINE_QUERY_EXTENDED_ENROLLMENT_STATUS_FN QueryExtendedEnrollmentStatus;
    PIBIO_ENGINE_REFRESH_CACHE_FN RefreshCache;
    PIBIO_ENGINE_SELECT_CALIBRATION_FORMAT_FN SelectCalibrationFormat;
    PIBIO_ENGINE_QUERY_CALIBRATION_DATA_FN QueryCalibrationData;
    PIBIO_ENGINE_SET_ACCOUNT_POLICY_FN SetAccountPolicy;
    PIBIO_ENGINE_CREATE_KEY_FN CreateKey;
    PIBIO_ENGINE_IDENTIFY_FEATURE_SET_SECURE_FN IdentifyFeatureSetSecure;
    PIBIO_ENGINE_ACCEPT_PRIVATE_SENSOR_TYPE_INFO_FN AcceptPrivateSensorTypeInfo;
    PIBIO_ENGINE_CREATE_ENROLLMENT_AUTHENTICATED_FN CreateEnrollmentAuthenticated;
    PIBIO_ENGINE_IDENTIFY_FEATURE_SET_AUTHENTICATED_FN IdentifyFeatureSetAuthenticated;
} WINBIO_ENGINE_INTERFACE;

typedef struct _WINBIO_STORAGE_INTERFACE {
    WINBIO_ADAPTER_INTERFACE_HEADER;
    PIBIO_STORAGE_ATTACH_FN Attach;
    PIBIO_STORAGE_DETACH_FN Detach;
    PIBIO_STORAGE_CLEAR_CONTEXT_FN ClearContext;
    PIBIO_STORAGE_CREATE_DATABASE_FN CreateDatabase;
    PIBIO_STORAGE_ERASE_DATABASE_FN EraseDatabase;
    PIBIO_STORAGE_OPEN_DATABASE_FN OpenDatabase;
    PIBIO_STORAGE_CLOSE_DATABASE_FN CloseDatabase;
    PIBIO_STORAGE_GET_DATA_FORMAT_FN GetDataFormat;
    PIBIO_STORAGE_GET_DATABASE_SIZE_FN GetDatabaseSize;
    PIBIO_STORAGE_ADD_RECORD_FN AddRecord;
    PIBIO_STORAGE_DELETE_RECORD_FN DeleteRecord;
    PIBIO_STORAGE_QUERY_BY_SUBJECT_FN QueryBySubject;
    PIBIO_STORAGE_QUERY_BY_CONTENT_FN QueryByContent;
    PIBIO_STORAGE_GET_RECORD_COUNT_FN GetRecordCount;
    PIBIO_STORAGE_FIRST_RECORD_FN FirstRecord;
    PIBIO_STORAGE_NEXT_RECORD_FN NextRecord;
    PIBIO_STORAGE_GET_CURRENT_RECORD_FN GetCurrentRecord;
    PIBIO_STORAGE_CONTROL_UNIT_FN ControlUnit;
    PIBIO_STORAGE_CONTROL_UNIT_PRIVILEGED_FN ControlUnitPrivileged;
    PIBIO_STORAGE_NOTIFY_POWER_CHANGE_FN NotifyPowerChange;
    PIBIO_STORAGE_PIPELINE_INIT_FN PipelineInit;
    PIBIO_STORAGE_PIPELINE_CLEANUP_FN PipelineCleanup;
    PIBIO_STORAGE_ACTIVATE_FN Activate;
    PIBIO_STORAGE_DEACTIVATE_FN Deactivate;
    PIBIO_STORAGE_QUERY_EXTENDED_INFO_FN QueryExtendedInfo;
    PIBIO_STORAGE_NOTIFY_DATABASE_CHANGE_FN NotifyDatabaseChange;
    PIBIO_STORAGE_RESERVED_1_FN Reserved1;
    PIBIO_STORAGE_RESERVED_2_FN Reserved2;
    PIBIO_STORAGE_UPDATE_RECORD_BEGIN_FN UpdateRecordBegin;
    PIBIO_STORAGE_UPDATE_RECORD_COMMIT_FN UpdateRecordCommit;
} WINBIO_STORAGE_INTERFACE;

#undef WINBIO_ADAPTER_INTERFACE_HEADER

// The size each table declares in its header.
#define WINBIO_SENSOR_INTERFACE_SIZE (32 + 8 * WINBIO_SENSOR_INTERFACE_SLOT_COUNT)
#define WINBIO_ENGINE_INTERFACE_SIZE (32 + 8 * WINBIO_ENGINE_INTERFACE_SLOT_COUNT)
#define WINBIO_STORAGE_INTERFACE_SIZE (32 + 8 * WINBIO_STORAGE_INTERFACE_SLOT_COUNT)

static_assert(offsetof(WINBIO_SENSOR_INTERFACE, Version.MinorVersion) == 2);
static_assert(offsetof(WINBIO_SENSOR_INTERFACE, Type) == 4);
static_assert(offsetof(WINBIO_SENSOR_INTERFACE, Size) == 8);
static_assert(offsetof(WINBIO_SENSOR_INTERFACE, AdapterId) == 16);
static_assert(offsetof(WINBIO_SENSOR_INTERFACE, Attach) == 32);
static_assert(offsetof(WINBIO_SENSOR_INTERFACE, QueryExtendedInfo) == 32 + 8 * 20);
static_assert(offsetof(WINBIO_SENSOR_INTERFACE, ConnectSecure) == 32 + 8 * 27);
static_assert(offsetof(WINBIO_SENSOR_INTERFACE, FinishNotifyWake) == 32 + 8 * 30);
static_assert(sizeof(WINBIO_SENSOR_INTERFACE) == WINBIO_SENSOR_INTERFACE_SIZE);
static_assert(WINBIO_SENSOR_INTERFACE_SIZE == 280);

static_assert(offsetof(WINBIO_ENGINE_INTERFACE, AdapterId) == 16);
static_assert(offsetof(WINBIO_ENGINE_INTERFACE, Attach) == 32);
static_assert(offsetof(WINBIO_ENGINE_INTERFACE, QueryPreferredFormat) == 32 + 8 * 3);
static_assert(offsetof(WINBIO_ENGINE_INTERFACE, AcceptSampleData) == 32 + 8 * 8);
static_assert(offsetof(WINBIO_ENGINE_INTERFACE, Reserved_1) == 32 + 8 * 22);
static_assert(offsetof(WINBIO_ENGINE_INTERFACE, RefreshCache) == 32 + 8 * 32);
static_assert(offsetof(WINBIO_ENGINE_INTERFACE, IdentifyFeatureSetAuthenticated) == 32 + 8 * 40);
static_assert(sizeof(WINBIO_ENGINE_INTERFACE) == WINBIO_ENGINE_INTERFACE_SIZE);
static_assert(WINBIO_ENGINE_INTERFACE_SIZE == 360);

static_assert(offsetof(WINBIO_STORAGE_INTERFACE, AdapterId) == 16);
static_assert(offsetof(WINBIO_STORAGE_INTERFACE, Attach) == 32);
static_assert(offsetof(WINBIO_STORAGE_INTERFACE, AddRecord) == 32 + 8 * 9);
static_assert(offsetof(WINBIO_STORAGE_INTERFACE, ControlUnit) == 32 + 8 * 17);
static_assert(offsetof(WINBIO_STORAGE_INTERFACE, QueryExtendedInfo) == 32 + 8 * 24);
static_assert(offsetof(WINBIO_STORAGE_INTERFACE, UpdateRecordCommit) == 32 + 8 * 29);
static_assert(sizeof(WINBIO_STORAGE_INTERFACE) == WINBIO_STORAGE_INTERFACE_SIZE);
static_assert(WINBIO_STORAGE_INTERFACE_SIZE == 272);
