#pragma once

#include <cstddef>
#include <cstdint>

// The Windows-style scalar types the framework's interfaces are written in.
using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using LCID = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;

// A module's instance handle: the address at which the module is loaded.
using HINSTANCE = void *;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Resource types.
inline constexpr UINT RT_BITMAP = 2;
inline constexpr UINT RT_DIALOG = 5;
inline constexpr UINT RT_STRING = 6;
inline constexpr UINT RT_RCDATA = 10;

// Reasons passed to a module's entry point.
inline constexpr DWORD DLL_PROCESS_DETACH = 0;
inline constexpr DWORD DLL_PROCESS_ATTACH = 1;
inline constexpr DWORD DLL_THREAD_ATTACH = 2;
inline constexpr DWORD DLL_THREAD_DETACH = 3;
