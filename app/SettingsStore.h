#pragma once

#include "app/DistributionSettings.h"
#include "framework/File.h"
#include "framework/StringList.h"

#include <string>
#include <vector>

// Reads the settings block of the running program's own file into the empty
// list, last written record first. False (list unchanged) when the file
// cannot be read or holds no valid block.
bool ReadSettingsBlock(CStringList& records);
bool ReadSettingsBlockFromFile(const std::wstring& path, CStringList& records);

// Applies the records in list order: the five links into the product key
// (JOIN_LINK also into the numbered Links list), DOWNLOAD_LINK, COUNTRY_ISO2
// and WID into the dialog's members. False when a record has no '=' (it and
// the rest are not applied) or the product key cannot be opened or created.
bool ApplySettingsBlock(const CStringList& records, DistributionSettings& dialog);

// Appends the records, their count and the end marker to a file positioned at
// its end. False when the file did not take every byte.
bool WriteSettingsBlock(CFile& output, const std::vector<std::wstring>& records);
