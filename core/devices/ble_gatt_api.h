// The Bluetooth LE GATT types and functions the program uses, declared here because the
// toolchain's headers lack them, with the layouts of the Windows Bluetooth LE API. The functions
// live in BluetoothApis.dll and are reached only through a BleGattApi table (ble_platform.h),
// resolved at run time once a device was found.
#pragma once

#include <windows.h>

#include <cstddef>

struct BTH_LE_UUID {
    BOOLEAN IsShortUuid;
    union {
        USHORT ShortUuid;
        GUID LongUuid;
    } Value;
};

struct BTH_LE_GATT_SERVICE {
    BTH_LE_UUID ServiceUuid;
    USHORT AttributeHandle;
};

struct BTH_LE_GATT_CHARACTERISTIC {
    USHORT ServiceHandle;
    BTH_LE_UUID CharacteristicUuid;
    USHORT AttributeHandle;
    USHORT CharacteristicValueHandle;
    BOOLEAN IsBroadcastable;
    BOOLEAN IsReadable;
    BOOLEAN IsWritable;
    BOOLEAN IsWritableWithoutResponse;
    BOOLEAN IsSignedWritable;
    BOOLEAN IsNotifiable;
    BOOLEAN IsIndicatable;
    BOOLEAN HasExtendedProperties;
};

// Variable length: DataSize bytes follow in Data.
struct BTH_LE_GATT_CHARACTERISTIC_VALUE {
    ULONG DataSize;
    UCHAR Data[1];
};

enum BTH_LE_GATT_DESCRIPTOR_TYPE {
    CharacteristicExtendedProperties,
    CharacteristicUserDescription,
    ClientCharacteristicConfiguration,
    ServerCharacteristicConfiguration,
    CharacteristicFormat,
    CharacteristicAggregateFormat,
    CustomDescriptor
};

struct BTH_LE_GATT_DESCRIPTOR {
    USHORT ServiceHandle;
    USHORT CharacteristicHandle;
    BTH_LE_GATT_DESCRIPTOR_TYPE DescriptorType;
    BTH_LE_UUID DescriptorUuid;
    USHORT AttributeHandle;
};

struct BTH_LE_GATT_DESCRIPTOR_VALUE {
    BTH_LE_GATT_DESCRIPTOR_TYPE DescriptorType;
    BTH_LE_UUID DescriptorUuid;
    union {
        struct {
            BOOLEAN IsReliableWriteEnabled;
            BOOLEAN IsAuxiliariesWritable;
        } CharacteristicExtendedProperties;
        struct {
            BOOLEAN IsSubscribeToNotification;
            BOOLEAN IsSubscribeToIndication;
        } ClientCharacteristicConfiguration;
        struct {
            BOOLEAN IsBroadcast;
        } ServerCharacteristicConfiguration;
        struct {
            UCHAR Format;
            UCHAR Exponent;
            BTH_LE_UUID Unit;
            UCHAR NameSpace;
            BTH_LE_UUID Description;
        } CharacteristicFormat;
    };
    ULONG DataSize;
    UCHAR Data[1];
};

enum BTH_LE_GATT_EVENT_TYPE { CharacteristicValueChangedEvent };

using BTH_LE_GATT_RELIABLE_WRITE_CONTEXT = ULONG64;
using BLUETOOTH_GATT_EVENT_HANDLE = HANDLE;

// The event parameter of a registration for CharacteristicValueChangedEvent (variable length).
struct BLUETOOTH_GATT_VALUE_CHANGED_EVENT_REGISTRATION {
    USHORT NumCharacteristics;
    BTH_LE_GATT_CHARACTERISTIC Characteristics[1];
};

// What a CharacteristicValueChangedEvent callback receives as its event parameter.
struct BLUETOOTH_GATT_VALUE_CHANGED_EVENT {
    USHORT ChangedAttributeHandle;
    size_t CharacteristicValueDataSize;
    BTH_LE_GATT_CHARACTERISTIC_VALUE* CharacteristicValue;
};

using PFNBLUETOOTH_GATT_EVENT_CALLBACK = VOID(CALLBACK*)(BTH_LE_GATT_EVENT_TYPE EventType,
                                                         PVOID EventOutParameter, PVOID Context);

constexpr ULONG BLUETOOTH_GATT_FLAG_NONE = 0x00000000;

