// The build compiles every source of the folder; this one only has content on Windows.
#if defined(_WIN32)

#include "device/hid_backend_windows.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <limits>
#include <memory>

#include "device/platform_hid.h"

namespace kvrm {
namespace {

// The few SetupAPI and HID structures used, laid out as setupapi.h and hidsdi.h /
// hidpi.h have them, so that no driver kit headers are needed.
struct DeviceInterfaceData {
  DWORD cbSize;
  GUID InterfaceClassGuid;
  DWORD Flags;
  ULONG_PTR Reserved;
};

struct DeviceInterfaceDetailData {
  DWORD cbSize;
  CHAR DevicePath[1];
};

// setupapi.h packs its structures to 1 byte on 32-bit builds and to 8 on 64-bit
// ones, so the size SetupAPI checks in cbSize is 5 or 8 respectively.
constexpr DWORD kDetailDataSize = sizeof(void*) == 8 ? 8 : 5;

struct HiddAttributes {
  ULONG Size;
  USHORT VendorID;
  USHORT ProductID;
  USHORT VersionNumber;
};

struct HidpCaps {
  USHORT Usage;
  USHORT UsagePage;
  USHORT InputReportByteLength;
  USHORT OutputReportByteLength;
  USHORT FeatureReportByteLength;
  USHORT Reserved[17];
  USHORT NumberLinkCollectionNodes;
  USHORT NumberInputButtonCaps;
  USHORT NumberInputValueCaps;
  USHORT NumberInputDataIndices;
  USHORT NumberOutputButtonCaps;
  USHORT NumberOutputValueCaps;
  USHORT NumberOutputDataIndices;
  USHORT NumberFeatureButtonCaps;
  USHORT NumberFeatureValueCaps;
  USHORT NumberFeatureDataIndices;
};

constexpr LONG kHidpStatusSuccess = 0x00110000;
constexpr DWORD kDigcfPresentInterfaces = 0x12;  // DIGCF_PRESENT | DIGCF_DEVICEINTERFACE
// The HID interface class, for when HID.dll cannot give it.
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct Api {
  void(WINAPI* HidD_GetHidGuid)(GUID*) = nullptr;
  HANDLE(WINAPI* SetupDiGetClassDevsA)(const GUID*, PCSTR, HWND, DWORD) = nullptr;
  BOOL(WINAPI* SetupDiEnumDeviceInterfaces)
  (HANDLE, void*, const GUID*, DWORD, DeviceInterfaceData*) = nullptr;
  BOOL(WINAPI* SetupDiGetDeviceInterfaceDetailA)
  (HANDLE, DeviceInterfaceData*, DeviceInterfaceDetailData*, DWORD, DWORD*, void*) = nullptr;
  BOOL(WINAPI* SetupDiDestroyDeviceInfoList)(HANDLE) = nullptr;
  BOOLEAN(WINAPI* HidD_GetAttributes)(HANDLE, HiddAttributes*) = nullptr;
  BOOLEAN(WINAPI* HidD_GetPreparsedData)(HANDLE, void**) = nullptr;
  LONG(WINAPI* HidP_GetCaps)(void*, HidpCaps*) = nullptr;
  BOOLEAN(WINAPI* HidD_FreePreparsedData)(void*) = nullptr;
  BOOLEAN(WINAPI* HidD_SetFeature)(HANDLE, void*, ULONG) = nullptr;
  BOOLEAN(WINAPI* HidD_GetFeature)(HANDLE, void*, ULONG) = nullptr;
  GUID hid_guid = kHidInterfaceClass;
};

template <typename Function>
void Resolve(HMODULE module, const char* name, Function* function) {
  if (module == nullptr) return;
  // Through void* because FARPROC and the real signature are unrelated types.
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

Api Load() {
  Api api;
  // Only from the system folder, so a planted DLL beside the program is never loaded.
  const HMODULE setup = LoadLibraryExA("SetupApi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  const HMODULE hid = LoadLibraryExA("HID.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  Resolve(setup, "SetupDiGetClassDevsA", &api.SetupDiGetClassDevsA);
  Resolve(setup, "SetupDiEnumDeviceInterfaces", &api.SetupDiEnumDeviceInterfaces);
  Resolve(setup, "SetupDiGetDeviceInterfaceDetailA", &api.SetupDiGetDeviceInterfaceDetailA);
  Resolve(setup, "SetupDiDestroyDeviceInfoList", &api.SetupDiDestroyDeviceInfoList);
  Resolve(hid, "HidD_GetHidGuid", &api.HidD_GetHidGuid);
  Resolve(hid, "HidD_GetAttributes", &api.HidD_GetAttributes);
  Resolve(hid, "HidD_GetPreparsedData", &api.HidD_GetPreparsedData);
  Resolve(hid, "HidP_GetCaps", &api.HidP_GetCaps);
  Resolve(hid, "HidD_FreePreparsedData", &api.HidD_FreePreparsedData);
  Resolve(hid, "HidD_SetFeature", &api.HidD_SetFeature);
  Resolve(hid, "HidD_GetFeature", &api.HidD_GetFeature);
  if (api.HidD_GetHidGuid != nullptr) api.HidD_GetHidGuid(&api.hid_guid);
  return api;
}

// The libraries stay loaded for the life of the process.
const Api& Functions() {
  static const Api api = Load();
  return api;
}

HANDLE ToHandle(HidHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

bool FitsUlong(size_t length) {
  return length > 0 && length <= std::numeric_limits<ULONG>::max();
}

std::string DevicePath(const Api& api, HANDLE set, DeviceInterfaceData* interface_data) {
  DWORD required = 0;
  if (api.SetupDiGetDeviceInterfaceDetailA(set, interface_data, nullptr, 0, &required, nullptr) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER || required < kDetailDataSize) {
    return {};
  }
  // DWORD elements keep the cbSize field aligned.
  std::unique_ptr<DWORD[]> buffer(new DWORD[(required + sizeof(DWORD) - 1) / sizeof(DWORD)]());
  auto* detail = reinterpret_cast<DeviceInterfaceDetailData*>(buffer.get());
  detail->cbSize = kDetailDataSize;
  if (!api.SetupDiGetDeviceInterfaceDetailA(set, interface_data, detail, required, nullptr,
                                            nullptr)) {
    return {};
  }
  // Bounded by the buffer, in case the path comes without its terminating NUL.
  constexpr size_t kPathOffset = offsetof(DeviceInterfaceDetailData, DevicePath);
  const char* path = reinterpret_cast<const char*>(buffer.get()) + kPathOffset;
  return std::string(path, strnlen(path, required - kPathOffset));
}

}  // namespace

std::optional<std::vector<std::string>> WindowsHidBackend::InterfacePaths() {
  const Api& api = Functions();
  if (api.SetupDiGetClassDevsA == nullptr || api.SetupDiEnumDeviceInterfaces == nullptr ||
      api.SetupDiGetDeviceInterfaceDetailA == nullptr ||
      api.SetupDiDestroyDeviceInfoList == nullptr) {
    return std::nullopt;
  }
  const HANDLE set =
      api.SetupDiGetClassDevsA(&api.hid_guid, nullptr, nullptr, kDigcfPresentInterfaces);
  if (set == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::string> paths;
  for (DWORD index = 0;; ++index) {
    DeviceInterfaceData interface_data{};
    interface_data.cbSize = sizeof(interface_data);
    if (!api.SetupDiEnumDeviceInterfaces(set, nullptr, &api.hid_guid, index, &interface_data)) {
      break;
    }
    paths.push_back(DevicePath(api, set, &interface_data));
  }
  api.SetupDiDestroyDeviceInfoList(set);
  return paths;
}

HidHandle WindowsHidBackend::Open(const std::string& path, HidAccess access) {
  const bool read_write = access == HidAccess::kReadWrite;
  const HANDLE handle = CreateFileA(path.c_str(), read_write ? GENERIC_READ | GENERIC_WRITE : 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    read_write ? FILE_FLAG_OVERLAPPED : 0, nullptr);
  return reinterpret_cast<HidHandle>(handle);
}

void WindowsHidBackend::Close(HidHandle handle) {
  if (handle != kInvalidHandle) CloseHandle(ToHandle(handle));
}

bool WindowsHidBackend::GetAttributes(HidHandle handle, HidAttributes* attributes) {
  const Api& api = Functions();
  if (handle == kInvalidHandle || api.HidD_GetAttributes == nullptr) return false;
  HiddAttributes hid_attributes{};
  hid_attributes.Size = sizeof(hid_attributes);
  if (!api.HidD_GetAttributes(ToHandle(handle), &hid_attributes)) return false;
  attributes->vendor_id = hid_attributes.VendorID;
  attributes->product_id = hid_attributes.ProductID;
  return true;
}

bool WindowsHidBackend::GetCapabilities(HidHandle handle, HidCapabilities* capabilities) {
  const Api& api = Functions();
  if (handle == kInvalidHandle || api.HidD_GetPreparsedData == nullptr ||
      api.HidP_GetCaps == nullptr || api.HidD_FreePreparsedData == nullptr) {
    return false;
  }
  void* preparsed = nullptr;
  if (!api.HidD_GetPreparsedData(ToHandle(handle), &preparsed)) return false;
  HidpCaps caps{};
  const bool ok = api.HidP_GetCaps(preparsed, &caps) == kHidpStatusSuccess;
  api.HidD_FreePreparsedData(preparsed);
  if (!ok) return false;
  capabilities->input_report_length = caps.InputReportByteLength;
  capabilities->output_report_length = caps.OutputReportByteLength;
  capabilities->feature_report_length = caps.FeatureReportByteLength;
  return true;
}

bool WindowsHidBackend::SetFeature(HidHandle handle, const uint8_t* report, size_t length) {
  const Api& api = Functions();
  if (handle == kInvalidHandle || api.HidD_SetFeature == nullptr || !FitsUlong(length)) {
    return false;
  }
  // HidD_SetFeature only reads the buffer; its parameter is not const.
  return api.HidD_SetFeature(ToHandle(handle), const_cast<uint8_t*>(report),
                             static_cast<ULONG>(length));
}

bool WindowsHidBackend::GetFeature(HidHandle handle, uint8_t* report, size_t length) {
  const Api& api = Functions();
  if (handle == kInvalidHandle || api.HidD_GetFeature == nullptr || !FitsUlong(length)) {
    return false;
  }
  return api.HidD_GetFeature(ToHandle(handle), report, static_cast<ULONG>(length));
}

bool WindowsHidBackend::ReadInput(HidHandle handle, uint8_t* buffer, size_t length,
                                  int timeout_ms) {
  if (handle == kInvalidHandle || !FitsUlong(length)) return false;
  const HANDLE file = ToHandle(handle);
  OVERLAPPED overlapped{};
  overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (overlapped.hEvent == nullptr) return false;
  DWORD received = 0;
  bool ok = ReadFile(file, buffer, static_cast<DWORD>(length), nullptr, &overlapped) ||
            GetLastError() == ERROR_IO_PENDING;
  if (ok) {
    const DWORD wait = timeout_ms < 0 ? INFINITE : static_cast<DWORD>(timeout_ms);
    if (WaitForSingleObject(overlapped.hEvent, wait) != WAIT_OBJECT_0)
      CancelIoEx(file, &overlapped);
    // Waits for the cancelled read to finish with the buffer; a report that arrived
    // in the meantime still counts.
    ok = GetOverlappedResult(file, &overlapped, &received, TRUE) && received > 0;
  }
  CloseHandle(overlapped.hEvent);
  return ok;
}

std::unique_ptr<HidBackend> MakePlatformHidBackend() {
  return std::make_unique<WindowsHidBackend>();
}

}  // namespace kvrm

#endif  // defined(_WIN32)
