#pragma once

#include <string>

// A new empty file in the user's temporary folder, named by the system's
// unique-name service with the prefix "VEL" and the extension ".tmp"; empty
// when the system gives none.
std::wstring CreateTemporaryPackageFile();