// The layouts BluetoothApis.dll expects on x86-64.
static_assert(sizeof(BTH_LE_UUID) == 20 && offsetof(BTH_LE_UUID, Value) == 4);
static_assert(sizeof(BTH_LE_GATT_SERVICE) == 24 && offsetof(BTH_LE_GATT_SERVICE, AttributeHandle) == 20);
static_assert(sizeof(BTH_LE_GATT_CHARACTERISTIC) == 36);
static_assert(offsetof(BTH_LE_GATT_CHARACTERISTIC, CharacteristicUuid) == 4);
static_assert(offsetof(BTH_LE_GATT_CHARACTERISTIC, AttributeHandle) == 24);
static_assert(offsetof(BTH_LE_GATT_CHARACTERISTIC, IsWritable) == 30);
static_assert(offsetof(BTH_LE_GATT_CHARACTERISTIC, IsNotifiable) == 33);
static_assert(sizeof(BTH_LE_GATT_DESCRIPTOR) == 32 && offsetof(BTH_LE_GATT_DESCRIPTOR, AttributeHandle) == 28);
static_assert(offsetof(BTH_LE_GATT_DESCRIPTOR_VALUE, ClientCharacteristicConfiguration) == 24);
static_assert(offsetof(BTH_LE_GATT_DESCRIPTOR_VALUE, DataSize) == 72);
static_assert(sizeof(BTH_LE_GATT_DESCRIPTOR_VALUE) == 80);
static_assert(offsetof(BTH_LE_GATT_CHARACTERISTIC_VALUE, Data) == 4);
static_assert(offsetof(BLUETOOTH_GATT_VALUE_CHANGED_EVENT_REGISTRATION, Characteristics) == 4);
static_assert(sizeof(BLUETOOTH_GATT_VALUE_CHANGED_EVENT) == 24);

// The GATT functions, one pointer each, named as BluetoothApis.dll exports them, so a call reads
// `gatt.BluetoothGATTGetServices(...)`. The test kit fills a table of its own.
struct BleGattApi {
    HRESULT(WINAPI* BluetoothGATTGetServices)(HANDLE hDevice, USHORT ServicesBufferCount,
                                              BTH_LE_GATT_SERVICE* ServicesBuffer,
                                              USHORT* ServicesBufferActual, ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTGetCharacteristics)(HANDLE hDevice, BTH_LE_GATT_SERVICE* Service,
                                                     USHORT CharacteristicsBufferCount,
                                                     BTH_LE_GATT_CHARACTERISTIC* CharacteristicsBuffer,
                                                     USHORT* CharacteristicsBufferActual, ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTGetDescriptors)(HANDLE hDevice, BTH_LE_GATT_CHARACTERISTIC* Characteristic,
                                                 USHORT DescriptorsBufferCount,
                                                 BTH_LE_GATT_DESCRIPTOR* DescriptorsBuffer,
                                                 USHORT* DescriptorsBufferActual, ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTSetDescriptorValue)(HANDLE hDevice, BTH_LE_GATT_DESCRIPTOR* Descriptor,
                                                     BTH_LE_GATT_DESCRIPTOR_VALUE* DescriptorValue,
                                                     ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTBeginReliableWrite)(HANDLE hDevice,
                                                     BTH_LE_GATT_RELIABLE_WRITE_CONTEXT* ReliableWriteContext,
                                                     ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTSetCharacteristicValue)(HANDLE hDevice,
                                                         BTH_LE_GATT_CHARACTERISTIC* Characteristic,
                                                         BTH_LE_GATT_CHARACTERISTIC_VALUE* CharacteristicValue,
                                                         BTH_LE_GATT_RELIABLE_WRITE_CONTEXT ReliableWriteContext,
                                                         ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTEndReliableWrite)(HANDLE hDevice,
                                                   BTH_LE_GATT_RELIABLE_WRITE_CONTEXT ReliableWriteContext,
                                                   ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTRegisterEvent)(HANDLE hService, BTH_LE_GATT_EVENT_TYPE EventType,
                                                PVOID EventParameterIn,
                                                PFNBLUETOOTH_GATT_EVENT_CALLBACK Callback,
                                                PVOID CallbackContext,
                                                BLUETOOTH_GATT_EVENT_HANDLE* pEventHandle, ULONG Flags);
    HRESULT(WINAPI* BluetoothGATTUnregisterEvent)(BLUETOOTH_GATT_EVENT_HANDLE EventHandle, ULONG Flags);
};

// The short (16-bit) form of a UUID: its own value, or the 16-bit number of a long UUID built on
// the Bluetooth base UUID (0000xxxx-0000-1000-8000-00805F9B34FB); 0 for any other long UUID.
USHORT ShortUuidOf(const BTH_LE_UUID& uuid);
