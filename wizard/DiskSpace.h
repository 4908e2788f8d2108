#pragma once

#include <cstdint>
#include <string>

// The free-space figure of the licence page: whole megabytes up to 1 GiB
// (inclusive), whole gigabytes above, the number followed by a space and the
// unit text of the current language.
std::wstring FormatFreeSpace(uint64_t freeBytes, const std::wstring& mbUnit, const std::wstring& gbUnit);

// The fixed required-space figure: "14 " and the megabyte unit.
std::wstring FormatRequiredSpace(const std::wstring& mbUnit);
